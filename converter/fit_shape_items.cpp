#include "converter/fit_shape_items.h"

#include <QActionGroup>
#include <QMenu>

namespace converter {
namespace {

struct FitShapeItem {
    FitShape shape;
    const char* name;
    const char* caption;
    const char* description;
};

constexpr FitShapeItem fit_shape_items[] = {
    {FitShape::stretch, "ftwstretch_mnu", "Fit_stretch",
     "Fit stretches the picture over the whole window"},
    {FitShape::whole, "ftwwhole_mnu", "Fit_whole_picture",
     "Fit shows the whole picture, keeping its own shape on the BK, centred on black"},
    {FitShape::fill, "ftwfill_mnu", "Fit_fill",
     "Fit fills the window, the picture keeping its own shape on the BK; the scroll bar "
     "chooses what is cut off"},
};

}  // namespace

QActionGroup* make_fit_shape_items(QObject* parent, FitShape& choice,
                                   std::function<void()> chosen) {
    auto* group = new QActionGroup(parent);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    for (const FitShapeItem& item : fit_shape_items) {
        auto* action = new QAction(item.caption, group);
        action->setObjectName(item.name);
        action->setCheckable(true);
        action->setChecked(item.shape == choice);
        action->setToolTip(item.description);
        action->setStatusTip(item.description);
        action->setWhatsThis(item.description);
        QObject::connect(action, &QAction::toggled, group,
                         [&choice, chosen, shape = item.shape](bool checked) {
                             if (!checked || choice == shape) return;
                             choice = shape;
                             chosen();
                         });
    }
    return group;
}

void add_fit_shape_items(QMenu& menu, QActionGroup& items, const FitShape& choice) {
    menu.addActions(items.actions());
    QObject::connect(&menu, &QMenu::aboutToShow, &items,
                     [&items, &choice] { items.actions()[int(choice)]->setChecked(true); });
}

}  // namespace converter
