// "Change colors" (Form4): twelve picture buttons for the change-colour
// flags, at most one pressed per frame.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QGroupBox>
#include <QPushButton>

#include "tests/support/accessible_action.h"
#include "tests/support/main_window_rig.h"

namespace {

using namespace testing_support;

struct ChangeColoursRig : MainWindowRig {
    ChangeColoursRig() {
        form->show();
        open(sample("gradient.jpg"));
    }
    QWidget* show_dialog() {
        choose("changecol_mnu");
        return top_level("Form4");
    }
    QAbstractButton* check(QWidget* dialog, int n) {
        return dialog->findChild<QAbstractButton*>(QString("Check%1").arg(n));
    }
};

TEST(ChangeColours, FramesAndButtonsShowTheFlags) {
    ChangeColoursRig rig;
    rig.state.swap_flags[4] = true;
    rig.state.swap_flags[11] = true;
    QWidget* dialog = rig.show_dialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Change colors");
    const char* frames[] = {"Red", "Green", "Blue", "Black"};
    for (int f = 0; f < 4; ++f) {
        EXPECT_EQ(dialog->findChild<QGroupBox*>(QString("Frame%1").arg(f + 1))->title(), frames[f]);
    }
    const char* names[] = {"red to green",  "red to blue",    "red to black",   "green to red",
                           "green to blue", "green to black", "blue to red",    "blue to green",
                           "blue to black", "black to red",   "black to green", "black to blue"};
    for (int n = 1; n <= 12; ++n) {
        QAbstractButton* button = rig.check(dialog, n);
        ASSERT_NE(button, nullptr) << n;
        EXPECT_TRUE(button->isCheckable()) << n;
        EXPECT_EQ(button->iconSize(), QSize(34, 18)) << n;
        EXPECT_EQ(button->accessibleName(), names[n - 1]) << n;
        EXPECT_EQ(button->isChecked(), n == 5 || n == 12) << n;
    }
}

TEST(ChangeColours, OnePressedButtonPerFrame) {
    ChangeColoursRig rig;
    rig.state.swap_flags[4] = true;  // Check5, green frame
    QWidget* dialog = rig.show_dialog();
    ASSERT_NE(dialog, nullptr);
    rig.check(dialog, 1)->click();
    EXPECT_TRUE(rig.state.swap_flags[0]);
    rig.check(dialog, 2)->click();
    EXPECT_FALSE(rig.check(dialog, 1)->isChecked());
    EXPECT_TRUE(rig.check(dialog, 2)->isChecked());
    EXPECT_FALSE(rig.state.swap_flags[0]);
    EXPECT_TRUE(rig.state.swap_flags[1]);
    EXPECT_TRUE(rig.state.swap_flags[4]);  // other frames keep theirs

    rig.check(dialog, 2)->click();  // a pressed button lets go
    rig.check(dialog, 6)->click();
    EXPECT_FALSE(rig.check(dialog, 2)->isChecked() || rig.check(dialog, 5)->isChecked());
    EXPECT_EQ(rig.state.swap_flags, (converter::SwapFlags{0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0}));
}

// A screen reader toggles the buttons without clicking them; the flags and
// the frames must follow all the same.
TEST(ChangeColours, ButtonsToggledByAssistiveTechnologySetTheFlags) {
    ChangeColoursRig rig;
    rig.state.swap_flags[4] = true;  // Check5, green frame
    QWidget* dialog = rig.show_dialog();
    ASSERT_NE(dialog, nullptr);
    using Flags = converter::SwapFlags;
    const std::pair<int, Flags> steps[] = {{1, {1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0}},
                                           {2, {0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0}},
                                           {2, {0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0}},
                                           {6, {0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0}},
                                           {12, {0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 1}}};
    for (const auto& [n, flags] : steps) {
        operate_accessibly(*rig.check(dialog, n));
        EXPECT_EQ(rig.state.swap_flags, flags) << "Check" << n;
        for (int k = 1; k <= 12; ++k) {
            EXPECT_EQ(rig.check(dialog, k)->isChecked(), flags[k - 1] != 0) << "Check" << k;
        }
    }
}

TEST(ChangeColours, FirstButtonTakesTheFocusEachTime) {
    ChangeColoursRig rig;
    QWidget* dialog = rig.show_dialog();
    ASSERT_NE(dialog, nullptr);
    QApplication::setActiveWindow(dialog);
    EXPECT_EQ(QApplication::focusWidget(), rig.check(dialog, 1));
    rig.check(dialog, 3)->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), rig.check(dialog, 3));
    EXPECT_EQ(rig.show_dialog(), dialog);
    QApplication::setActiveWindow(dialog);
    EXPECT_EQ(QApplication::focusWidget(), rig.check(dialog, 1));
    EXPECT_EQ(dialog->focusWidget(), rig.check(dialog, 1));
}

}  // namespace
