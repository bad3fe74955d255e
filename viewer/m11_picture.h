#pragma once
// The 11M viewer window's picture, without widgets: the buffer that Open
// fills, which files Open accepts, and the sizes that a file's header gives
// the picture window and the window.
//
// The buffer holds 49145 bytes, all 0 when the window is created. An
// accepted file's picture data goes into it from index 0 on; the drawing
// walks it from index 0, line width bytes a line, line count lines.
// NOTE: the buffer is never cleared. A file shorter than its header declares
// leaves the bytes past its end as they were (zeros at first, else what an
// earlier file left there), and the drawing shows those bytes too.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "formats/m11_file.h"
#include "platform/failure.h"
#include "platform/failure_message.h"

namespace viewer::m11 {

using Buffer = std::array<std::uint8_t, bk::m11::buffer_size>;

struct FileRead {
    std::optional<platform::Failure> failure;  // the file could not be opened or read
    bk::m11::ReadStatus status = bk::m11::ReadStatus::not_11m;  // without a failure
    bk::m11::Header header;                                     // when accepted
    std::size_t data_read = 0;  // when accepted: picture data bytes put into the buffer

    bool accepted() const { return !failure && status == bk::m11::ReadStatus::ok; }
};

// Reads an 11M file and, when it passes the reader's checks (signature,
// length, header numbers, in this order), copies its picture data into the
// buffer from index 0. A refused file, or one that cannot be opened or read,
// leaves the buffer as it was.
FileRead read_file(const std::string& path, Buffer& buffer);

// What Open shows for a file it refuses, titled "ORVAK":
//   not_11m     "File " + path + " is not file 11M!"
//   too_large   "File " + path + " too large!"
//   bad_header  "File " + path + " has a bad header!"
// and an empty text for an accepted file.
std::string refusal_message(bk::m11::ReadStatus status, const std::string& path);

// What Open shows for a file it did not take: why it could not be read,
// titled "ORVAK: Open", or its refusal message. Nothing for an accepted file.
std::optional<platform::FailureMessage> open_failure(const FileRead& read, const std::string& path);

struct PixelSize {
    int width = 0;
    int height = 0;
    bool operator==(const PixelSize&) const = default;
};

// The window as laid out: a 288 x 286 client area holding a 256 x 256
// picture window. Until the first file the header numbers are those of that
// picture window in four colours: 64 bytes a line, 256 lines.
inline constexpr PixelSize design_client{288, 286};
inline constexpr PixelSize design_picture{256, 256};
inline constexpr bk::m11::Header design_header{64, 256};

// The picture window for a header: line width * 8 pixels wide with Mono
// checked, line width * 4 otherwise, line count pixels high.
PixelSize picture_size(bk::m11::Header header, bool mono);

// The client area around a picture window of that size: the design size,
// grown or shrunk by what the picture window differs from its design size.
PixelSize client_size(PixelSize picture);

}  // namespace viewer::m11
