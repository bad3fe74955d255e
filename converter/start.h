#pragma once
// The converter's start: which main window the command line asks for.
#include <QMainWindow>
#include <memory>
#include <string_view>

#include "converter/command_line.h"
#include "converter/state.h"
#include "platform/modal.h"

namespace converter {

// The main window for the argument text, loaded and ready to show.
// NOTE: the 11M window is not part of the converter yet; until it is,
// "/11m" opens the main window as well.
std::unique_ptr<QMainWindow> start_converter(std::string_view argument_text, ConverterState& state,
                                             platform::Modal& modal);

}  // namespace converter
