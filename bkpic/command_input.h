#pragma once
// How every bkpic command reads its inputs.
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "platform/whole_input.h"

namespace bkpic {

// The whole input of one file name; "-" reads standard input.
platform::WholeInput read_input(const std::string& name, std::size_t limit);

// The bytes read, as bytes.
std::span<const std::uint8_t> bytes_of(const std::string& text);

// How much of a BK file render and info read: a .wav tape whole (up to
// bk::tape::wav_read_limit), anything else up to bk_file_read_limit.
std::size_t read_limit_for(const std::string& path);

// Why the input of `path` cannot be used: its read failed, or, for a .wav
// tape, which is read whole, it goes on past the limit.
std::optional<platform::Failure> input_failure(const platform::WholeInput& read,
                                               const std::string& path);

}  // namespace bkpic
