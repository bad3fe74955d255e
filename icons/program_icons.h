#pragma once
// The programs' own 32 x 32 icons, shown as window icons and in the About
// windows.

namespace icons {

inline constexpr char converter_icon[] = ":/icons/kvaro.png";
inline constexpr char viewer_icon[] = ":/icons/orvak.png";
inline constexpr char launcher_icon[] = ":/icons/shell.png";

// Makes the icon at `path` the icon of every window of the program.
void set_program_icon(const char* path);

}  // namespace icons
