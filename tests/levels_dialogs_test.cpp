// "BW levels" (Form2) and "Color levels" (Form3): where they open, what the
// sliders show and set, and their life from one choice of the item to the next.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSlider>

#include "tests/support/main_window_rig.h"

namespace {

using namespace testing_support;

QSlider* slider(QWidget* dialog, const char* name) {
    return dialog->findChild<QSlider*>(name);
}
QString label(QWidget* dialog, const char* name) {
    return dialog->findChild<QLabel*>(name)->text();
}

TEST(BwLevels, OpensAtTheMainWindowAndSetsTheLevelInverted) {
    MainWindowRig rig;
    rig.form->move(120, 90);
    rig.form->show();
    rig.choose("s512_mnu");
    rig.open(sample("testcard.bmp"));
    rig.state.bw_level = 100;
    rig.choose("bwlev_mnu");
    QPointer<QWidget> dialog = top_level("Form2");
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowTitle(), "BW levels");
    EXPECT_EQ(dialog->pos(), rig.form->pos());
    EXPECT_EQ(label(dialog, "Label1") + "|" + label(dialog, "Label2"), "Black|White");
    EXPECT_EQ(slider(dialog, "Slider1")->value(), 155);
    slider(dialog, "Slider1")->setValue(200);
    EXPECT_EQ(rig.state.bw_level, 55);

    rig.form->move(200, 150);
    rig.choose("bwlev_mnu");  // while open: the same window, back at the main window
    EXPECT_EQ(top_level("Form2"), dialog.data());
    EXPECT_EQ(dialog->pos(), rig.form->pos());

    auto* ok = dialog->findChild<QPushButton*>("Command1");
    EXPECT_EQ(ok->text(), "Ok");
    ok->click();
    flush_deletes();
    EXPECT_TRUE(dialog.isNull());
    rig.choose("bwlev_mnu");
    QWidget* again = top_level("Form2");
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(slider(again, "Slider1")->value(), 200);
}

TEST(ColourLevels, OneInvertedSliderPerChannel) {
    MainWindowRig rig;
    rig.form->move(40, 30);
    rig.form->show();
    rig.open(sample("gradient.jpg"));
    rig.state.colour_levels = {10, 20, 30};
    rig.choose("collev_mnu");
    QPointer<QWidget> dialog = top_level("Form3");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Color levels");
    EXPECT_EQ(dialog->pos(), rig.form->pos());
    const char* texts[] = {"Black", "Red", "Black", "Green", "Black", "Blue"};
    for (int n = 1; n <= 6; ++n) {
        EXPECT_EQ(label(dialog, qPrintable(QString("Label%1").arg(n))), texts[n - 1]) << n;
    }
    EXPECT_EQ(slider(dialog, "Slider1")->value(), 245);
    EXPECT_EQ(slider(dialog, "Slider2")->value(), 235);
    EXPECT_EQ(slider(dialog, "Slider3")->value(), 225);
    slider(dialog, "Slider1")->setValue(0);
    slider(dialog, "Slider2")->setValue(100);
    slider(dialog, "Slider3")->setValue(255);
    const auto& levels = rig.state.colour_levels;
    EXPECT_EQ(std::tuple(levels.red, levels.green, levels.blue), std::tuple(255, 155, 0));

    dialog->findChild<QPushButton*>("Command1")->click();
    flush_deletes();
    EXPECT_TRUE(dialog.isNull());
}

}  // namespace
