#include "converter/start.h"

#include "converter/main_window.h"

namespace converter {

bool asks_for_11m(std::string_view argument_text) {
    return argument_text == "/11m" || argument_text == "/11M";
}

std::unique_ptr<QMainWindow> start_converter(std::string_view /*argument_text*/,
                                             ConverterState& state, platform::Modal& modal) {
    return std::make_unique<Form1>(state, modal);
}

}  // namespace converter
