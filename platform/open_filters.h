#pragma once
// The open dialog's filter for pictures, as a filter string of pairs
// "description|patterns|" (patterns separated by ';'):
//   "JPG Files (*.jpg)", "GIF Files (*.gif)", "BMP Files (*.bmp)" first and in
//   this order, so that filter index 1 is JPG; then "PNG Files (*.png)"; then
//   "All pictures (...)", naming every format Qt's image plug-ins read.
// The description is what the dialog shows. The patterns match the extension
// in any letter case ("*.[jJ][pP][gG]"), and the JPG filter matches .jpeg too.
#include <string>
#include <vector>

namespace platform {

// `formats`: the extensions, in lower case, that the decoder reads.
std::string picture_filter(const std::vector<std::string>& formats);

// The same for the formats Qt's image plug-ins read on this machine.
std::string picture_filter();

}  // namespace platform
