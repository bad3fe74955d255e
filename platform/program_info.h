#pragma once
#include <string>
#include <string_view>

namespace platform {

// The folder that holds the running program's executable, without a
// trailing slash.
std::string program_folder();

// The command-line arguments as one text: the arguments joined by single
// blanks, nothing trimmed; empty when there are none.
std::string argument_text(int argc, const char* const* argv);

// True when the whole argument text is exactly "/11m" or "/11M": nothing
// trimmed, no other letter case. Both programs then open their 11M window.
constexpr bool asks_for_11m(std::string_view argument_text) {
    return argument_text == "/11m" || argument_text == "/11M";
}

}  // namespace platform
