#include "viewer/secondary_dialogs.h"

#include "catalogs/output_files_dialog.h"
#include "platform/secondary_window.h"
#include "viewer/change_bw_dialog.h"
#include "viewer/change_color_dialog.h"
#include "viewer/state.h"

namespace viewer {

SecondaryDialogs::SecondaryDialogs(QWidget& opener, ViewerState& state, platform::Modal& modal)
    : opener_(opener), state_(state), modal_(modal) {}

SecondaryDialogs::~SecondaryDialogs() {
    platform::close_secondary(output_files_);
    platform::close_secondary(change_color_);
    platform::close_secondary(change_bw_);
}

void SecondaryDialogs::show_output_files() {
    auto* dialog = platform::show_secondary(output_files_, opener_, [this] {
        return new catalogs::OutputFilesDialog(catalogs::viewer_output_files_layout(),
                                               state_.catalogs, modal_);
    });
    dialog->fill();
}

void SecondaryDialogs::show_change_colors(bool mono) {
    if (mono) {
        platform::show_secondary(change_bw_, opener_, [this] { return new Form6(state_); });
    } else {
        platform::show_secondary(change_color_, opener_, [this] { return new Form5(state_); });
    }
}

}  // namespace viewer
