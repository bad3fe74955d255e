#include "bkpic/render_job.h"

#include <QFileInfo>

#include "formats/m11_file.h"
#include "platform/atomic_file.h"
#include "platform/picture_canvas.h"
#include "platform/qt_text.h"
#include "viewer/bin_screen.h"
#include "viewer/bk_file.h"
#include "viewer/drawing.h"
#include "viewer/m11_picture.h"

namespace bkpic {
namespace {

namespace m11 = bk::m11;
using viewer::WindowMode;

std::span<const std::uint8_t> bytes_of(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

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
    return {canvas.image(), {}};
}

// A .bin screen is drawn as a .pic of its 16384 bytes, or refused as the
// viewer refuses it.
Rendered render_bin(std::span<const std::uint8_t> file, WindowMode mode,
                    const viewer::ColourMaps& maps) {
    const viewer::BinScreen bin = viewer::accept_bin_screen(file, mode);
    if (!bin.refusal.empty()) return {{}, bin.refusal};
    return render_screen(bin.screen, mode, maps);
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
    return {canvas.image(), {}};
}

}  // namespace

Rendered render_file(const std::string& path, const RenderSettings& settings) {
    const platform::ReadResult read = platform::read_file(path, m11::file_limit + 1);
    if (read.failure) return {{}, platform::error_message(*read.failure)};
    const auto file = bytes_of(read.bytes);
    if (viewer::is_bin_name(path))
        return render_bin(file, settings.as.value_or(WindowMode::color256x256), settings.maps);
    if (settings.as) return render_screen(file, *settings.as, settings.maps);
    if (m11::read(file).status != m11::ReadStatus::not_11m)
        return render_11m(file, settings.mono, settings.maps);
    const QString suffix = QFileInfo(platform::name_to_qt(path)).suffix().toLower();
    if (suffix == "11m") return {{}, std::string(m11::describe(m11::ReadStatus::not_11m))};
    const WindowMode mode = suffix == "bbd" ? WindowMode::color64x64 : WindowMode::color256x256;
    return render_screen(file, mode, settings.maps);
}

}  // namespace bkpic
