#pragma once
// The viewer's start: the program-wide state starts at its initial values
// (ViewerState), and the command line picks the main window.
#include <QMainWindow>
#include <memory>
#include <string_view>

#include "platform/modal.h"
#include "viewer/state.h"

namespace viewer {

// The window for the argument text, loaded and ready to show: the 11M
// viewer window for exactly "/11m" or "/11M", else the main window (Form1).
// NOTE: the 11M viewer window is not part of the viewer yet; until it is,
// "/11m" and "/11M" open the main window as well.
std::unique_ptr<QMainWindow> start_viewer(std::string_view argument_text, ViewerState& state,
                                          platform::Modal& modal);

}  // namespace viewer
