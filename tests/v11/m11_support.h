#pragma once
// 11M files for the 11M viewer's tests.
#include <cstdint>
#include <string>
#include <vector>

#include "formats/m11_file.h"

namespace v11_testing {

inline std::string as_text(const std::vector<std::uint8_t>& bytes) {
    return {bytes.begin(), bytes.end()};
}

// An 11M file: the header for `header`, then `length` data bytes of `value`.
inline std::string m11_file(bk::m11::Header header, std::size_t length, std::uint8_t value) {
    return as_text(bk::m11::file_bytes(header, std::vector<std::uint8_t>(length, value)));
}

}  // namespace v11_testing
