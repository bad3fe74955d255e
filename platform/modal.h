#pragma once
// Everything that waits for the user: message boxes, the open dialog, and
// the busy pointer shown while a command works. Windows reach these only
// through this interface, so that tests can script the answers.
#include <string>
#include <string_view>

namespace platform {

// Yes/No boxes take Enter as Yes, except yes_no_default_no: a question
// whose Yes loses data (replacing a file) takes Enter as No.
enum class Buttons { ok, yes_no, yes_no_default_no };
enum class Icon { none, exclamation, question, critical };
enum class Answer { ok, yes, no };

struct OpenRequest {
    std::string file_name;
    std::string default_extension;  // without the dot, as "jpg"
    // Pairs of description and pattern, each followed by '|':
    // "JPG Files (*.jpg)|*.jpg|GIF Files (*.gif)|*.gif|".
    std::string filter;
    int filter_index = 1;  // 1-based
};

class Modal {
  public:
    virtual ~Modal() = default;
    virtual Answer message_box(std::string_view text, std::string_view title, Buttons buttons,
                               Icon icon) = 0;
    // The chosen file's full path, or an empty string when the user cancels.
    virtual std::string open_file(const OpenRequest& request) = 0;
    virtual void set_busy(bool busy) = 0;
};

// Shows the busy pointer for as long as it lives.
class BusyPointer {
  public:
    explicit BusyPointer(Modal& modal) : modal_(modal) { modal_.set_busy(true); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
    ~BusyPointer() { modal_.set_busy(false); }

  private:
    Modal& modal_;
};

// "Are you sure?" before a main window closes: true when the user answers Yes.
inline bool confirm_close(Modal& modal, std::string_view program_name) {
    return modal.message_box("Are you sure?", program_name, Buttons::yes_no, Icon::question) ==
           Answer::yes;
}

}  // namespace platform
