#include "launcher/main_window.h"

#include <QPushButton>

namespace launcher {

Form1::Form1(platform::ProcessStart& process_start, platform::Modal& modal, QWidget* parent)
    : QWidget(parent), process_start_(process_start), modal_(modal) {
    setObjectName("Form1");
    setWindowTitle("KVARO shell");
    setFixedSize(client_width, client_height);
    QWidget* previous = nullptr;
    for (const LaunchButton& button : launch_buttons) {
        auto* push = new QPushButton(button.caption, this);
        push->setObjectName(button.name);
        push->setAccessibleName(button.caption);
        push->setGeometry(button_left, button.top, button_width, button_height);
        if (button.program == nullptr) {
            connect(push, &QPushButton::clicked, this, &QWidget::close);
        } else {
            connect(push, &QPushButton::clicked, this, [this, &button] { start_program(button); });
        }
        if (previous != nullptr) setTabOrder(previous, push);
        previous = push;
    }
}

void Form1::start_program(const LaunchButton& button) {
    const auto failure = process_start_.start(button.program, arguments_of(button));
    if (failure) {
        modal_.message_box(platform::error_message(*failure), "KVARO shell", platform::Buttons::ok,
                           platform::Icon::exclamation);
    }
}

}  // namespace launcher
