#pragma once
// Reading and writing a program's settings file, with the messages the
// user sees when that fails.
#include <initializer_list>
#include <string>

#include "catalogs/catalogs.h"
#include "platform/modal.h"

namespace catalogs {

inline constexpr int settings_read = 0;
inline constexpr int settings_not_ours = -1;
inline constexpr int settings_failed = -2;

// 0 read; -1 the first line is not the header (nothing changed); -2 the
// file could not be read or ended early (the failure shown with a critical
// icon; values read before the end are kept).
int load_settings(const std::string& path, Catalogs& catalogs, platform::Modal& modal);

// 0 written; -2 failed (shown with a critical icon; the old file is intact).
int save_settings(const std::string& path, const Catalogs& catalogs, platform::Modal& modal);

// Replaces "default" by the default folder, first making the data folder
// that holds the default catalogs (with the folders above it) when it is
// missing. ensure_catalog then creates the catalog's own last level at its
// first write, as it does beside the program.
void use_default_folder(Catalogs& catalogs, int index);

// What a main window does at load: read the settings file, report a file
// that is not a settings file, and on success resolve "default" for the
// window's own catalogs.
void read_settings_at_load(Catalogs& catalogs, platform::Modal& modal,
                           std::initializer_list<int> own_catalogs);

}  // namespace catalogs
