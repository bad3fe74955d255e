#include "platform/choice_items.h"

#include <QActionGroup>
#include <QMenu>

namespace platform {

QActionGroup* make_choice_items(QObject* parent, std::span<const ChoiceItem> items,
                                std::function<int()> current, std::function<void(int)> pick) {
    auto* group = new QActionGroup(parent);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    for (int k = 0; k < int(items.size()); ++k) {
        const ChoiceItem& item = items[std::size_t(k)];
        auto* action = new QAction(item.caption, group);
        action->setObjectName(item.name);
        action->setShortcut(item.shortcut);
        action->setCheckable(true);
        action->setChecked(k == current());
        action->setToolTip(item.description);
        action->setStatusTip(item.description);
        action->setWhatsThis(item.description);
        QObject::connect(action, &QAction::toggled, group, [current, pick, k](bool checked) {
            if (checked && k != current()) pick(k);
        });
    }
    return group;
}

void add_choice_items(QMenu& menu, QActionGroup& items, std::function<int()> current) {
    menu.addActions(items.actions());
    QObject::connect(&menu, &QMenu::aboutToShow, &items, [&items, current = std::move(current)] {
        items.actions()[current()]->setChecked(true);
    });
}

}  // namespace platform
