#pragma once
// 11M files for the 11M viewer's tests.
#include <cstdint>
#include <string>
#include <vector>

#include "formats/m11_file.h"

namespace v11_testing {

// The file's bytes as text, for write_text.
inline std::string as_text(const std::vector<std::uint8_t>& bytes) {
    return {bytes.begin(), bytes.end()};
}

// An 11M file: the header for `header`, then `length` data bytes of `value`.
inline std::string m11_file(bk::m11::Header header, std::size_t length, std::uint8_t value) {
    const std::vector<std::uint8_t> data(length, value);
    return as_text(bk::m11::file_bytes(header, data));
}

// An 11M file whose data is exactly what its header declares, each byte a
// different function of its index.
inline std::string counting_m11_file(bk::m11::Header header) {
    std::vector<std::uint8_t> data(std::size_t(header.data_size()));
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = std::uint8_t(i * 7 + i / 64);
    return as_text(bk::m11::file_bytes(header, data));
}

}  // namespace v11_testing
