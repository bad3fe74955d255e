#include "converter/fit_shape_items.h"

#include "platform/choice_items.h"

namespace converter {

QActionGroup* make_fit_shape_items(QObject* parent, FitShape& choice,
                                   std::function<void()> chosen) {
    static const platform::ChoiceItem items[] = {
        {"ftwstretch_mnu", "Fit_stretch", {}, "Fit stretches the picture over the whole window"},
        {"ftwwhole_mnu",
         "Fit_whole_picture",
         {},
         "Fit shows the whole picture, keeping its own shape on the BK, centred on black"},
        {"ftwfill_mnu",
         "Fit_fill",
         {},
         "Fit fills the window, the picture keeping its own shape on the BK; the scroll bar "
         "chooses what is cut off"},
    };
    return platform::make_choice_items(
        parent, items, [&choice] { return int(choice); },
        [&choice, chosen = std::move(chosen)](int k) {
            choice = FitShape(k);
            chosen();
        });
}

void add_fit_shape_items(QMenu& menu, QActionGroup& items, const FitShape& choice) {
    platform::add_choice_items(menu, items, [&choice] { return int(choice); });
}

}  // namespace converter
