#pragma once
// Checkable menu items that pick one value of a choice the program keeps for
// the run, exactly one checked: the Dither menu, the Fit_ shapes. Several
// windows may show items for the same choice.
#include <QKeySequence>
#include <QString>
#include <functional>
#include <span>

class QActionGroup;
class QMenu;
class QObject;

namespace platform {

struct ChoiceItem {
    const char* name;
    QString caption;
    QKeySequence shortcut;
    const char* description;  // the tool, status and What's This tip
};

// Makes the items, item k for value k, as children of `parent`, the one of
// `current()` checked. Checking another than the current one, whether a
// click, a key or an accessibility toggle checked it, runs `pick(k)`.
QActionGroup* make_choice_items(QObject* parent, std::span<const ChoiceItem> items,
                                std::function<int()> current, std::function<void(int)> pick);

// Adds the items to `menu`, which checks the one of `current()` whenever it
// opens: another window may have changed the choice meanwhile.
void add_choice_items(QMenu& menu, QActionGroup& items, std::function<int()> current);

}  // namespace platform
