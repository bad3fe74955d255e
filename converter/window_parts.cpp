#include "converter/window_parts.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QScrollBar>

#include "converter/rules.h"

namespace converter {

QMenu* add_menu(QMainWindow& window, const char* name, const char* caption) {
    QMenu* menu = window.menuBar()->addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

QAction* add_menu_item(QMenu& menu, const char* name, const char* caption,
                       const QKeySequence& shortcut) {
    QAction* action = menu.addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    return action;
}

platform::OpenRequest picture_open_request() {
    return {"", "jpg", "JPG Files (*.jpg)|*.jpg|GIF Files (*.gif)|*.gif|BMP Files (*.bmp)|*.bmp|",
            1};
}

void set_up_scroll_bar(QScrollBar& bar, int overhang, bool minimal_step, int parts) {
    if (overhang > 0) {
        bar.setMaximum(overhang);
        bar.setEnabled(true);
    } else {
        bar.setEnabled(false);
    }
    if (!minimal_step) bar.setSingleStep(arrow_step(bar.maximum(), parts));
}

bool confirm_close(platform::Modal& modal) {
    return modal.message_box("Are you sure?", "KVARO", platform::Buttons::yes_no,
                             platform::Icon::question) == platform::Answer::yes;
}

}  // namespace converter
