#pragma once
// Images whose pixels live in memory asked of the system in large pages: a
// large picture's memory is then mapped in a few steps instead of one for
// every 4 KiB, which on some machines costs more than decoding it.
#include <QImage>

namespace platform {

// An image of that size and format to decode into, its pixels in an
// anonymous mapping that starts on a 2 MiB boundary and is marked for large
// pages (MADV_HUGEPAGE); the mapping goes with the image's last copy. The
// decoder maps the memory as it fills it. Images under 2 MiB, formats with a
// colour table and a refused mapping give an ordinary image. A null size,
// and a picture over the decoders' allocation limit
// (QImageReader::allocationLimit), give a null image: the decoder then makes
// its own, or refuses the picture as it would.
QImage blank_large_image(QSize size, QImage::Format format);

}  // namespace platform
