#pragma once
#include "platform/modal.h"

namespace platform {

// Modal answered by a person through Qt's message boxes and file dialog.
class QtModal : public Modal {
  public:
    Answer message_box(std::string_view text, std::string_view title, Buttons buttons,
                       Icon icon) override;
    std::string open_file(const OpenRequest& request) override;
    void set_busy(bool busy) override;
};

}  // namespace platform
