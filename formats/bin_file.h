#pragma once
// BK binary files (.bin), as BK emulators and the BK's monitor load them:
// the bytes go to memory from a load address on.
//
//   offset  size    field
//   0       2       load address, unsigned, little-endian
//   2       2       length in bytes, unsigned, little-endian
//   4       length  the bytes, in memory order
//
// A screen file loads into screen memory, 040000 octal (0x4000), with the
// 16384 bytes of a .pic screen (bk_screen.h) as they stand, so its header is
// 00 40 00 40 and the whole file is 16388 bytes. Nothing in it tells a
// monochrome screen from a four-colour one; the reader decides by its mode.
//
// read() accepts screen files only: the screen's address and length, and
// exactly that many bytes after the header. read_any() accepts any address
// and length with exactly that many bytes after the header.
// NOTE: bytes past the declared length are refused, not ignored. The monitor
// would not load them, and a file that says 16384 bytes but holds more is
// not one this program wrote; showing its first part would hide that.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace bk::bin {

inline constexpr int header_size = 4;
inline constexpr int screen_address = 040000;  // 0x4000
inline constexpr int screen_length = 16384;
inline constexpr int screen_file_size = header_size + screen_length;
inline constexpr std::string_view extension = ".bin";

struct Header {
    int address = 0;  // 0..65535
    int length = 0;   // 0..65535
    bool operator==(const Header&) const = default;
};

inline constexpr Header screen_header{screen_address, screen_length};

// The 4 header bytes, each number low byte first.
std::array<std::uint8_t, header_size> header_bytes(Header header);

// Header and data as one file image.
std::vector<std::uint8_t> file_bytes(Header header, std::span<const std::uint8_t> data);

enum class ReadStatus {
    ok,
    no_header,       // fewer than 4 bytes
    wrong_address,   // not the screen's address
    wrong_length,    // not the screen's length
    missing_bytes,   // fewer bytes after the header than it declares
    trailing_bytes,  // more bytes after the header than it declares
};

struct Reading {
    ReadStatus status = ReadStatus::no_header;
    Header header;                       // as read, once there are 4 bytes
    std::size_t data_size = 0;           // bytes after the header
    std::span<const std::uint8_t> data;  // the screen's bytes when ok
};

// Checks a whole file image in order: header present, address, length,
// then the number of bytes after the header. `data` points into `file`.
Reading read(std::span<const std::uint8_t> file);

// The same without the address and length checks.
Reading read_any(std::span<const std::uint8_t> file);

// "040000 (0x4000)": an address in the BK's octal, then in hex.
std::string address_text(int address);

// A short English phrase for a reading, with the numbers it found:
// addresses in octal as the BK writes them, and in hex.
std::string describe(const Reading& reading);

}  // namespace bk::bin
