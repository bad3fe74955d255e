// The Fit_ items of the converter windows' Window menu: exactly one checked,
// however it was checked, the choice shared by both windows, and Fit_fill's
// scroll bar panning what is cut off.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QMenu>
#include <QScrollBar>

#include "converter/m11_window.h"
#include "tests/support/accessible_action.h"
#include "tests/support/main_window_rig.h"

namespace {

using converter::FitShape;
using namespace testing_support;

// Red rising from 0 at the left edge to 255 at the right.
QImage red_ramp(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) image.setPixel(x, y, qRgb(x * 255 / (width - 1), 0, 0));
    }
    return image;
}

QStringList checked_shapes(const QWidget& window) {
    QStringList checked;
    for (const char* name : {"ftwstretch_mnu", "ftwwhole_mnu", "ftwfill_mnu"}) {
        auto* item = window.findChild<QAction*>(name);
        if (item == nullptr) ADD_FAILURE() << "no " << name;
        if (item != nullptr && item->isChecked()) checked << name;
    }
    return checked;
}

int red_at(const platform::PictureWindow& picture, int x) {
    return picture.pixel(x, picture.pixel_height() / 2) & 255;
}

TEST(FitShapeItems, OneShapeForBothWindowsAndFillsScrollBarPansTheCut) {
    MainWindowRig rig;
    converter::Form6 other(rig.state, rig.modal);
    rig.open(save_bmp(red_ramp(600, 200), rig.folder / "ramp.bmp"));
    rig.choose("ftw_mnu");
    EXPECT_EQ(checked_shapes(*rig.form), QStringList{"ftwstretch_mnu"});

    QAction& fill = *rig.action("ftwfill_mnu");
    EXPECT_EQ(accessible(fill)->text(QAccessible::Name), "Fit_fill");
    operate_accessibly(fill);
    EXPECT_EQ(rig.state.fit_shape, FitShape::fill);
    EXPECT_EQ(checked_shapes(*rig.form), QStringList{"ftwfill_mnu"});
    emit other.findChild<QMenu*>("window_mnu")->aboutToShow();
    EXPECT_EQ(checked_shapes(other), QStringList{"ftwfill_mnu"});

    // 600 x 200 fills the colour screen's 4:3 as 576 x 256: 320 columns are
    // cut off, half on each side at first.
    QScrollBar& across = *rig.form->findChild<QScrollBar*>("HScroll1");
    EXPECT_FALSE(rig.form->findChild<QScrollBar*>("VScroll1")->isEnabled());
    ASSERT_TRUE(across.isEnabled());
    EXPECT_EQ(across.maximum(), 320);
    EXPECT_EQ(across.value(), 160);
    across.setValue(0);
    EXPECT_LE(red_at(rig.picture(), 0), 2);
    EXPECT_NEAR(red_at(rig.picture(), 255), 255 * 256 / 576, 2);
    across.setValue(320);
    EXPECT_GE(red_at(rig.picture(), 255), 253);

    rig.choose("ftwwhole_mnu");
    EXPECT_EQ(rig.state.fit_shape, FitShape::whole);
    EXPECT_EQ(checked_shapes(*rig.form), QStringList{"ftwwhole_mnu"});
    EXPECT_FALSE(across.isEnabled());
    EXPECT_EQ(rig.picture().pixel(255, 0), 0) << "whole leaves black above";
    EXPECT_GE(red_at(rig.picture(), 255), 253);
}

}  // namespace
