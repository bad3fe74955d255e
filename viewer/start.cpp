#include "viewer/start.h"

#include "platform/program_info.h"
#include "viewer/m11_window.h"
#include "viewer/main_window.h"

namespace viewer {
namespace {

std::unique_ptr<QMainWindow> make_11m_window(ViewerState& state, platform::Modal& modal) {
    return std::make_unique<Form2>(state, modal);
}

}  // namespace

std::unique_ptr<QMainWindow> start_viewer(std::string_view argument_text, ViewerState& state,
                                          platform::Modal& modal) {
    if (platform::asks_for_11m(argument_text)) return make_11m_window(state, modal);
    return std::make_unique<Form1>(state, modal);
}

}  // namespace viewer
