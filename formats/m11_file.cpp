#include "formats/m11_file.h"

#include <algorithm>

namespace bk::m11 {

namespace {

void put_int16(std::uint8_t* out, int value) {
    const auto bits = static_cast<std::uint16_t>(static_cast<std::int16_t>(value));
    out[0] = static_cast<std::uint8_t>(bits & 0xFF);
    out[1] = static_cast<std::uint8_t>(bits >> 8);
}

int get_int16(const std::uint8_t* in) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(in[0] | (in[1] << 8)));
}

}  // namespace

std::array<std::uint8_t, header_size> header_bytes(Header header) {
    std::array<std::uint8_t, header_size> bytes{};
    std::copy(signature.begin(), signature.end(), bytes.begin());
    put_int16(&bytes[4], header.line_width);
    put_int16(&bytes[6], header.line_count);
    return bytes;
}

std::vector<std::uint8_t> file_bytes(Header header, std::span<const std::uint8_t> data) {
    const auto head = header_bytes(header);
    std::vector<std::uint8_t> file(head.size() + data.size());
    std::copy(head.begin(), head.end(), file.begin());
    std::copy(data.begin(), data.end(), file.begin() + head.size());
    return file;
}

int line_width_for(int area_width, int pixels_per_byte) {
    return static_cast<int>(divide_half_even(area_width, pixels_per_byte));
}

bool header_fits(Header header) {
    return header.line_width > 0 && header.line_count > 0 && header.line_width <= max_line_width &&
           header.data_size() <= buffer_size;
}

Reading read(std::span<const std::uint8_t> file) {
    Reading reading;
    if (file.size() < signature.size() ||
        !std::equal(signature.begin(), signature.end(), file.begin()))
        return reading;
    if (file.size() > std::size_t(file_limit)) {
        reading.status = ReadStatus::too_large;
        return reading;
    }
    reading.status = ReadStatus::bad_header;
    if (file.size() < std::size_t(header_size)) return reading;
    reading.header = {get_int16(&file[4]), get_int16(&file[6])};
    if (!header_fits(reading.header)) return reading;
    reading.status = ReadStatus::ok;
    const std::size_t data_size = std::min(file.size() - header_size, std::size_t(buffer_size));
    reading.data = file.subspan(header_size, data_size);
    return reading;
}

std::string_view describe(ReadStatus status) {
    switch (status) {
        case ReadStatus::ok:
            return "an 11M file";
        case ReadStatus::not_11m:
            return "not an 11M file";
        case ReadStatus::too_large:
            return "too large for an 11M file";
        case ReadStatus::bad_header:
            return "bad 11M header";
    }
    return "";
}

}  // namespace bk::m11
