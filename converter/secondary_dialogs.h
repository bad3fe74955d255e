#pragma once
// The secondary windows that both converter windows open on the program-wide
// state: BW levels, Color levels, Change colors and an Output files dialog.
// Each is opened at the opener's top-left corner, not modal, brought there
// again when chosen while open, and closed with the window that opened it.
#include <QPointer>
#include <functional>

#include "platform/modal.h"

class QWidget;

namespace catalogs {
class OutputFilesDialog;
struct OutputFilesLayout;
}  // namespace catalogs

namespace converter {

class Form2;
class Form3;
class Form4;
struct ConverterState;

class SecondaryDialogs {
  public:
    // `changed` runs whenever a level or change-colour flag is changed in
    // one of them.
    SecondaryDialogs(QWidget& opener, ConverterState& state, platform::Modal& modal,
                     std::function<void()> changed);
    SecondaryDialogs(const SecondaryDialogs&) = delete;
    SecondaryDialogs& operator=(const SecondaryDialogs&) = delete;
    ~SecondaryDialogs();

    void show_output_files(const catalogs::OutputFilesLayout& layout);
    void show_bw_levels();
    void show_colour_levels();
    // Puts the focus on the first flag each time.
    void show_change_colours();

  private:
    template <class Dialog>
    Dialog* reporting_changes(Dialog* dialog);

    QWidget& opener_;
    ConverterState& state_;
    platform::Modal& modal_;
    std::function<void()> changed_;
    QPointer<catalogs::OutputFilesDialog> output_files_;
    QPointer<Form2> bw_levels_;
    QPointer<Form3> colour_levels_;
    QPointer<Form4> change_colours_;
};

}  // namespace converter
