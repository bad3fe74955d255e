#include "converter/start.h"

#include "converter/m11_window.h"
#include "converter/main_window.h"
#include "platform/file_opener.h"

namespace converter {

namespace {

template <class Window>
std::unique_ptr<QMainWindow> started(std::unique_ptr<Window> window, const std::string& file) {
    platform::open_when_started(*window, *window, file);
    return window;
}

}  // namespace

std::unique_ptr<QMainWindow> start_converter(std::string_view argument_text, ConverterState& state,
                                             platform::Modal& modal, const std::string& file) {
    if (asks_for_11m(argument_text)) return started(std::make_unique<Form6>(state, modal), file);
    return started(std::make_unique<Form1>(state, modal), file);
}

}  // namespace converter
