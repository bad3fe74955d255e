#pragma once
// The command line of kvaro and orvak: which window to open, and which file
// to open in it. "kvaro photo.jpg", "orvak screen.pic", "kvaro /11m photo.jpg".
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct StartArguments {
    // The arguments "/11m" and "/11M" and the empty ones, joined by single
    // blanks. It picks the window as the whole argument text always has
    // (asks_for_11m).
    std::string window_text;
    // The absolute path of the first other argument, or empty: the file to
    // open, which the window opens as its Open would, and so reports as Open
    // does when it is missing or cannot be read. The other arguments are
    // neither opened nor part of window_text.
    std::string file;
};

// A relative argument is taken from `current_folder`.
// NOTE: "/11m" and "/11M" are never taken as files, even where one exists.
StartArguments parse_start_arguments(const std::vector<std::string>& arguments,
                                     std::string_view current_folder);

// The same for this process: its arguments and its current folder.
StartArguments start_arguments(int argc, const char* const* argv);

// `path` from `folder` when relative, without "." parts and doubled slashes;
// ".." stays, as a folder may be a link.
std::string absolute_path(std::string_view path, std::string_view folder);

}  // namespace platform
