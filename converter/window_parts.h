#pragma once
// Pieces both converter windows are built from: menus and their items, the
// picture open request, the scroll bars' set-up and the close confirmation.
#include <QKeySequence>

#include "platform/modal.h"

class QAction;
class QMainWindow;
class QMenu;
class QScrollBar;
class QWidget;

namespace converter {

// A top-level menu named and captioned; its menu action carries the name too.
QMenu* add_menu(QMainWindow& window, const char* name, const char* caption);
QAction* add_menu_item(QMenu& menu, const char* name, const char* caption,
                       const QKeySequence& shortcut = {});

// The open dialog for a JPG, GIF or BMP picture.
platform::OpenRequest picture_open_request();

// Sets up a scroll bar for an overhang of the picture over the window:
// enabled with that maximum, or disabled with its range kept. Unless the
// minimal step is chosen, the arrow step is Max / `parts` (see arrow_step).
void set_up_scroll_bar(QScrollBar& bar, int overhang, bool minimal_step, int parts);

// "Are you sure?": true when the user answers Yes.
bool confirm_close(platform::Modal& modal);

}  // namespace converter
