#pragma once
// Menus of the main windows: each menu and item carries its name as its
// objectName, so tests and screen readers find it.
#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <initializer_list>
#include <type_traits>
#include <utility>
#include <vector>

namespace platform {

// A top-level menu named and captioned; its menu action carries the name too.
inline QMenu* add_menu(QMainWindow& window, const char* name, const char* caption) {
    QMenu* menu = window.menuBar()->addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

inline QAction* add_menu_item(QMenu& menu, const char* name, const char* caption,
                              const QKeySequence& shortcut = {}) {
    QAction* action = menu.addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    return action;
}

// An item whose choice runs `handler` (a member function of `receiver`, or a
// functor) in the context of `receiver`; a null member function runs nothing.
template <class Receiver, class Handler>
QAction* add_menu_item(QMenu& menu, const char* name, const char* caption,
                       const QKeySequence& shortcut, Receiver* receiver, Handler handler) {
    QAction* action = add_menu_item(menu, name, caption, shortcut);
    if constexpr (std::is_member_function_pointer_v<Handler>) {
        if (handler == nullptr) return action;
    }
    QObject::connect(action, &QAction::triggered, receiver, handler);
    return action;
}

// Checkable items that pick one of a window's modes. The window checks the
// mode it is in with check().
template <class Mode>
class ModeItems {
  public:
    struct Item {
        const char* name;
        const char* caption;
        Mode mode;
    };

    // Adds the items to `menu`; choosing one runs `choose(mode)` in the
    // context of `receiver`.
    template <class Choose>
    void add(QMenu& menu, std::initializer_list<Item> items, QObject* receiver, Choose choose) {
        for (const Item& item : items) {
            QAction* action = add_menu_item(menu, item.name, item.caption);
            action->setCheckable(true);
            QObject::connect(action, &QAction::triggered, receiver,
                             [choose, mode = item.mode] { choose(mode); });
            actions_.emplace_back(action, item.mode);
        }
    }

    void check(Mode mode) const {
        for (const auto& [action, item_mode] : actions_) action->setChecked(item_mode == mode);
    }

  private:
    std::vector<std::pair<QAction*, Mode>> actions_;
};

}  // namespace platform
