#include "viewer/bk_file.h"

#include <algorithm>

#include "platform/atomic_file.h"

namespace viewer {

BkFileRead read_bk_file(const std::string& path, std::size_t size_limit, FileBuffer& buffer) {
    BkFileRead result;
    const std::size_t limit = std::min(size_limit, screen_bytes);
    // One byte past the limit tells a file that is too long.
    const auto file = platform::read_file(path, limit + 1);
    if (file.failure) {
        result.failure = file.failure;
        return result;
    }
    if (file.bytes.size() > limit) {
        result.outcome = BkFileRead::Outcome::too_large;
        return result;
    }
    std::copy(file.bytes.begin(), file.bytes.end(), buffer.begin());
    result.outcome = BkFileRead::Outcome::read;
    result.bytes_read = file.bytes.size();
    return result;
}

}  // namespace viewer
