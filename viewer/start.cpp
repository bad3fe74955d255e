#include "viewer/start.h"

#include "platform/file_opener.h"
#include "platform/program_info.h"
#include "viewer/file_kind.h"
#include "viewer/m11_window.h"
#include "viewer/main_window.h"

namespace viewer {

std::unique_ptr<QMainWindow> start_viewer(std::string_view argument_text, ViewerState& state,
                                          platform::Modal& modal, const std::string& file) {
    const FileKind kind = file.empty() ? FileKind::screen : kind_of_file(file);
    if (platform::asks_for_11m(argument_text) || kind == FileKind::m11)
        return platform::started(std::make_unique<Form2>(state, modal), file);
    auto window = std::make_unique<Form1>(state, modal);
    if (kind == FileKind::sprite) window->set_window_mode(WindowMode::color64x64);
    return platform::started(std::move(window), file);
}

}  // namespace viewer
