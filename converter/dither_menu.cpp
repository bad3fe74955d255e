#include "converter/dither_menu.h"

#include <QActionGroup>

#include "platform/choice_items.h"
#include "platform/menus.h"

namespace converter {

QMenu* add_dither_menu(QMainWindow& window, Dither& choice, const std::function<void()>& chosen) {
    // Ctrl+1..4: the letters of the captions are taken by the other menus.
    const auto item = [](Dither dither, const char* name, const char* shortcut,
                         const char* description) {
        const std::string_view caption = dithers[int(dither)].caption;
        return platform::ChoiceItem{name,
                                    QString::fromUtf8(caption.data(), qsizetype(caption.size())),
                                    QKeySequence(shortcut), description};
    };
    const platform::ChoiceItem items[] = {
        item(Dither::none, "dnone_mnu", "Ctrl+1", "Each pixel by the level rules"),
        item(Dither::floyd_steinberg, "dfs_mnu", "Ctrl+2", "Floyd-Steinberg error diffusion"),
        item(Dither::atkinson, "datk_mnu", "Ctrl+3", "Atkinson error diffusion, sharper"),
        item(Dither::ordered, "dord_mnu", "Ctrl+4", "Ordered 8 x 8 pattern"),
    };
    QMenu* menu = platform::add_menu(window, "dither_mnu", "Dither");
    const auto current = [&choice] { return int(choice); };
    QActionGroup* group =
        platform::make_choice_items(menu, items, current, [&choice, chosen](int k) {
            choice = Dither(k);
            if (chosen) chosen();
        });
    platform::add_choice_items(*menu, *group, current);
    return menu;
}

}  // namespace converter
