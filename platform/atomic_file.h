#pragma once
// Whole-file writes that either complete or leave the target as it was.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/failure.h"

namespace platform {

// Writes `bytes` to a temporary file in the target's folder and renames it
// over `path` once it is complete and flushed. On failure the temporary file
// is removed and any earlier file at `path` is untouched.
// NOTE: a target that exists but is not a regular file (a device such as
// /dev/full, a pipe) cannot be replaced by a rename; it is written in place.
// A symbolic link is followed, so the file it names is replaced.
std::optional<Failure> write_file_atomically(const std::string& path,
                                             std::span<const std::uint8_t> bytes);
std::optional<Failure> write_file_atomically(const std::string& path, std::string_view text);

// Reads at most `limit` bytes of a file.
struct ReadResult {
    std::string bytes;
    std::optional<Failure> failure;
};
ReadResult read_file(const std::string& path, std::size_t limit);

}  // namespace platform
