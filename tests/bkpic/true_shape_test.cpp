// A circle stays round on the BK: converted whole or filling each kind of
// area, then rendered as the BK shows it (render --true-shape), its width
// and height agree within 2 %.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>

#include "tests/bkpic/bkpic_run.h"
#include "tests/support/param_names.h"
#include "tests/support/temp_folder.h"

namespace {

using namespace testing_support;
using namespace bkpic_testing;

// A white disc, 180 across, in the middle of a black 360 x 240 picture: a
// 3:2 picture, cut across by fill in the 4:3 screens and down in areas
// wider than 3:2 as the BK shows them, keeping the disc whole either way.
QImage circle_picture() {
    QImage picture(360, 240, QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(180, 120), 90, 90);
    return picture;
}

struct Extent {
    double width, height;
};

// The width and height of the lit shape from its second moments: a disc of
// diameter d has a variance of d * d / 16 along each axis. Unlike counting
// pixels across, this is not thrown off by the 4 x 3 blocks of the colour
// pixels along the edge.
Extent lit_extent(const QImage& image) {
    double count = 0, sum_x = 0, sum_y = 0, sum_xx = 0, sum_yy = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) & 0xFFFFFF) == 0) continue;
            count += 1;
            sum_x += x;
            sum_y += y;
            sum_xx += double(x) * x;
            sum_yy += double(y) * y;
        }
    }
    if (count == 0) return {0, 0};
    const double mean_x = sum_x / count, mean_y = sum_y / count;
    return {4 * std::sqrt(sum_xx / count - mean_x * mean_x),
            4 * std::sqrt(sum_yy / count - mean_y * mean_y)};
}

// The target (with its area) of bkpic convert, its --shape and its --dither:
// none smooths, a ditherer averages areas.
class CircleOnTheBk
    : public testing::TestWithParam<std::tuple<std::string, std::string, std::string>> {};

TEST_P(CircleOnTheBk, StaysRound) {
    const auto [target, shape, dither] = GetParam();
    TempFolder folder;
    const std::string picture = folder / "circle.png";
    ASSERT_TRUE(circle_picture().save(q(picture)));
    const QStringList options = q(target + " " + shape + " " + dither).split(' ');
    const QString to = options[1];
    const std::string converted = folder / (to == "sprite"         ? "circle.bbd"
                                            : to.startsWith("11m") ? "circle.11M"
                                                                   : "circle.pic");
    const Outcome made =
        bkpic_run(QStringList{"convert", q(picture), "-o", q(converted)} + options);
    ASSERT_EQ(made.status, 0) << made.err;

    const std::string rendered = folder / "circle_on_the_bk.png";
    QStringList render{"render", q(converted), "--true-shape", "-o", q(rendered)};
    if (to == "mono")
        render << "--as"
               << "mono";
    if (to == "11m-mono") render << "--mono";
    const Outcome drawn = bkpic_run(render);
    ASSERT_EQ(drawn.status, 0) << drawn.err;

    const Extent circle = lit_extent(QImage(q(rendered)));
    ASSERT_GT(circle.height, 100);
    EXPECT_NEAR(circle.width / circle.height, 1.0, 0.02)
        << circle.width << " x " << circle.height << " PC pixels";
}

// Areas as the BK shows them: the screens and the sprite 4:3, 11M mono
// 512 x 384 as 1024 x 1152, 11M colour 320 x 224 as 1280 x 672.
INSTANTIATE_TEST_SUITE_P(EveryAreaKind, CircleOnTheBk,
                         testing::Combine(testing::Values("--to mono", "--to color", "--to sprite",
                                                          "--to 11m-mono --area 512x384",
                                                          "--to 11m-color --area 320x224"),
                                          testing::Values("--shape whole", "--shape fill"),
                                          testing::Values("--dither none",
                                                          "--dither floyd-steinberg")),
                         printed_name);

}  // namespace
