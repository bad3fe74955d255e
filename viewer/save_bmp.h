#pragma once
// Save: what a viewer window's picture window shows, written as a BMP file
// named after the BK file it shows, in the BMP catalog or beside the BK file.
#include <string>
#include <string_view>

#include "catalogs/catalogs.h"
#include "platform/modal.h"
#include "platform/pixel_surface.h"

namespace viewer {

// Makes sure of the BMP catalog, forms the name (`file_name` less its last
// four characters, plus ".bmp", moved into the catalog unless none is set),
// asks before replacing a file, writes the picture whole and reports
// "File ... saved". Failures are shown with `error_title` ("ORVAK: Savebmp"
// in the main window), except the catalog's own, which ensure_catalog shows.
// A refused rewrite ends silently. Returns true when the file was written.
// NOTE: a file name of fewer than four characters (no file opened) has no
// extension to replace and fails with "Invalid argument".
bool savebmp(const platform::PixelSurface& picture, const std::string& file_name,
             const catalogs::Catalogs& catalogs, platform::Modal& modal,
             std::string_view error_title);

}  // namespace viewer
