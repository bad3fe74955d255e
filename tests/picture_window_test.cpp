// platform::PictureWindow: exact colours, its edges, sizes and drawing.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QPaintEvent>
#include <functional>

#include "platform/picture_file.h"
#include "tests/support/main_window_rig.h"

namespace {

using platform::PictureWindow;
using testing_support::numbered_picture;
using testing_support::packed;

// The window's pixels row by row, or the colours `colour_at` gives each of them.
std::vector<std::int32_t> pixels(const PictureWindow& window,
                                 const std::function<std::int32_t(int, int)>& colour_at = {}) {
    std::vector<std::int32_t> result;
    for (int y = 0; y < window.pixel_height(); ++y) {
        for (int x = 0; x < window.pixel_width(); ++x)
            result.push_back(colour_at ? colour_at(x, y) : window.pixel(x, y));
    }
    return result;
}

void fill(PictureWindow& window, std::int32_t colour) {
    for (int y = 0; y < window.pixel_height(); ++y) {
        for (int x = 0; x < window.pixel_width(); ++x) window.set_pixel(x, y, colour);
    }
}

TEST(PictureWindow, ColoursComeBackExactlyAndOutsideIsMinusOne) {
    PictureWindow window;
    const int levels[] = {0, 1, 127, 128, 255};
    for (int n = 0; n < 125; ++n) {
        const std::int32_t colour =
            levels[n % 5] + 256 * levels[n / 5 % 5] + 65536 * levels[n / 25];
        window.set_pixel(n, 1, colour);
        EXPECT_EQ(window.pixel(n, 1), colour);
    }
    window.set_size(64, 32);
    fill(window, 16777215);
    for (const QPoint p : {QPoint(-1, 0), QPoint(0, -1), QPoint(64, 0), QPoint(0, 32)}) {
        EXPECT_EQ(window.pixel(p.x(), p.y()), -1) << p.x() << "," << p.y();
        window.set_pixel(p.x(), p.y(), 0);
    }
    EXPECT_EQ(pixels(window), std::vector<std::int32_t>(64 * 32, 16777215));
}

TEST(PictureWindow, ResizingKeepsWhatFitsAndClearMakesBlack) {
    PictureWindow window;
    window.set_size(8, 8);
    fill(window, 0x00FF00);
    window.set_pixel(3, 5, 0x0000FF);
    window.set_size(16, 4);
    EXPECT_EQ(window.size(), QSize(16, 4));
    EXPECT_EQ(std::pair(window.pixel(7, 3), window.pixel(8, 0)), std::pair(0x00FF00, 0));
    window.set_size(16, 8);
    EXPECT_EQ(window.pixel(3, 5), 0);  // what was cut off does not come back
    window.clear();
    EXPECT_EQ(pixels(window), std::vector<std::int32_t>(16 * 8, 0));
}

// Drawn at its natural size at an offset over a blue window: transparent
// parts black, the rest of the window left as it was.
TEST(PictureWindow, DrawsAtAnOffsetTransparentPartsBlack) {
    PictureWindow window;
    window.set_size(8, 8);
    fill(window, 0x0000FF);
    QImage picture(4, 4, QImage::Format_ARGB32);  // uninitialised, then set pixel by pixel
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x)
            picture.setPixel(x, y, x < 2 ? qRgba(255, 0, 0, 0) : qRgb(9, 8, 7));
    }
    window.set_picture(picture);
    window.draw_picture(false, QPoint(3, 2));
    EXPECT_EQ(pixels(window), pixels(window, [](int x, int y) {
                  if (x < 3 || x >= 7 || y < 2 || y >= 6) return 0x0000FF;
                  return x < 5 ? 0 : 9 + 256 * 8 + 65536 * 7;
              }));
}

// Each side of a two-pixel picture fills its half of the window.
TEST(PictureWindow, AreaAveragingStretchesEachPictureToEachSize) {
    PictureWindow window;
    QImage picture(2, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    picture.setPixel(1, 0, qRgb(0, 0, 255));
    for (const auto& [image, width] : {std::pair(picture, 100), std::pair(picture, 50),
                                       std::pair(picture.mirrored(true, false), 50)}) {
        window.set_picture(image);
        window.set_size(width, 40);
        window.draw_picture(true, {}, platform::Stretch::area_average);
        EXPECT_EQ(std::pair(window.pixel(0, 0), window.pixel(width - 1, 0)),
                  std::pair(packed(image.pixel(0, 0)), packed(image.pixel(1, 0))))
            << width;
    }
}

// What a window repaints: every painted rectangle's area, summed, and all
// that was painted.
class PaintLog : public QObject {
  public:
    explicit PaintLog(QWidget& window) { window.installEventFilter(this); }
    long long area = 0;
    QRegion painted;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            const QRect rect = static_cast<QPaintEvent*>(event)->rect();
            area += static_cast<long long>(rect.width()) * rect.height();
            painted += rect;
        }
        return false;
    }
};

// A walk refreshes after every row: the window shows the first rows at once
// and the rest when the command is over, repainting each row about once.
TEST(PictureWindow, RowByRowDrawingRepaintsEachRowAboutOnce) {
    PictureWindow window;
    window.set_size(64, 2048);
    window.show();
    QCoreApplication::processEvents();
    PaintLog log(window);
    for (int y = 0; y < window.pixel_height(); ++y) {
        for (int x = 0; x < window.pixel_width(); ++x) window.set_pixel(x, y, 0xFF);
        window.refresh();
    }
    EXPECT_TRUE(log.painted.contains(QPoint(0, 0)));
    QCoreApplication::processEvents();
    EXPECT_EQ(log.painted, QRegion(window.rect()));
    EXPECT_LE(log.area, 2 * 64 * 2048);
}

// A 16 x 16 JPEG whose header is made to claim 6000 x 6000 pixels (144 MB
// decoded): over the decoders' allocation limit, so it is refused, also when
// the image to decode into is made for the decoder.
TEST(DecodePicture, RefusesAPictureOverTheAllocationLimit) {
    QImage small(16, 16, QImage::Format_RGB32);
    small.fill(Qt::gray);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(small.save(&buffer, "JPEG"));
    const qsizetype frame = bytes.indexOf("\xFF\xC0");
    ASSERT_GE(frame, 0);
    for (int at : {5, 7}) {
        bytes[frame + at] = char(6000 >> 8);
        bytes[frame + at + 1] = char(6000 & 255);
    }
    const platform::DecodedPicture decoded = platform::decode_picture_bytes(
        std::string_view(bytes.constData(), std::size_t(bytes.size())), "claims.jpg");
    EXPECT_TRUE(decoded.image.isNull() && decoded.failure.has_value());
}

}  // namespace
