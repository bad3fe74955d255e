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
// NOTE: a symbolic link at `path` is itself replaced by the new file; the
// file it points at is never touched.
// NOTE: a folder at `path` gives EISDIR, and a special file (pipe, device,
// socket) EEXIST: neither is opened nor replaced.
std::optional<Failure> write_file_atomically(const std::string& path,
                                             std::span<const std::uint8_t> bytes);
std::optional<Failure> write_file_atomically(const std::string& path, std::string_view text);

// Reads at most `limit` bytes of whatever the name opens, waiting for a
// pipe's writer as for any other input (read_whole_input).
struct ReadResult {
    std::string bytes;
    std::optional<Failure> failure;
};
ReadResult read_file(const std::string& path, std::size_t limit);

}  // namespace platform
