#include "platform/scripted_modal.h"

namespace platform {

Answer ScriptedModal::message_box(std::string_view text, std::string_view title, Buttons buttons,
                                  Icon icon) {
    messages.push_back({std::string(text), std::string(title), buttons, icon});
    if (buttons == Buttons::ok) return Answer::ok;
    if (answers.empty()) return Answer::no;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

std::string ScriptedModal::open_file(const OpenRequest& request) {
    open_requests.push_back(request);
    if (files.empty()) return {};
    std::string file = files.front();
    files.pop_front();
    return file;
}

void ScriptedModal::set_busy(bool busy) {
    busy_depth += busy ? 1 : -1;
    ever_busy = ever_busy || busy;
}

}  // namespace platform
