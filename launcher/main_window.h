#pragma once
// The launcher window (Form1, "KVARO shell"): four buttons that start the
// converter or the viewer in its normal or 11M mode, as often as the user
// likes, and Exit. Nothing is kept between clicks.
#include <QWidget>

#include "launcher/launch_table.h"
#include "platform/modal.h"
#include "platform/process_start.h"

namespace launcher {

class Form1 : public QWidget {
    Q_OBJECT
  public:
    Form1(platform::ProcessStart& process_start, platform::Modal& modal, QWidget* parent = nullptr);

  private:
    void start_program(const LaunchButton& button);

    platform::ProcessStart& process_start_;
    platform::Modal& modal_;
};

}  // namespace launcher
