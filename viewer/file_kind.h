#pragma once
// Which window and mode show a BK file that the viewer is started with, as
// bkpic's render tells them: by the name's extension, in any letter case,
// and for other names by the first bytes.
//   .bbd                          a sprite: the main window in color64x64
//   .11m, or the 11M signature    an 11M file: the 11M viewer window
//   .pic, .bin, .wav, the rest    a screen: the main window in color256x256
#include <string>
#include <string_view>

namespace viewer {

enum class FileKind { screen, sprite, m11 };

// Whether `path` ends in `extension` (".bbd"), in any letter case.
bool has_extension(std::string_view path, std::string_view extension);

// Reads the first bytes only when the name does not tell, and only from a
// regular file: a pipe gives its bytes once, to Open. A file that cannot be
// read is a screen, left to Open to report.
FileKind kind_of_file(const std::string& path);

}  // namespace viewer
