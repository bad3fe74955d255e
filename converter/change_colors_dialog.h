#pragma once
// "Change colors" (Form4): four frames of three picture buttons, one per
// change-colour flag. A frame keeps at most one of its buttons pressed.
#include <QDialog>
#include <array>

#include "engine/rules.h"

class QAbstractButton;

namespace converter {

class Form4 : public QDialog {
    Q_OBJECT
  public:
    explicit Form4(SwapFlags& flags, QWidget* parent = nullptr);

    // Puts the input focus on the first button (Check1).
    void focus_first();

  signals:
    // The flags changed, however a button was pressed or let go.
    void changed();

  private:
    void button_toggled(int flag, bool checked);

    SwapFlags& flags_;
    std::array<QAbstractButton*, 12> buttons_{};
};

}  // namespace converter
