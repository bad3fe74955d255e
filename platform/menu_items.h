#pragma once
// Menus and menu items of a main window, each named for what it is so that
// tests and accessibility tools find it by that name.
#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace platform {

inline QMenu* add_menu(QMainWindow& window, const char* name, const char* caption) {
    QMenu* menu = window.menuBar()->addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

// An item that runs `handler` (a member function or a functor) in the
// context of `receiver` when chosen.
template <class Receiver, class Handler>
QAction* add_menu_item(QMenu* menu, const char* name, const char* caption,
                       const QKeySequence& shortcut, Receiver* receiver, Handler handler) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    QObject::connect(action, &QAction::triggered, receiver, handler);
    return action;
}

}  // namespace platform
