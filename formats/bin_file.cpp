#include "formats/bin_file.h"

#include <algorithm>
#include <cstdio>

namespace bk::bin {

namespace {

void put_uint16(std::uint8_t* out, int value) {
    out[0] = static_cast<std::uint8_t>(value & 0xFF);
    out[1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

int get_uint16(const std::uint8_t* in) {
    return in[0] | (in[1] << 8);
}

std::string bytes_text(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " byte" : " bytes");
}

std::string declared(const Header& header) {
    return std::to_string(header.length) + " bytes its header declares";
}

// The header and the count of bytes after it; ok unless a check fails.
Reading read_sizes(std::span<const std::uint8_t> file) {
    Reading reading;
    if (file.size() < std::size_t(header_size)) return reading;
    reading.header = {get_uint16(&file[0]), get_uint16(&file[2])};
    reading.data_size = file.size() - header_size;
    reading.status = ReadStatus::ok;
    return reading;
}

void check_data_size(Reading& reading, std::span<const std::uint8_t> file) {
    const auto declared_size = std::size_t(reading.header.length);
    if (reading.data_size < declared_size)
        reading.status = ReadStatus::missing_bytes;
    else if (reading.data_size > declared_size)
        reading.status = ReadStatus::trailing_bytes;
    else
        reading.data = file.subspan(header_size);
}

}  // namespace

std::string address_text(int address) {
    char text[24];
    std::snprintf(text, sizeof text, "%06o (0x%04X)", unsigned(address), unsigned(address));
    return text;
}

std::array<std::uint8_t, header_size> header_bytes(Header header) {
    std::array<std::uint8_t, header_size> bytes{};
    put_uint16(&bytes[0], header.address);
    put_uint16(&bytes[2], header.length);
    return bytes;
}

std::vector<std::uint8_t> file_bytes(Header header, std::span<const std::uint8_t> data) {
    const auto head = header_bytes(header);
    std::vector<std::uint8_t> file(head.size() + data.size());
    std::copy(data.begin(), data.end(), std::copy(head.begin(), head.end(), file.begin()));
    return file;
}

Reading read(std::span<const std::uint8_t> file) {
    Reading reading = read_sizes(file);
    if (reading.status != ReadStatus::ok) return reading;
    if (reading.header.address != screen_address)
        reading.status = ReadStatus::wrong_address;
    else if (reading.header.length != screen_length)
        reading.status = ReadStatus::wrong_length;
    else
        check_data_size(reading, file);
    return reading;
}

Reading read_any(std::span<const std::uint8_t> file) {
    Reading reading = read_sizes(file);
    if (reading.status == ReadStatus::ok) check_data_size(reading, file);
    return reading;
}

std::string describe(const Reading& reading) {
    const Header& h = reading.header;
    switch (reading.status) {
        case ReadStatus::ok:
            return "BK screen, load address " + address_text(h.address) + ", " +
                   std::to_string(h.length) + " bytes";
        case ReadStatus::no_header:
            return "shorter than the 4-byte BIN header";
        case ReadStatus::wrong_address:
            return "load address " + address_text(h.address) + ", not the screen's " +
                   address_text(screen_address);
        case ReadStatus::wrong_length:
            return "length " + std::to_string(h.length) + " bytes, not a whole screen's " +
                   std::to_string(screen_length);
        case ReadStatus::missing_bytes:
            return "only " + std::to_string(reading.data_size) + " of the " + declared(h);
        case ReadStatus::trailing_bytes:
            return bytes_text(reading.data_size - std::size_t(h.length)) + " more than the " +
                   declared(h);
    }
    return "";
}

}  // namespace bk::bin
