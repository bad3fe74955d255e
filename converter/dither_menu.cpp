#include "converter/dither_menu.h"

#include <QActionGroup>
#include <string>

#include "platform/menus.h"

namespace converter {
namespace {

struct DitherItem {
    Dither dither;
    const char* name;
    const char* shortcut;
    const char* description;
};

// Ctrl+1..4: the letters of the captions are taken by the other menus.
constexpr DitherItem dither_items[] = {
    {Dither::none, "dnone_mnu", "Ctrl+1", "Each pixel by the level rules"},
    {Dither::floyd_steinberg, "dfs_mnu", "Ctrl+2", "Floyd-Steinberg error diffusion"},
    {Dither::atkinson, "datk_mnu", "Ctrl+3", "Atkinson error diffusion, sharper"},
    {Dither::ordered, "dord_mnu", "Ctrl+4", "Ordered 8 x 8 pattern"},
};

}  // namespace

QMenu* add_dither_menu(QMainWindow& window, Dither& choice, const std::function<void()>& chosen) {
    QMenu* menu = platform::add_menu(window, "dither_mnu", "Dither");
    auto* group = new QActionGroup(menu);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    for (const DitherItem& item : dither_items) {
        const auto caption = std::string(dithers[int(item.dither)].caption);
        QAction* action =
            platform::add_menu_item(*menu, item.name, caption.c_str(), QKeySequence(item.shortcut));
        action->setCheckable(true);
        action->setChecked(item.dither == choice);
        action->setToolTip(item.description);
        action->setStatusTip(item.description);
        group->addAction(action);
        // Acts on the checked state, whether a click, a shortcut or an
        // accessibility toggle checked the item.
        QObject::connect(action, &QAction::toggled, menu,
                         [&choice, chosen, dither = item.dither](bool checked) {
                             if (!checked) return;
                             choice = dither;
                             if (chosen) chosen();
                         });
    }
    // Another window may have changed the choice meanwhile.
    QObject::connect(menu, &QMenu::aboutToShow, menu,
                     [group, &choice] { group->actions()[int(choice)]->setChecked(true); });
    return menu;
}

}  // namespace converter
