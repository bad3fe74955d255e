#pragma once
// Decoding JPG, GIF and BMP pictures at their natural size.
#include <QImage>
#include <optional>
#include <string>

#include "platform/failure.h"

namespace platform {

struct DecodedPicture {
    QImage image;
    std::optional<Failure> failure;  // set when there is no image
};

// Decodes the whole picture, or fails: a file that is missing, empty, not a
// picture, cut short, or too large to hold gives a failure, never a partial
// picture. The path is the file name's bytes.
DecodedPicture decode_picture(const std::string& path);

}  // namespace platform
