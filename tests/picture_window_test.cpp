// platform::PictureWindow: exact colours, its edges, sizes and drawing.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QPaintEvent>

#include "platform/picture_file.h"
#include "tests/support/main_window_rig.h"

namespace {

using platform::PictureWindow;
using testing_support::numbered_picture;
using testing_support::packed;

void fill(PictureWindow& window, std::int32_t colour) {
    for (int y = 0; y < window.pixel_height(); ++y) {
        for (int x = 0; x < window.pixel_width(); ++x) window.set_pixel(x, y, colour);
    }
}

int count_of(const PictureWindow& window, std::int32_t colour) {
    int count = 0;
    for (int y = 0; y < window.pixel_height(); ++y) {
        for (int x = 0; x < window.pixel_width(); ++x) count += window.pixel(x, y) == colour;
    }
    return count;
}

TEST(PictureWindow, ColoursComeBackExactlyAndOutsideIsMinusOne) {
    PictureWindow window;
    EXPECT_EQ(window.size(), QSize(256, 256));
    int n = 0;
    for (int red : {0, 1, 127, 128, 255}) {
        for (int green : {0, 1, 127, 128, 255}) {
            for (int blue : {0, 1, 127, 128, 255}) {
                const std::int32_t colour = red + 256 * green + 65536 * blue;
                window.set_pixel(n % 256, n / 256, colour);
                EXPECT_EQ(window.pixel(n % 256, n / 256), colour);
                ++n;
            }
        }
    }
    window.set_size(64, 32);
    fill(window, 16777215);
    for (const QPoint p : {QPoint(-1, 0), QPoint(0, -1), QPoint(64, 0), QPoint(0, 32)}) {
        EXPECT_EQ(window.pixel(p.x(), p.y()), -1) << p.x() << "," << p.y();
        window.set_pixel(p.x(), p.y(), 0);
    }
    EXPECT_EQ(count_of(window, 16777215), 64 * 32);
}

TEST(PictureWindow, ResizingKeepsWhatFits) {
    PictureWindow window;
    window.set_size(8, 8);
    fill(window, 0x00FF00);
    window.set_pixel(3, 5, 0x0000FF);
    window.set_size(16, 4);
    EXPECT_EQ(window.size(), QSize(16, 4));
    EXPECT_EQ(window.pixel(7, 3), 0x00FF00);
    EXPECT_EQ(window.pixel(8, 0), 0);  // the new area is black
    window.set_size(16, 8);
    EXPECT_EQ(window.pixel(3, 5), 0);  // what was cut off does not come back
}

TEST(PictureWindow, NaturalSizeDrawingAtAnOffset) {
    PictureWindow window;
    window.set_size(64, 64);
    const QImage picture = numbered_picture(40, 30);
    window.set_picture(picture);
    fill(window, 0x0000FF);
    window.draw_picture(false, QPoint(10, 20));
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            const bool inside = x >= 10 && x < 50 && y >= 20 && y < 50;
            ASSERT_EQ(window.pixel(x, y), inside ? packed(picture.pixel(x - 10, y - 20)) : 0x0000FF)
                << x << "," << y;
        }
    }
    window.draw_picture(false, QPoint(-5, -7));
    window.set_size(35, 23);
    EXPECT_TRUE(testing_support::shows_part(window, picture, 5, 7));
}

TEST(PictureWindow, StretchedDrawingCoversTheWindowAndClearMakesBlack) {
    PictureWindow window;
    window.set_size(100, 60);
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(qRgb(200, 100, 50));
    window.set_picture(picture);
    fill(window, 0x0000FF);
    window.draw_picture(true, QPoint(7, 7));
    EXPECT_EQ(count_of(window, 200 + 256 * 100 + 65536 * 50), 100 * 60);
    window.clear();
    EXPECT_EQ(count_of(window, 0), 100 * 60);
}

// Each side of a two-pixel picture fills its half of the window.
::testing::AssertionResult stretched_by_area(PictureWindow& window, const QImage& picture) {
    window.draw_picture(true, {}, platform::Stretch::area_average);
    const int right = window.pixel_width() - 1;
    if (window.pixel(0, 0) == packed(picture.pixel(0, 0)) &&
        window.pixel(right, 0) == packed(picture.pixel(1, 0)))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "at " << window.pixel_width() << " pixels wide";
}

TEST(PictureWindow, AreaAveragingStretchesEachPictureToEachSize) {
    PictureWindow window;
    QImage picture(2, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    picture.setPixel(1, 0, qRgb(0, 0, 255));
    window.set_picture(picture);
    window.set_size(100, 60);
    EXPECT_TRUE(stretched_by_area(window, picture));
    window.set_size(50, 40);
    EXPECT_TRUE(stretched_by_area(window, picture));
    const QImage mirrored = picture.mirrored(true, false);
    window.set_picture(mirrored);
    EXPECT_TRUE(stretched_by_area(window, mirrored));
}

TEST(PictureWindow, TransparentPartsDrawBlack) {
    PictureWindow window;
    window.set_size(4, 4);
    fill(window, 16777215);
    QImage picture(4, 4, QImage::Format_ARGB32);  // uninitialised, then set pixel by pixel
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x)
            picture.setPixel(x, y, x < 2 ? qRgba(255, 0, 0, 0) : qRgb(9, 8, 7));
    }
    window.set_picture(picture);
    window.draw_picture(false, QPoint(0, 0));
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(window.pixel(x, y), x < 2 ? 0 : 9 + 256 * 8 + 65536 * 7) << x << "," << y;
        }
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

}  // namespace

namespace {

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
    EXPECT_TRUE(decoded.image.isNull());
    EXPECT_TRUE(decoded.failure.has_value());
}

}  // namespace
