// The Dither menu of both converter windows: after Color, exactly one item
// checked, the choice kept in the program's state however an item is
// checked, and the menu bar still on one line at the window's design width.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QMenuBar>

#include "tests/m11/m11_window_rig.h"
#include "tests/support/main_window_rig.h"

namespace {

using converter::Dither;
using testing_support::M11Rig;
using testing_support::MainWindowRig;

QStringList menu_titles(QMainWindow& window) {
    QStringList titles;
    for (QAction* action : window.menuBar()->actions()) titles << action->text();
    return titles;
}

QStringList checked_items(QMenu& menu) {
    QStringList checked;
    for (QAction* action : menu.actions())
        if (action->isChecked()) checked << action->objectName();
    return checked;
}

// Presses a menu item as a screen reader does.
void press_accessibly(QMenu& menu, const QString& caption) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&menu);
    ASSERT_NE(accessible, nullptr);
    for (int i = 0; i < accessible->childCount(); ++i) {
        QAccessibleInterface* item = accessible->child(i);
        if (item->text(QAccessible::Name) != caption) continue;
        item->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        return;
    }
    ADD_FAILURE() << "no item " << caption.toStdString();
}

void check_dither_menu(QMainWindow& window, converter::ConverterState& state) {
    EXPECT_EQ(menu_titles(window), QStringList({"File", "Window", "Mono", "Color", "Dither", "?"}));
    auto* menu = window.findChild<QMenu*>("dither_mnu");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(checked_items(*menu), QStringList{"dnone_mnu"});

    press_accessibly(*menu, "Atkinson");
    EXPECT_EQ(state.dither, Dither::atkinson);
    EXPECT_EQ(checked_items(*menu), QStringList{"datk_mnu"});
    window.findChild<QAction*>("dord_mnu")->setChecked(true);
    EXPECT_EQ(state.dither, Dither::ordered);
    window.findChild<QAction*>("dfs_mnu")->trigger();
    EXPECT_EQ(state.dither, Dither::floyd_steinberg);
    window.findChild<QAction*>("dfs_mnu")->trigger();  // stays chosen
    EXPECT_EQ(state.dither, Dither::floyd_steinberg);
    EXPECT_EQ(checked_items(*menu), QStringList{"dfs_mnu"});

    state.dither = Dither::none;  // chosen in the other window
    emit menu->aboutToShow();
    EXPECT_EQ(checked_items(*menu), QStringList{"dnone_mnu"});

    window.show();
    QMenuBar* bar = window.menuBar();
    for (QAction* action : bar->actions())
        EXPECT_EQ(bar->actionGeometry(action).top(), bar->actionGeometry(bar->actions()[0]).top())
            << action->text().toStdString() << " wraps at width " << window.width();
}

TEST(DitherMenu, MainWindow) {
    MainWindowRig rig;
    check_dither_menu(*rig.form, rig.state);
}

TEST(DitherMenu, M11WindowAtItsDesignWidth) {
    M11Rig rig;
    check_dither_menu(*rig.form, rig.state);
}

}  // namespace
