#pragma once
// Reading an input whole, once: whatever its name opens (a file, a pipe, a
// terminal, a device) or standard input, with blocking reads until its end,
// so that a pipe's writer is waited for and never taken for an empty file.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/failure.h"

namespace platform {

struct WholeInput {
    std::string bytes;               // what was read, at most the limit
    bool ended = false;              // the input's end was reached: `bytes` is all of it
    std::optional<Failure> failure;  // the failed open or read; `bytes` then means nothing
    // The input's whole length: that of `bytes` when it ended, else a regular
    // file's length on disk; nothing for an input that goes on unmeasured.
    std::optional<std::uint64_t> size;

    // The failure, or "File too large" (EFBIG) for an input that did not end
    // within the limit; nothing when `bytes` holds the whole input.
    std::optional<Failure> whole_or_failure() const;
};

// Reads up to `limit` bytes and then looks for the end: an input such as
// /dev/zero that goes on past the limit is not read further.
WholeInput read_whole_input(const std::string& path, std::size_t limit);
WholeInput read_whole_descriptor(int fd, std::size_t limit);

}  // namespace platform
