#include "viewer/bk_file.h"

#include <algorithm>

#include "platform/whole_input.h"

namespace viewer {

BkFileRead refused(std::string why) {
    BkFileRead result;
    result.outcome = BkFileRead::Outcome::refused;
    result.refusal = std::move(why);
    return result;
}

std::optional<BkFileRead> unread(const platform::WholeInput& file) {
    BkFileRead result;
    if (file.failure) {
        result.failure = file.failure;
        return result;
    }
    if (!file.ended) {
        result.outcome = BkFileRead::Outcome::too_large;
        return result;
    }
    return std::nullopt;
}

BkFileRead read_bk_file(const std::string& path, std::size_t size_limit, FileBuffer& buffer) {
    const auto file = platform::read_whole_input(path, std::min(size_limit, screen_bytes));
    if (auto failed = unread(file)) return *failed;
    BkFileRead result;
    std::copy(file.bytes.begin(), file.bytes.end(), buffer.begin());
    result.outcome = BkFileRead::Outcome::read;
    result.bytes_read = file.bytes.size();
    return result;
}

}  // namespace viewer
