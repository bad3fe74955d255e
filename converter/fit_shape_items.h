#pragma once
// The Window menu items that choose how Fit_to_window scales (see
// engine/true_shape.h): "Fit_stretch", "Fit_whole_picture" and "Fit_fill",
// exactly one checked. The choice is the program's, for the run, as the
// Dither choice is: both converter windows fit by it, and it is never
// stored.
#include <functional>

#include "engine/true_shape.h"

class QActionGroup;
class QMenu;
class QObject;

namespace converter {

// Makes the items as children of `parent`. Checking one, whether a click, a
// key or an accessibility toggle checked it, sets `choice` and then runs
// `chosen`. `choice` must outlive the items.
QActionGroup* make_fit_shape_items(QObject* parent, FitShape& choice, std::function<void()> chosen);

// Adds the items to `menu`, which checks the current choice whenever it
// opens: another window may have changed it meanwhile.
void add_fit_shape_items(QMenu& menu, QActionGroup& items, const FitShape& choice);

}  // namespace converter
