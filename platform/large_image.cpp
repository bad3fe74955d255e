#include "platform/large_image.h"

#include <sys/mman.h>

#include <QImageReader>
#include <cstdint>
#include <memory>

namespace platform {
namespace {

constexpr std::size_t large_page = std::size_t(2) << 20;

// Anonymous memory mapped for one image, given back when it goes.
class Mapping {
  public:
    explicit Mapping(std::size_t length)
        : length_(length),
          start_(
              mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0)) {}
    Mapping(const Mapping&) = delete;
    Mapping& operator=(const Mapping&) = delete;
    ~Mapping() {
        if (mapped()) munmap(start_, length_);
    }
    bool mapped() const { return start_ != MAP_FAILED; }
    // The first large-page boundary inside the mapping.
    uchar* aligned() const {
        const auto at =
            (reinterpret_cast<std::uintptr_t>(start_) + large_page - 1) & ~(large_page - 1);
        return reinterpret_cast<uchar*>(at);
    }

  private:
    std::size_t length_;
    void* start_;
};

void release(void* mapping) {
    delete static_cast<Mapping*>(mapping);
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
    auto mapping = std::make_unique<Mapping>(bytes + large_page);
    if (!mapping->mapped()) return QImage(size, format);
    uchar* const pixels = mapping->aligned();
    // Only advice: where the system keeps no large pages, small ones serve.
    madvise(pixels, bytes, MADV_HUGEPAGE);
    QImage image(pixels, size.width(), size.height(), line, format, release, mapping.get());
    // A null image never calls `release`; the mapping then goes here.
    if (!image.isNull()) mapping.release();
    return image;
}

}  // namespace platform
