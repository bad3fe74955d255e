#pragma once
// Decoding JPG, GIF and BMP pictures at their natural size.
#include <QImage>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/failure.h"

namespace platform {

struct DecodedPicture {
    QImage image;
    std::optional<Failure> failure;  // set when there is no image
};

// The longest picture file read; a longer one is refused as too large.
inline constexpr std::size_t picture_file_limit = std::size_t(256) << 20;

// Reads the file once, whole (read_whole_input), and decodes it from memory.
// A file that cannot be opened or read gives the platform's failure; one that
// is empty, not a picture, cut short, or too large to hold gives a failure,
// never a partial picture.
DecodedPicture decode_picture(const std::string& path);

// Decodes a picture held whole in memory. The format is told by the content,
// and by the extension of `name` (which may be empty) only when the content
// does not tell it.
DecodedPicture decode_picture_bytes(std::string_view bytes, const QString& name);

}  // namespace platform
