#include "viewer/m11_picture.h"

#include <algorithm>
#include <span>

#include "platform/whole_input.h"

namespace viewer::m11 {

FileRead read_file(const std::string& path, Buffer& buffer) {
    FileRead result;
    const auto file = platform::read_whole_input(path, std::size_t(bk::m11::file_limit));
    if (file.failure) {
        result.failure = file.failure;
        return result;
    }
    const std::span<const std::uint8_t> bytes(
        reinterpret_cast<const std::uint8_t*>(file.bytes.data()), file.bytes.size());
    const bk::m11::Reading reading = bk::m11::read(bytes);
    result.status = reading.status;
    // A file that goes on past the limit, signature checked first.
    if (!file.ended && reading.status != bk::m11::ReadStatus::not_11m)
        result.status = bk::m11::ReadStatus::too_large;
    if (result.status != bk::m11::ReadStatus::ok) return result;
    result.header = reading.header;
    result.data_read = reading.data.size();
    std::copy(reading.data.begin(), reading.data.end(), buffer.begin());
    return result;
}

std::string refusal_message(bk::m11::ReadStatus status, const std::string& path) {
    switch (status) {
        case bk::m11::ReadStatus::ok:
            break;
        case bk::m11::ReadStatus::not_11m:
            return "File " + path + " is not file 11M!";
        case bk::m11::ReadStatus::too_large:
            return "File " + path + " too large!";
        case bk::m11::ReadStatus::bad_header:
            return "File " + path + " has a bad header!";
    }
    return {};
}

std::optional<platform::FailureMessage> open_failure(const FileRead& read,
                                                     const std::string& path) {
    if (read.failure) return platform::failure_message(read.failure, "ORVAK: Open");
    if (read.accepted()) return std::nullopt;
    return platform::FailureMessage{refusal_message(read.status, path), "ORVAK"};
}

PixelSize picture_size(bk::m11::Header header, bool mono) {
    return {header.line_width * (mono ? 8 : 4), header.line_count};
}

PixelSize client_size(PixelSize picture) {
    return {design_client.width + picture.width - design_picture.width,
            design_client.height + picture.height - design_picture.height};
}

}  // namespace viewer::m11
