#pragma once
// Scaling a picture by area averaging: each target pixel is the mean, in
// linear light, of the source area it covers (partly covered source pixels
// by their share). Fine detail turns into its mean brightness instead of
// aliasing, as a ditherer needs.
#include <QImage>

namespace platform {

// `picture` opaque (RGB32); the result is RGB32 of `size`, empty when
// either is empty or there is no memory for it. Large pictures are scaled
// on two threads (in_two_halves); an exception on either reaches the caller.
QImage scale_by_area(const QImage& picture, QSize size);
// Only the `part` of that result (within the rectangle of `size`), as an
// image of the part's size: what the rest would show is never computed.
QImage scale_by_area(const QImage& picture, QSize size, QRect part);

}  // namespace platform
