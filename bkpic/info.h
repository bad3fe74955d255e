#pragma once
// What a BK file can be, told from its bytes alone: an 11M file by its
// header, otherwise a PIC screen or BBD sprite by its size.
#include <cstdint>
#include <span>
#include <string>

namespace bkpic {

// The bytes read of a BK file, by info and render alike: one past the
// largest 11M file, enough to tell every file that is too large.
inline constexpr std::size_t bk_file_read_limit = 49153;

// `bytes` are the file's first bytes (at most bk_file_read_limit); `size` its
// whole length, or with `longer` the length read of a file that goes on
// beyond it. One line, without the file name.
std::string describe_bk_file(std::uint64_t size, std::span<const std::uint8_t> bytes,
                             bool longer = false);

// The same for a .bin file, told by its header: load address and length,
// and whether the viewer takes it as a screen.
std::string describe_bin_file(std::uint64_t size, std::span<const std::uint8_t> bytes,
                              bool longer = false);

}  // namespace bkpic
