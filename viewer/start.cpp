#include "viewer/start.h"

#include "platform/file_opener.h"
#include "platform/program_info.h"
#include "viewer/m11_window.h"
#include "viewer/main_window.h"

namespace viewer {

std::unique_ptr<QMainWindow> start_viewer(std::string_view argument_text, ViewerState& state,
                                          platform::Modal& modal, const std::string& file) {
    if (platform::asks_for_11m(argument_text))
        return platform::started(std::make_unique<Form2>(state, modal), file);
    return platform::started(std::make_unique<Form1>(state, modal), file);
}

}  // namespace viewer
