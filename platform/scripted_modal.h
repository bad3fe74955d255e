#pragma once
// A Modal that answers from a script and records what it was shown.
#include <deque>
#include <string>
#include <vector>

#include "platform/modal.h"

namespace platform {

struct ShownMessage {
    std::string text;
    std::string title;
    Buttons buttons;
    Icon icon;
};

class ScriptedModal : public Modal {
  public:
    // Answers for Yes/No questions, in order; when none is left, "No".
    std::deque<Answer> answers;
    // Paths for the open dialog, in order; when none is left, cancel.
    std::deque<std::string> files;

    std::vector<ShownMessage> messages;
    std::vector<OpenRequest> open_requests;
    int busy_depth = 0;
    bool ever_busy = false;

    Answer message_box(std::string_view text, std::string_view title, Buttons buttons,
                       Icon icon) override;
    std::string open_file(const OpenRequest& request) override;
    void set_busy(bool busy) override;
};

}  // namespace platform
