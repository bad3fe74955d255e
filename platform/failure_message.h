#pragma once
// A command's failure as the user sees it: one message box with an
// exclamation icon and an OK button, such as "Error 2: No such file or
// directory" titled "ORVAK: Open". The readers behind the Open commands
// say what to show; the windows show it.
#include <optional>
#include <string>
#include <string_view>

#include "platform/failure.h"
#include "platform/modal.h"

namespace platform {

struct FailureMessage {
    std::string text;
    std::string title;
};

// A platform failure, if any, under a command's title: "Error " + number +
// ": " + description.
inline std::optional<FailureMessage> failure_message(const std::optional<Failure>& failure,
                                                     std::string_view title) {
    if (!failure) return std::nullopt;
    return FailureMessage{error_message(*failure), std::string(title)};
}

// Shows `message`, if there is one: true when it did, so that the command
// stops there.
inline bool show_if_failed(Modal& modal, const std::optional<FailureMessage>& message) {
    if (!message) return false;
    modal.message_box(message->text, message->title, Buttons::ok, Icon::exclamation);
    return true;
}

}  // namespace platform
