#pragma once
// Decoding JPG, GIF and BMP pictures at their natural size.
#include <QImage>
#include <QString>
#include <optional>

#include "platform/failure.h"

namespace platform {

struct DecodedPicture {
    QImage image;
    std::optional<Failure> failure;  // set when there is no image
};

// Decodes the whole picture, or fails: a file that is missing, empty, not a
// picture, cut short, or too large to hold gives a failure, never a partial
// picture.
DecodedPicture decode_picture(const QString& path);

}  // namespace platform
