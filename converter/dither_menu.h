#pragma once
// The menu "Dither" of both converter windows: "None", "Floyd-Steinberg",
// "Atkinson" and "Ordered", exactly one checked. The choice is the
// program's, for the run: both windows' View and Convert commands use it,
// and it is never stored.
#include <functional>

#include "engine/dither.h"

class QMainWindow;
class QMenu;

namespace converter {

// Adds the menu at the end of the window's menu bar. `choice` must outlive
// the window. `chosen`, if given, runs after each change of the choice.
QMenu* add_dither_menu(QMainWindow& window, Dither& choice,
                       const std::function<void()>& chosen = {});

}  // namespace converter
