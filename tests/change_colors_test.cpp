// "Change colors" (Form4): twelve picture buttons for the change-colour
// flags, at most one pressed per frame.
#include <gtest/gtest.h>

#include <QAbstractButton>

#include "tests/support/accessible_action.h"
#include "tests/support/main_window_rig.h"

namespace {

using namespace testing_support;

struct ChangeColoursRig : MainWindowRig {
    ChangeColoursRig() {
        form->show();
        open(sample("gradient.jpg"));
        state.swap_flags[4] = true;  // Check5, green frame
        dialog = show_dialog();
        EXPECT_NE(dialog, nullptr);
    }
    QWidget* show_dialog() {
        choose("changecol_mnu");
        return top_level("Form4");
    }
    QAbstractButton* check(int n) {
        return dialog->findChild<QAbstractButton*>(QString("Check%1").arg(n));
    }
    // The pressed buttons and the flags, as 0/1.
    std::pair<std::string, std::string> pressed_and_flags() {
        std::string pressed, flags;
        for (int n = 1; n <= 12; ++n) {
            pressed += check(n)->isChecked() ? '1' : '0';
            flags += state.swap_flags[n - 1] ? '1' : '0';
        }
        return {pressed, flags};
    }
    QWidget* dialog = nullptr;
};

TEST(ChangeColours, ButtonsShowTheFlagsWithTheirAccessibleNames) {
    ChangeColoursRig rig;
    const char* names[] = {"red to green",  "red to blue",    "red to black",   "green to red",
                           "green to blue", "green to black", "blue to red",    "blue to green",
                           "blue to black", "black to red",   "black to green", "black to blue"};
    for (int n = 1; n <= 12; ++n) EXPECT_EQ(rig.check(n)->accessibleName(), names[n - 1]) << n;
    EXPECT_EQ(rig.pressed_and_flags().first, "000010000000");
}

// Clicked, or toggled by a screen reader without a click, the buttons set
// the flags and let go of the other button of their frame.
TEST(ChangeColours, OnePressedButtonPerFrameClickedOrToggledAccessibly) {
    const std::pair<int, std::string> steps[] = {{1, "100010000000"},
                                                 {2, "010010000000"},
                                                 {2, "000010000000"},  // a pressed button lets go
                                                 {6, "000001000000"},
                                                 {12, "000001000001"}};
    for (const bool accessibly : {false, true}) {
        ChangeColoursRig rig;
        for (const auto& [n, flags] : steps) {
            if (accessibly)
                operate_accessibly(*rig.check(n));
            else
                rig.check(n)->click();
            EXPECT_EQ(rig.pressed_and_flags(), std::pair(flags, flags))
                << "Check" << n << (accessibly ? " accessibly" : "");
        }
    }
}

TEST(ChangeColours, FirstButtonTakesTheFocusEachTime) {
    ChangeColoursRig rig;
    QApplication::setActiveWindow(rig.dialog);
    EXPECT_EQ(QApplication::focusWidget(), rig.check(1));
    rig.check(3)->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), rig.check(3));
    EXPECT_EQ(rig.show_dialog(), rig.dialog);
    QApplication::setActiveWindow(rig.dialog);
    EXPECT_EQ(QApplication::focusWidget(), rig.check(1));
}

}  // namespace
