#pragma once
// Characters of a text held as bytes. Texts and file names are UTF-8 as a
// rule, but a name made on another system may hold bytes of another code
// page; each such byte counts as one character of its own.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace platform {

// The length of the well-formed UTF-8 sequence that starts at `at`, or 0
// when the byte there starts none (a stray byte, an overlong form, a
// surrogate, a sequence cut short).
inline std::size_t utf8_sequence_length(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return i < text.size() ? std::uint8_t(text[i]) : 0; };
    const std::uint8_t lead = byte(at);
    if (lead < 0x80) return 1;
    std::size_t length = 2;
    std::uint8_t low = 0x80;  // the bounds of the second byte
    std::uint8_t high = 0xbf;
    if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        if (lead == 0xe0) low = 0xa0;
        if (lead == 0xed) high = 0x9f;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        if (lead == 0xf0) low = 0x90;
        if (lead == 0xf4) high = 0x8f;
    } else if (lead < 0xc2 || lead > 0xdf) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const std::uint8_t next = byte(at + i);
        if (next < (i == 1 ? low : 0x80) || next > (i == 1 ? high : 0xbf)) return 0;
    }
    return length;
}

// Where the character after the one at `at` starts.
inline std::size_t next_character(std::string_view text, std::size_t at) {
    const std::size_t length = utf8_sequence_length(text, at);
    return at + (length == 0 ? 1 : length);
}

}  // namespace platform
