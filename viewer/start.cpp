#include "viewer/start.h"

#include "platform/file_opener.h"
#include "platform/program_info.h"
#include "viewer/m11_window.h"
#include "viewer/main_window.h"

namespace viewer {
namespace {

template <class Window>
std::unique_ptr<QMainWindow> started(std::unique_ptr<Window> window, const std::string& file) {
    platform::open_when_started(*window, *window, file);
    return window;
}

}  // namespace

std::unique_ptr<QMainWindow> start_viewer(std::string_view argument_text, ViewerState& state,
                                          platform::Modal& modal, const std::string& file) {
    if (platform::asks_for_11m(argument_text))
        return started(std::make_unique<Form2>(state, modal), file);
    return started(std::make_unique<Form1>(state, modal), file);
}

}  // namespace viewer
