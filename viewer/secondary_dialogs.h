#pragma once
// The secondary windows that both viewer windows open on the program-wide
// state: the Output files dialog for the BMP catalog and the Change color /
// Change BW dialogs. Each is opened at the opener's top-left corner, not
// modal, brought there again when chosen while open, and closed with the
// window that opened it.
#include <QPointer>

#include "platform/modal.h"

class QWidget;

namespace catalogs {
class OutputFilesDialog;
}

namespace viewer {

class Form5;
class Form6;
struct ViewerState;

class SecondaryDialogs {
  public:
    SecondaryDialogs(QWidget& opener, ViewerState& state, platform::Modal& modal);
    SecondaryDialogs(const SecondaryDialogs&) = delete;
    SecondaryDialogs& operator=(const SecondaryDialogs&) = delete;
    ~SecondaryDialogs();

    void show_output_files();
    // "Change BW" for a monochrome picture, else "Change color".
    void show_change_colors(bool mono);

  private:
    QWidget& opener_;
    ViewerState& state_;
    platform::Modal& modal_;
    QPointer<catalogs::OutputFilesDialog> output_files_;
    QPointer<Form5> change_color_;
    QPointer<Form6> change_bw_;
};

}  // namespace viewer
