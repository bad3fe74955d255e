#pragma once
// The picture window: a borderless drawing surface of a set size in screen
// pixels. It keeps what is drawn on it in a persistent 24-bit image, so
// colours read back are exactly the colours set, and it holds the loaded
// picture from which every view is drawn afresh.
#include <QImage>
#include <QWidget>

#include "platform/pixel_surface.h"

namespace platform {

class PictureWindow : public QWidget, public PixelSurface {
    Q_OBJECT
  public:
    explicit PictureWindow(QWidget* parent = nullptr);

    // Resizes the window and its image; what was drawn stays where it fits.
    void set_size(int width, int height);

    void set_picture(const QImage& picture);
    bool has_picture() const { return !picture_.isNull(); }
    QSize picture_size() const { return picture_.size(); }

    // Draws the loaded picture stretched over the whole window, or at its
    // natural size with its top-left corner at `origin`. Nothing is cleared
    // first: what the picture does not cover keeps what it showed.
    void draw_picture(bool stretched, QPoint origin);
    void clear();

    const QImage& image() const { return canvas_; }

    int pixel_width() const override { return canvas_.width(); }
    int pixel_height() const override { return canvas_.height(); }
    std::int32_t pixel(int x, int y) const override;
    void set_pixel(int x, int y, std::int32_t colour) override;
    void refresh() override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage canvas_;
    QImage picture_;
};

// Packed colour value red + 256 * green + 65536 * blue of a QRgb and back.
constexpr std::int32_t packed_colour(QRgb rgb) {
    return static_cast<std::int32_t>(qRed(rgb) | (qGreen(rgb) << 8) | (qBlue(rgb) << 16));
}
constexpr QRgb rgb_of(std::int32_t packed) {
    return qRgb(packed & 255, (packed >> 8) & 255, (packed >> 16) & 255);
}

}  // namespace platform
