#include "platform/large_image.h"

#include <sys/mman.h>

#include <QImageReader>
#include <cstdint>
#include <system_error>
#include <thread>

namespace platform {
namespace {

constexpr std::size_t large_page = std::size_t(2) << 20;

struct Mapping {
    void* start;
    std::size_t length;
    std::thread mapper;
};

void unmap(void* info) {
    auto* mapping = static_cast<Mapping*>(info);
    if (mapping->mapper.joinable()) mapping->mapper.join();
    munmap(mapping->start, mapping->length);
    delete mapping;
}

// Maps the pixels' memory from the last large page back: a decoder fills it
// from the first, so that each maps about half, on its own processor.
void map_from_the_end(uchar* pixels, std::size_t bytes) {
    for (std::size_t end = bytes; end > 0;) {
        const std::size_t start = end > large_page ? end - large_page : 0;
        madvise(pixels + start, end - start, MADV_POPULATE_WRITE);
        end = start;
    }
}

bool has_colour_table(QImage::Format format) {
    return format == QImage::Format_Indexed8 || format == QImage::Format_Mono ||
           format == QImage::Format_MonoLSB;
}

// The decoders refuse pictures larger than their allocation limit when they
// make the image themselves; one made for them must not get round it.
bool over_allocation_limit(std::size_t bytes) {
    const int megabytes = QImageReader::allocationLimit();
    return megabytes > 0 && bytes > (std::size_t(megabytes) << 20);
}

}  // namespace

QImage blank_large_image(QSize size, QImage::Format format) {
    if (size.isEmpty() || format == QImage::Format_Invalid) return {};
    const int depth = QImage::toPixelFormat(format).bitsPerPixel();
    const qsizetype line = ((qsizetype(size.width()) * depth + 31) / 32) * 4;
    const std::size_t bytes = std::size_t(line) * std::size_t(size.height());
    if (over_allocation_limit(bytes)) return {};  // for the decoder to refuse, as it would
    if (bytes < large_page || has_colour_table(format)) return QImage(size, format);
    // Mapped a page longer, so that the pixels can start on a large page.
    const std::size_t length = bytes + large_page;
    void* start = mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (start == MAP_FAILED) return QImage(size, format);
    const auto aligned =
        (reinterpret_cast<std::uintptr_t>(start) + large_page - 1) & ~(large_page - 1);
    auto* pixels = reinterpret_cast<uchar*>(aligned);
    madvise(pixels, bytes, MADV_HUGEPAGE);
    auto* mapping = new Mapping{start, length, {}};
    try {
        mapping->mapper = std::thread(map_from_the_end, pixels, bytes);
    } catch (const std::system_error&) {
        // No thread to spare: the decoder maps the memory as it fills it.
    }
    return QImage(pixels, size.width(), size.height(), line, format, unmap, mapping);
}

}  // namespace platform
