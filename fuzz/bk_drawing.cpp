// Opening BK files (.pic, .bbd and .bin screens) into the viewer's file
// buffer and drawing the buffer, as Open, Redraw and a change of mode do,
// into the top of the picture window (fuzz::bounded_window). The first byte
// picks the window mode, the mode the file is opened in, whether it is
// named as a .bin file and whether it is drawn after a change of mode; the
// rest is the file. The one buffer lives across inputs, as the window's
// does.
#include <algorithm>

#include "formats/bin_file.h"
#include "fuzz/fuzz_support.h"
#include "platform/memory_surface.h"
#include "viewer/bin_screen.h"
#include "viewer/drawing.h"
#include "viewer/window_mode.h"

namespace {

using Bytes = std::span<const std::uint8_t>;
using viewer::BkFileRead;

constexpr viewer::WindowMode modes[] = {viewer::WindowMode::color64x64,
                                        viewer::WindowMode::color256x256,
                                        viewer::WindowMode::mono512x256};

bool is_map_colour(std::int32_t pixel, const viewer::ColourMaps& maps) {
    return std::count(maps.colour.begin(), maps.colour.end(), pixel) +
               std::count(maps.mono.begin(), maps.mono.end(), pixel) >
           0;
}

bool buffer_starts_with(const viewer::FileBuffer& buffer, Bytes bytes) {
    return std::equal(bytes.begin(), bytes.end(), buffer.begin());
}

// A .pic or .bbd file reads when it fits the mode, into the buffer as it is.
void check_pic_read(const BkFileRead& read, Bytes file, viewer::WindowMode mode,
                    const viewer::FileBuffer& buffer) {
    const bool fits = file.size() <= viewer::size_limit(mode);
    fuzz::check(fits == (read.outcome == BkFileRead::Outcome::read), "size limit");
    if (fits) fuzz::check(buffer_starts_with(buffer, file), "buffer differs from the file");
}

// A .bin file is refused with a reason, or gives a whole screen: the bytes
// after its header.
void check_bin_read(const BkFileRead& read, Bytes file, const viewer::FileBuffer& buffer) {
    if (read.outcome == BkFileRead::Outcome::refused) {
        fuzz::check(!read.refusal.empty(), "refused without a reason");
        return;
    }
    fuzz::check(read.outcome == BkFileRead::Outcome::read, "a .bin file neither read nor refused");
    fuzz::check(read.bytes_read == viewer::screen_bytes, "a .bin screen not whole");
    fuzz::check(buffer_starts_with(buffer, file.subspan(bk::bin::header_size)),
                "buffer differs from the screen");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    static viewer::FileBuffer buffer{};
    const viewer::WindowMode open_mode = modes[data[0] % 3];
    const viewer::WindowMode draw_mode = modes[(data[0] / 3) % 3];
    const bool as_bin = (data[0] & 0x40) != 0;
    const bool after_change = (data[0] & 0x80) != 0;

    const Bytes file(data + 1, size - 1);
    const std::string path = fuzz::scratch_folder() + (as_bin ? "/screen.bin" : "/picture.pic");
    fuzz::write_bytes(path, file);
    const BkFileRead read = viewer::read_for_open(path, open_mode, buffer);
    if (as_bin)
        check_bin_read(read, file, buffer);
    else
        check_pic_read(read, file, open_mode, buffer);
    if (read.outcome != BkFileRead::Outcome::read) return 0;

    const bk::ScreenLayout& layout = viewer::picture_layout(draw_mode);
    const fuzz::Area window = fuzz::bounded_window({layout.width, layout.height});
    platform::MemorySurface surface(window.width, window.height, -2);
    viewer::ColourMaps maps;
    maps.colour = {1, 2, 3, 4};
    maps.mono = {5, 6};
    viewer::BkPainter painter(surface, maps);
    const viewer::Decoder decoder =
        after_change ? viewer::decoder_after_mode_change(draw_mode, read.short_file())
                     : viewer::decoder_for(draw_mode);
    viewer::draw(decoder, painter, buffer);
    // The buffer always holds a whole screen, so every decoder paints the
    // top-left pixel.
    fuzz::check(is_map_colour(surface.pixel(0, 0), maps), "a colour outside the maps");
    return 0;
}
