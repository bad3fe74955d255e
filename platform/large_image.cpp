#include "platform/large_image.h"

#include <sys/mman.h>

#include <cstdint>

namespace platform {
namespace {

constexpr std::size_t large_page = std::size_t(2) << 20;

struct Mapping {
    void* start;
    std::size_t length;
};

void unmap(void* info) {
    auto* mapping = static_cast<Mapping*>(info);
    munmap(mapping->start, mapping->length);
    delete mapping;
}

bool has_colour_table(QImage::Format format) {
    return format == QImage::Format_Indexed8 || format == QImage::Format_Mono ||
           format == QImage::Format_MonoLSB;
}

}  // namespace

QImage blank_large_image(QSize size, QImage::Format format) {
    if (size.isEmpty() || format == QImage::Format_Invalid) return {};
    const int depth = QImage::toPixelFormat(format).bitsPerPixel();
    const qsizetype line = ((qsizetype(size.width()) * depth + 31) / 32) * 4;
    const std::size_t bytes = std::size_t(line) * std::size_t(size.height());
    if (bytes < large_page || has_colour_table(format)) return QImage(size, format);
    // Mapped a page longer, so that the pixels can start on a large page.
    const std::size_t length = bytes + large_page;
    void* start = mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (start == MAP_FAILED) return QImage(size, format);
    const auto aligned =
        (reinterpret_cast<std::uintptr_t>(start) + large_page - 1) & ~(large_page - 1);
    auto* pixels = reinterpret_cast<uchar*>(aligned);
    madvise(pixels, bytes, MADV_HUGEPAGE);
    return QImage(pixels, size.width(), size.height(), line, format, unmap,
                  new Mapping{start, length});
}

}  // namespace platform
