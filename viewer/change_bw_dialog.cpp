#include "viewer/change_bw_dialog.h"

namespace viewer {
namespace {

const SwatchTarget targets[] = {
    {"Black", packed_rgb(0, 0, 0), true, 0},
    {"White", packed_rgb(255, 255, 255), true, 1},
};

}  // namespace

Form6::Form6(ViewerState& state, QWidget* parent)
    : ColourMapDialog(state, ColourDialog::change_bw, "Form6", "Change BW", targets, parent) {}

}  // namespace viewer
