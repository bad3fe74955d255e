#pragma once
// Whole-file writes that either complete or leave the target as it was.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/failure.h"

namespace platform {

enum class IfExists {
    replace,  // an earlier file at `path` is replaced, keeping its permissions
    refuse,   // EEXIST, checked in the same step that puts the new file in place
};

// Writes `bytes` to a temporary file in the target's folder and renames it
// over `path` once it is complete and flushed. On failure the temporary file
// is removed and any earlier file at `path` is untouched. A new file gets
// the usual permissions (0666 less the umask), a replaced one keeps its own.
// NOTE: a symbolic link at `path` is itself replaced by the new file; the
// file it points at is never touched.
// NOTE: a folder at `path` gives EISDIR, and a special file (pipe, device,
// socket) EEXIST: neither is opened nor replaced.
std::optional<Failure> write_file_atomically(const std::string& path,
                                             std::span<const std::uint8_t> bytes,
                                             IfExists if_exists = IfExists::replace);
std::optional<Failure> write_file_atomically(const std::string& path, std::string_view text,
                                             IfExists if_exists = IfExists::replace);

}  // namespace platform
