#pragma once
// The converter's start: which main window the command line asks for.
#include <QMainWindow>
#include <memory>
#include <string>
#include <string_view>

#include "converter/command_line.h"
#include "converter/state.h"
#include "platform/modal.h"

namespace converter {

// The main window for the argument text, loaded and ready to show: the 11M
// window (Form6) for exactly "/11m" or "/11M", else the main window (Form1).
// A `file` given is opened in it as its Open would, once the event loop runs.
std::unique_ptr<QMainWindow> start_converter(std::string_view argument_text, ConverterState& state,
                                             platform::Modal& modal, const std::string& file = {});

}  // namespace converter
