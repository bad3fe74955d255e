#pragma once
// An installed program's first start: the user's settings file is made
// from the default that the package installs (/etc/xdg/kvaro/kvaro.ini and
// orvak.ini, found the XDG way), so that it starts without a message.
#include "catalogs/catalogs.h"

namespace catalogs {

// When the user has no settings file yet, copies the first default found
// in the catalogs' default folders into its place. Does nothing beside the
// program (no default folders), when the user has a file, or when no
// default can be read; a failed copy leaves the user without a file, which
// the read that follows reports.
void create_settings_from_default(const Catalogs& catalogs);

}  // namespace catalogs
