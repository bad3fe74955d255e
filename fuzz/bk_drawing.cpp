// Reading BK files (.pic, .bbd) into the viewer's file buffer and drawing
// the buffer into a memory surface, as Open, Redraw and a change of mode do.
// The first byte picks the window mode, the mode the file is opened in and
// whether it is drawn after a change of mode; the rest is the file. The one
// buffer lives across inputs, as the window's does.
#include <algorithm>

#include "fuzz/fuzz_support.h"
#include "platform/memory_surface.h"
#include "viewer/bk_file.h"
#include "viewer/drawing.h"
#include "viewer/window_mode.h"

namespace {

constexpr viewer::WindowMode modes[] = {viewer::WindowMode::color64x64,
                                        viewer::WindowMode::color256x256,
                                        viewer::WindowMode::mono512x256};

bool is_map_colour(std::int32_t pixel, const viewer::ColourMaps& maps) {
    return std::count(maps.colour.begin(), maps.colour.end(), pixel) +
               std::count(maps.mono.begin(), maps.mono.end(), pixel) >
           0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    static viewer::FileBuffer buffer{};
    const viewer::WindowMode open_mode = modes[data[0] % 3];
    const viewer::WindowMode draw_mode = modes[(data[0] / 3) % 3];
    const bool after_change = (data[0] & 0x80) != 0;

    const std::string path = fuzz::scratch_folder() + "/picture.pic";
    fuzz::write_bytes(path, {data + 1, size - 1});
    const viewer::BkFileRead read =
        viewer::read_bk_file(path, viewer::size_limit(open_mode), buffer);
    const bool fits = size - 1 <= viewer::size_limit(open_mode);
    fuzz::check(fits == (read.outcome == viewer::BkFileRead::Outcome::read), "size limit");
    if (read.outcome != viewer::BkFileRead::Outcome::read) return 0;
    fuzz::check(std::equal(data + 1, data + size, buffer.begin()), "buffer differs from the file");

    const bk::ScreenLayout& layout = viewer::picture_layout(draw_mode);
    platform::MemorySurface surface(layout.width, layout.height, -2);
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
