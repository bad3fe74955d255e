#pragma once
// The picture window's persistent image without a window: a 24-bit canvas of
// a set size in screen pixels, black when blank, and the loaded picture from
// which every view is drawn afresh. Colours read back are exactly the colours
// set. Needs no display.
#include <QImage>

#include "platform/pixel_surface.h"

namespace platform {

enum class Stretch { smooth, area_average };

class PictureCanvas : public PixelSurface {
  public:
    PictureCanvas(int width, int height);
    // A canvas showing `image`, without a loaded picture.
    explicit PictureCanvas(const QImage& image);

    // Resizes the canvas; what was drawn stays where it fits.
    void set_size(int width, int height);

    // Transparent parts of a picture show black, as the blank canvas does.
    void set_picture(const QImage& picture);
    bool has_picture() const { return !picture_.isNull(); }
    QSize picture_size() const { return picture_.size(); }

    // Draws the loaded picture stretched over the whole canvas (smoothly, or
    // by area averaging in linear light), or at its natural size with its
    // top-left corner at `origin`. Nothing is cleared first: what the picture
    // does not cover keeps what it showed.
    void draw_picture(bool stretched, QPoint origin, Stretch stretch = Stretch::smooth);
    // Clears the canvas and draws the loaded picture scaled (as above) into
    // `place`, which may reach beyond the canvas: what falls outside is cut.
    void draw_picture_in(QRect place, Stretch stretch);
    void clear();

    const QImage& image() const { return canvas_; }

    int pixel_width() const override { return canvas_.width(); }
    int pixel_height() const override { return canvas_.height(); }
    std::int32_t pixel(int x, int y) const override;
    void set_pixel(int x, int y, std::int32_t colour) override;
    void refresh() override {}

  private:
    QImage canvas_;
    QImage picture_;
    // The picture as area averaging last stretched it: the same picture is
    // stretched to the same size again at every level that Live_view draws.
    QImage averaged_;
};

// Packed colour value red + 256 * green + 65536 * blue of a QRgb and back.
constexpr std::int32_t packed_colour(QRgb rgb) {
    return static_cast<std::int32_t>(qRed(rgb) | (qGreen(rgb) << 8) | (qBlue(rgb) << 16));
}
constexpr QRgb rgb_of(std::int32_t packed) {
    return qRgb(packed & 255, (packed >> 8) & 255, (packed >> 16) & 255);
}

}  // namespace platform
