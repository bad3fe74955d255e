#include "converter/start.h"

#include "converter/m11_window.h"
#include "converter/main_window.h"
#include "platform/file_opener.h"

namespace converter {

std::unique_ptr<QMainWindow> start_converter(std::string_view argument_text, ConverterState& state,
                                             platform::Modal& modal, const std::string& file) {
    if (asks_for_11m(argument_text))
        return platform::started(std::make_unique<Form6>(state, modal), file);
    return platform::started(std::make_unique<Form1>(state, modal), file);
}

}  // namespace converter
