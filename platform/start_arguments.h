#pragma once
// The command line of kvaro and orvak: which window to open, and which file
// to open in it. "kvaro photo.jpg", "orvak screen.pic", "kvaro /11m photo.jpg".
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct StartArguments {
    // The arguments that name no existing file, joined by single blanks. It
    // picks the window as the whole argument text always has (asks_for_11m).
    std::string window_text;
    // The absolute path of the first argument that names an existing file,
    // or empty. The others that name files are left out of window_text and
    // not opened.
    std::string file;
};

// `is_file` tells whether an absolute path names an existing file (not a
// folder). A relative argument is taken from `current_folder`.
// NOTE: "/11m" and "/11M" are never taken as files, even where one exists.
StartArguments parse_start_arguments(const std::vector<std::string>& arguments,
                                     std::string_view current_folder,
                                     const std::function<bool(const std::string&)>& is_file);

// The same for this process: its arguments, its current folder, its files.
StartArguments start_arguments(int argc, const char* const* argv);

// `path` from `folder` when relative, without "." parts and doubled slashes;
// ".." stays, as a folder may be a link.
std::string absolute_path(std::string_view path, std::string_view folder);

}  // namespace platform
