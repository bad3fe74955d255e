#pragma once
// How bkpic names an output after its input: the input's whole extension,
// whatever its length, gives way to the output's, so "photo.jpeg" gives
// "photo.pic" and "photo" gives "photo.pic".
// NOTE: the windows drop the last four characters instead ("photo.jpeg"
// gives "photo..pic" there); bkpic names only agree with theirs for
// three-letter extensions.
#include <string>
#include <string_view>

namespace bkpic {

// The input path with `extension` (".pic") in place of its own, moved into
// `folder` unless that is empty. A name that starts with its only dot
// (".hidden") has no extension.
std::string output_name(std::string_view input, std::string_view folder,
                        std::string_view extension);

// The text after the last dot of the path's last part, in lower case; empty
// when there is none ("-" has none).
std::string extension_of(std::string_view path);

}  // namespace bkpic
