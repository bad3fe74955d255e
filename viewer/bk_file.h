#pragma once
// Reading a BK screen file (.pic or .bbd) into the main window's file
// buffer: 16385 bytes, of which a file fills at most the first 16384.
// NOTE: the buffer is never cleared. A file shorter than a screen leaves the
// bytes past its end as an earlier file left them, and the decoders draw
// those bytes too.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/failure.h"
#include "platform/whole_input.h"

namespace viewer {

inline constexpr std::size_t file_buffer_size = 16385;
inline constexpr std::size_t screen_bytes = 16384;  // one whole BK screen
using FileBuffer = std::array<std::uint8_t, file_buffer_size>;

struct BkFileRead {
    enum class Outcome { read, too_large, refused, failed };
    Outcome outcome = Outcome::failed;
    std::size_t bytes_read = 0;                // when read: the bytes the buffer took
    std::optional<platform::Failure> failure;  // when failed
    std::string refusal;                       // when refused: why, a sentence

    // A file of fewer bytes than a whole screen.
    bool short_file() const { return bytes_read < screen_bytes; }
};

// A file refused for the reason `why`, a sentence.
BkFileRead refused(std::string why);

// What Open makes of an input that failed, or that did not end within its
// limit (too large); nothing when it holds the whole file.
std::optional<BkFileRead> unread(const platform::WholeInput& file);

// Reads a file of at most `size_limit` bytes (itself at most 16384) into the
// buffer from index 0. A file that is longer, or that cannot be opened or
// read, leaves the buffer as it was.
BkFileRead read_bk_file(const std::string& path, std::size_t size_limit, FileBuffer& buffer);

}  // namespace viewer
