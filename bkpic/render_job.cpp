#include "bkpic/render_job.h"

#include "bkpic/output_name.h"
#include "formats/bin_file.h"
#include "formats/m11_file.h"
#include "platform/picture_canvas.h"
#include "platform/qt_text.h"
#include "viewer/bin_screen.h"
#include "viewer/bk_file.h"
#include "viewer/drawing.h"
#include "viewer/m11_picture.h"
#include "viewer/tape_screen.h"

namespace bkpic {
namespace {

namespace m11 = bk::m11;
using viewer::WindowMode;

Rendered render_screen(std::span<const std::uint8_t> file, WindowMode mode,
                       const viewer::ColourMaps& maps) {
    if (file.size() > viewer::size_limit(mode))
        return {{},
                "too large for this mode: at most " + std::to_string(viewer::size_limit(mode)) +
                    " bytes"};
    viewer::FileBuffer buffer{};  // a fresh window's buffer
    std::copy(file.begin(), file.end(), buffer.begin());
    const bk::ScreenLayout& layout = viewer::picture_layout(mode);
    platform::PictureCanvas canvas(layout.width, layout.height);
    viewer::BkPainter painter(canvas, maps);
    viewer::draw(viewer::decoder_for(mode), painter, buffer);
    const bool mono = mode == WindowMode::mono512x256;
    return {canvas.image(), {}, mono ? converter::mono_pixel : converter::colour_pixel};
}

// A .bin screen is drawn as a .pic of its 16384 bytes, or refused as the
// viewer refuses it.
Rendered render_bin(std::span<const std::uint8_t> file, std::uint64_t length, WindowMode mode,
                    const viewer::ColourMaps& maps) {
    const viewer::BinScreen bin = viewer::accept_bin_screen(file, mode, length);
    if (!bin.refusal.empty()) return {{}, bin.refusal};
    return render_screen(bin.screen, mode, maps);
}

Rendered render_tape(std::span<const std::uint8_t> file, WindowMode mode,
                     const RenderSettings& settings) {
    const viewer::TapeBin taken = viewer::bin_on_tape(file, settings.tape_file);
    if (!taken.error.empty()) return {{}, taken.error};
    return render_bin(taken.bin, 0, mode, settings.maps);
}

Rendered render_11m(std::span<const std::uint8_t> file, bool mono, const viewer::ColourMaps& maps) {
    const m11::Reading reading = m11::read(file);
    if (reading.status != m11::ReadStatus::ok)
        return {{}, std::string(m11::describe(reading.status))};
    viewer::m11::Buffer buffer{};  // a fresh window's buffer
    std::copy(reading.data.begin(), reading.data.end(), buffer.begin());
    const viewer::m11::PixelSize size = viewer::m11::picture_size(reading.header, mono);
    platform::PictureCanvas canvas(size.width, size.height);
    viewer::BkPainter painter(canvas, maps);
    // The 11M window draws its buffer as the main window draws a screen.
    if (mono)
        viewer::drawmonopic(painter, buffer);
    else
        viewer::drawcolorpic(painter, buffer);
    return {canvas.image(), {}, mono ? converter::mono_pixel : converter::colour_pixel};
}

// Each pixel of `picture` as a block of `pixel` pixels.
QImage in_true_shape(const QImage& picture, converter::PixelShape pixel) {
    const converter::Extent size =
        converter::true_shape_size({picture.width(), picture.height()}, pixel);
    QImage shaped(size.width, size.height, QImage::Format_RGB32);
    if (shaped.isNull()) return shaped;
    for (int y = 0; y < size.height; ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(picture.constScanLine(y / pixel.height));
        auto* to = reinterpret_cast<QRgb*>(shaped.scanLine(y));
        for (int x = 0; x < size.width; ++x) to[x] = from[x / pixel.width];
    }
    return shaped;
}

Rendered render_as_viewer(std::span<const std::uint8_t> file, const std::string& name,
                          const RenderSettings& settings, std::uint64_t length) {
    if (viewer::is_tape_name(name))
        return render_tape(file, settings.as.value_or(WindowMode::color256x256), settings);
    if (viewer::is_bin_name(name))
        return render_bin(file, length, settings.as.value_or(WindowMode::color256x256),
                          settings.maps);
    const std::string extension = extension_of(name);
    const bool screen_name = extension == "bbd" || extension == "pic";
    if (extension == "11m" || (!screen_name && m11::read(file).status != m11::ReadStatus::not_11m))
        return render_11m(file, settings.mono, settings.maps);
    if (settings.as) return render_screen(file, *settings.as, settings.maps);
    if (extension == "bbd") return render_screen(file, WindowMode::color64x64, settings.maps);
    return render_screen(file, WindowMode::color256x256, settings.maps);
}

}  // namespace

Rendered render_bytes(std::span<const std::uint8_t> file, const std::string& name,
                      const RenderSettings& settings, std::uint64_t length) {
    Rendered rendered = render_as_viewer(file, name, settings, length);
    if (settings.true_shape && rendered.error.empty()) {
        rendered.picture = in_true_shape(rendered.picture, rendered.pixel);
        if (rendered.picture.isNull()) rendered.error = "no memory for the picture";
    }
    return rendered;
}

}  // namespace bkpic
