#pragma once
// The viewer's start: the program-wide state starts at its initial values
// (ViewerState), and the command line picks the window.
#include <QMainWindow>
#include <memory>
#include <string>
#include <string_view>

#include "platform/modal.h"
#include "viewer/state.h"

namespace viewer {

// The window for the argument text, loaded and ready to show: the 11M
// viewer window (Form2) for exactly "/11m" or "/11M", else the main window
// (Form1).
// A `file` given is opened in it as its Open would, once the event loop
// runs. Without the switch, the file's kind picks the window and mode
// (file_kind.h): an 11M file opens in the 11M viewer window, a sprite in
// the main window's color64x64 mode.
std::unique_ptr<QMainWindow> start_viewer(std::string_view argument_text, ViewerState& state,
                                          platform::Modal& modal, const std::string& file = {});

}  // namespace viewer
