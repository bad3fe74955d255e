#include "converter/start.h"

#include "converter/m11_window.h"
#include "converter/main_window.h"

namespace converter {

std::unique_ptr<QMainWindow> start_converter(std::string_view argument_text, ConverterState& state,
                                             platform::Modal& modal) {
    if (asks_for_11m(argument_text)) return std::make_unique<Form6>(state, modal);
    return std::make_unique<Form1>(state, modal);
}

}  // namespace converter
