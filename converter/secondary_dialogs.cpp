#include "converter/secondary_dialogs.h"

#include "catalogs/output_files_dialog.h"
#include "converter/bw_levels_dialog.h"
#include "converter/change_colors_dialog.h"
#include "converter/color_levels_dialog.h"
#include "converter/state.h"
#include "platform/secondary_window.h"

namespace converter {

SecondaryDialogs::SecondaryDialogs(QWidget& opener, ConverterState& state, platform::Modal& modal,
                                   std::function<void()> changed)
    : opener_(opener), state_(state), modal_(modal), changed_(std::move(changed)) {}

SecondaryDialogs::~SecondaryDialogs() {
    platform::close_secondary(output_files_);
    platform::close_secondary(bw_levels_);
    platform::close_secondary(colour_levels_);
    platform::close_secondary(change_colours_);
}

void SecondaryDialogs::show_output_files(const catalogs::OutputFilesLayout& layout) {
    auto* dialog = platform::show_secondary(output_files_, opener_, [this, &layout] {
        return new catalogs::OutputFilesDialog(layout, state_.catalogs, modal_);
    });
    dialog->fill();
}

template <class Dialog>
Dialog* SecondaryDialogs::reporting_changes(Dialog* dialog) {
    QObject::connect(dialog, &Dialog::changed, dialog, [this] { changed_(); });
    return dialog;
}

void SecondaryDialogs::show_bw_levels() {
    platform::show_secondary(bw_levels_, opener_,
                             [this] { return reporting_changes(new Form2(state_.bw_level)); });
}

void SecondaryDialogs::show_colour_levels() {
    platform::show_secondary(colour_levels_, opener_,
                             [this] { return reporting_changes(new Form3(state_.colour_levels)); });
}

void SecondaryDialogs::show_change_colours() {
    auto* dialog = platform::show_secondary(change_colours_, opener_, [this] {
        return reporting_changes(new Form4(state_.swap_flags));
    });
    dialog->focus_first();
}

}  // namespace converter
