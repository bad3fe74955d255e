#include "viewer/bin_screen.h"

#include <algorithm>

#include "formats/bin_file.h"
#include "platform/whole_input.h"
#include "viewer/file_kind.h"
#include "viewer/tape_screen.h"

namespace viewer {

namespace bin = bk::bin;

bool is_bin_name(const std::string& path) {
    return has_extension(path, bin::extension);
}

BinScreen accept_bin_screen(std::span<const std::uint8_t> file, WindowMode mode,
                            std::uint64_t length) {
    bin::Reading reading = bin::read(file);
    if (length > file.size() && (reading.status == bin::ReadStatus::ok ||
                                 reading.status == bin::ReadStatus::trailing_bytes)) {
        reading.status = bin::ReadStatus::trailing_bytes;
        reading.data_size = length - bin::header_size;
    }
    if (reading.status != bin::ReadStatus::ok)
        return {{}, "Not a BK screen file: " + bin::describe(reading) + "."};
    if (mode == WindowMode::color64x64)
        return {{}, "A BIN file holds a whole screen: open it in color256x256 or mono512x256."};
    return {reading.data, {}};
}

namespace {

BkFileRead read_bin_screen(const std::string& path, WindowMode mode, FileBuffer& buffer) {
    BkFileRead result;
    const auto file = platform::read_whole_input(path, bin::screen_file_size);
    if (file.failure) {
        result.failure = file.failure;
        return result;
    }
    // A longer file by its length on disk; one of unknown length (a pipe)
    // by at least one byte more than was read.
    const std::uint64_t length = file.size.value_or(file.bytes.size() + 1);
    const auto* first = reinterpret_cast<const std::uint8_t*>(file.bytes.data());
    return take_bin_screen({first, file.bytes.size()}, mode, length, buffer);
}

}  // namespace

BkFileRead take_bin_screen(std::span<const std::uint8_t> file, WindowMode mode,
                           std::uint64_t length, FileBuffer& buffer) {
    const BinScreen accepted = accept_bin_screen(file, mode, length);
    if (!accepted.refusal.empty()) return refused(accepted.refusal);
    BkFileRead result;
    std::copy(accepted.screen.begin(), accepted.screen.end(), buffer.begin());
    result.outcome = BkFileRead::Outcome::read;
    result.bytes_read = accepted.screen.size();
    return result;
}

std::optional<platform::FailureMessage> open_failure(const BkFileRead& read) {
    switch (read.outcome) {
        case BkFileRead::Outcome::read:
            break;
        case BkFileRead::Outcome::failed:
            return platform::failure_message(read.failure, "ORVAK: Open");
        case BkFileRead::Outcome::too_large:
            return platform::FailureMessage{"File too large!", "ORVAK"};
        case BkFileRead::Outcome::refused:
            return platform::FailureMessage{read.refusal, "ORVAK: Open"};
    }
    return std::nullopt;
}

BkFileRead read_for_open(const std::string& path, WindowMode mode, FileBuffer& buffer) {
    if (is_bin_name(path)) return read_bin_screen(path, mode, buffer);
    if (is_tape_name(path)) return read_tape_screen(path, mode, buffer);
    return read_bk_file(path, size_limit(mode), buffer);
}

}  // namespace viewer
