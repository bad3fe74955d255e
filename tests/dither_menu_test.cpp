// The Dither menu of both converter windows: exactly one item checked, the
// choice kept in the program's state however an item is checked, and the
// menu bar still on one line at the window's design width.
#include <gtest/gtest.h>

#include <QMenuBar>

#include "tests/m11/m11_window_rig.h"
#include "tests/support/accessible_action.h"
#include "tests/support/main_window_rig.h"

namespace {

using converter::Dither;

// The dither chosen and the items checked.
std::pair<Dither, QStringList> chosen(QMainWindow& window, converter::ConverterState& state) {
    QStringList checked;
    for (QAction* action : window.findChild<QMenu*>("dither_mnu")->actions())
        if (action->isChecked()) checked << action->objectName();
    return {state.dither, checked};
}

void check_dither_menu(QMainWindow& window, converter::ConverterState& state) {
    testing_support::operate_accessibly(*window.findChild<QAction*>("datk_mnu"));
    EXPECT_EQ(chosen(window, state), std::pair(Dither::atkinson, QStringList{"datk_mnu"}));
    window.findChild<QAction*>("dord_mnu")->setChecked(true);
    EXPECT_EQ(chosen(window, state), std::pair(Dither::ordered, QStringList{"dord_mnu"}));
    window.findChild<QAction*>("dfs_mnu")->trigger();
    window.findChild<QAction*>("dfs_mnu")->trigger();  // stays chosen
    EXPECT_EQ(chosen(window, state), std::pair(Dither::floyd_steinberg, QStringList{"dfs_mnu"}));

    state.dither = Dither::none;  // chosen in the other window
    emit window.findChild<QMenu*>("dither_mnu")->aboutToShow();
    EXPECT_EQ(chosen(window, state), std::pair(Dither::none, QStringList{"dnone_mnu"}));

    window.show();
    QMenuBar* bar = window.menuBar();
    for (QAction* action : bar->actions())
        EXPECT_EQ(bar->actionGeometry(action).top(), bar->actionGeometry(bar->actions()[0]).top())
            << action->text().toStdString() << " wraps at width " << window.width();
}

TEST(DitherMenu, MainWindow) {
    testing_support::MainWindowRig rig;
    check_dither_menu(*rig.form, rig.state);
}

TEST(DitherMenu, M11WindowAtItsDesignWidth) {
    testing_support::M11Rig rig;
    check_dither_menu(*rig.form, rig.state);
}

}  // namespace
