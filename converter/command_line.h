#pragma once
#include <string_view>

namespace converter {

// True when the whole argument text is exactly "/11m" or "/11M": nothing
// trimmed, no other letter case.
constexpr bool asks_for_11m(std::string_view argument_text) {
    return argument_text == "/11m" || argument_text == "/11M";
}

}  // namespace converter
