#pragma once
// The picture window: a borderless drawing surface of a set size in screen
// pixels, showing a PictureCanvas. Drawing goes to the canvas; refresh()
// shows the rows set since the last refresh (see there).
#include <QElapsedTimer>
#include <QWidget>
#include <climits>

#include "platform/picture_canvas.h"

namespace platform {

class PictureWindow : public QWidget, public PixelSurface {
    Q_OBJECT
  public:
    explicit PictureWindow(QWidget* parent = nullptr);

    // Resizes the window and its image; what was drawn stays where it fits.
    void set_size(int width, int height);

    void set_picture(const QImage& picture) { canvas_.set_picture(picture); }
    bool has_picture() const { return canvas_.has_picture(); }
    QSize picture_size() const { return canvas_.picture_size(); }

    // Draws the loaded picture stretched over the whole window (see
    // PictureCanvas::draw_picture for `stretch`), or at its
    // natural size with its top-left corner at `origin`. Nothing is cleared
    // first: what the picture does not cover keeps what it showed.
    void draw_picture(bool stretched, QPoint origin, Stretch stretch = Stretch::smooth);
    // Clears the window and draws the picture into `place`, cut at the
    // window's edges (PictureCanvas::draw_picture_in).
    void draw_picture_in(QRect place, Stretch stretch);
    void clear();

    const QImage& image() const { return canvas_.image(); }
    // The window's image as a surface that shows nothing by itself: a whole
    // result drawn on it, without a repaint at every row, shows at the next
    // update().
    PixelSurface& unshown_image() { return canvas_; }

    int pixel_width() const override { return canvas_.pixel_width(); }
    int pixel_height() const override { return canvas_.pixel_height(); }
    std::int32_t pixel(int x, int y) const override { return canvas_.pixel(x, y); }
    void set_pixel(int x, int y, std::int32_t colour) override {
        canvas_.set_pixel(x, y, colour);
        changed_top_ = std::min(changed_top_, y);
        changed_bottom_ = std::max(changed_bottom_, y);
    }
    // Shows the rows set since the last refresh: at once when a screen frame
    // has passed since the window last showed them, else at the first
    // refresh after that or, at the latest, once the command that draws is
    // over. A walk that refreshes after every row thus shows its result row
    // by row, repainting each row about once: repainting at every row, more
    // often than a screen shows frames, cost a repaint for each of the 32767
    // rows of a tall 11M area.
    void refresh() override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void show_changed_rows();

    PictureCanvas canvas_{256, 256};
    int changed_top_ = INT_MAX;  // the rows set since they were last shown
    int changed_bottom_ = -1;
    QElapsedTimer shown_;  // since the rows set were last shown
    bool show_pending_ = false;
};

}  // namespace platform
