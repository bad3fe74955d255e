#pragma once
// What a BK file can be, told from its bytes alone: an 11M file by its
// header, otherwise a PIC screen or BBD sprite by its size.
#include <cstdint>
#include <span>
#include <string>

namespace bkpic {

// The bytes read for a description: enough to tell "too large" from an
// 11M file that the reader accepts.
inline constexpr std::size_t info_read_limit = 49153;

// `size` is the file's whole length; `bytes` its first bytes (at most
// info_read_limit). One line, without the file name.
std::string describe_bk_file(std::uint64_t size, std::span<const std::uint8_t> bytes);

// The same for a .bin file, told by its header: load address and length,
// and whether the viewer takes it as a screen.
std::string describe_bin_file(std::uint64_t size, std::span<const std::uint8_t> bytes);

}  // namespace bkpic
