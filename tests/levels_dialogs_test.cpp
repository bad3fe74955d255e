// "BW levels" (Form2) and "Color levels" (Form3): where they open, what the
// inverted sliders show and set, and their life from one choice of the item
// to the next.
#include <gtest/gtest.h>

#include <QPointer>
#include <QPushButton>
#include <QSlider>

#include "tests/support/main_window_rig.h"

namespace {

using namespace testing_support;

struct LevelsCase {
    const char* mode;
    const char* item;
    const char* dialog;
    std::vector<int> shown;  // by Slider1, Slider2...
    std::vector<int> moved_to;
    std::vector<int> levels;  // then: the mono level, the red, green and blue ones
};

// Levels 100, or 10, 20 and 30, shown inverted; the sliders moved set them.
TEST(LevelsDialogs, OpenAtTheMainWindowAndSetTheLevelsInverted) {
    const LevelsCase cases[] = {
        {"s512_mnu", "bwlev_mnu", "Form2", {155}, {200}, {55, 10, 20, 30}},
        {"s256_mnu", "collev_mnu", "Form3", {245, 235, 225}, {0, 100, 255}, {100, 255, 155, 0}}};
    for (const LevelsCase& c : cases) {
        MainWindowRig rig;
        rig.form->move(120, 90);
        rig.form->show();
        rig.choose(c.mode);
        rig.open(sample("testcard.bmp"));
        rig.state.bw_level = 100;
        rig.state.colour_levels = {10, 20, 30};
        rig.choose(c.item);
        QPointer<QWidget> dialog = top_level(c.dialog);
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(dialog->pos(), rig.form->pos());
        const auto slider = [&](std::size_t n) {
            return dialog->findChild<QSlider*>(QString("Slider%1").arg(n + 1));
        };
        for (std::size_t n = 0; n < c.shown.size(); ++n) {
            EXPECT_EQ(slider(n)->value(), c.shown[n]) << c.dialog << n;
            slider(n)->setValue(c.moved_to[n]);
        }
        const auto& levels = rig.state.colour_levels;
        EXPECT_EQ((std::vector<int>{rig.state.bw_level, levels.red, levels.green, levels.blue}),
                  c.levels);

        rig.form->move(200, 150);
        rig.choose(c.item);  // while open: the same window, back at the main window
        EXPECT_EQ(top_level(c.dialog), dialog.data());
        EXPECT_EQ(dialog->pos(), rig.form->pos());
        dialog->findChild<QPushButton*>("Command1")->click();
        flush_deletes();
        EXPECT_TRUE(dialog.isNull());
        rig.choose(c.item);
        ASSERT_NE(top_level(c.dialog), nullptr);
        EXPECT_EQ(top_level(c.dialog)->findChild<QSlider*>("Slider1")->value(), c.moved_to[0]);
    }
}

}  // namespace
