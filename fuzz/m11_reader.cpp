// The 11M reader and the 11M viewer's drawing of what it accepts: any bytes
// as a file. An accepted file's header numbers, written back, give the
// file's own header bytes; the picture window that they give, in either
// mode, takes no more bytes than the buffer holds, so that it would be drawn
// to its last pixel; and its picture draws into the top of that window
// (fuzz::bounded_window), to the last pixel drawn.
#include <algorithm>

#include "formats/m11_file.h"
#include "fuzz/fuzz_support.h"
#include "platform/memory_surface.h"
#include "viewer/drawing.h"
#include "viewer/m11_picture.h"

namespace {

void draw(const viewer::m11::Buffer& buffer, bk::m11::Header header, bool mono) {
    const viewer::m11::PixelSize size = viewer::m11::picture_size(header, mono);
    fuzz::check(size.width > 0 && size.height > 0, "picture window of an accepted file is empty");
    const int pixels_per_byte = mono ? 8 : 4;
    fuzz::check(size.width % pixels_per_byte == 0 &&
                    std::size_t(size.width / pixels_per_byte) * size.height <= buffer.size(),
                "picture window needs more bytes than the buffer holds");

    const fuzz::Area window = fuzz::bounded_window({size.width, size.height});
    platform::MemorySurface surface(window.width, window.height, -2);
    const viewer::ColourMaps maps;
    viewer::BkPainter painter(surface, maps);
    if (mono)
        viewer::drawmonopic(painter, buffer);
    else
        viewer::drawcolorpic(painter, buffer);
    fuzz::check(surface.pixel(window.width - 1, window.height - 1) != -2, "last pixel not drawn");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    namespace m11 = bk::m11;
    const std::span<const std::uint8_t> file(data, size);
    const m11::Reading reading = m11::read(file);
    fuzz::check(!m11::describe(reading.status).empty(), "status without a description");
    if (reading.status != m11::ReadStatus::ok) return 0;

    fuzz::check(m11::header_fits(reading.header), "accepted header does not fit");
    fuzz::check(reading.data.size() <= std::size_t(m11::buffer_size), "data beyond the buffer");
    fuzz::check(reading.data.data() == data + m11::header_size, "data not after the header");
    const auto header = m11::header_bytes(reading.header);
    fuzz::check(std::equal(header.begin(), header.end(), data), "header does not round-trip");

    viewer::m11::Buffer buffer{};
    std::copy(reading.data.begin(), reading.data.end(), buffer.begin());
    draw(buffer, reading.header, false);
    draw(buffer, reading.header, true);
    return 0;
}
