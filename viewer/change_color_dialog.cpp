#include "viewer/change_color_dialog.h"

#include "formats/bk_screen.h"

namespace viewer {
namespace {

const SwatchTarget targets[] = {
    {"Red", bk::drawn_colour(bk::red), false, bk::red},
    {"Green", bk::drawn_colour(bk::green), false, bk::green},
    {"Blue", bk::drawn_colour(bk::blue), false, bk::blue},
    {"Black", bk::drawn_colour(bk::black), false, bk::black},
};

}  // namespace

Form5::Form5(ViewerState& state, QWidget* parent)
    : ColourMapDialog(state, ColourDialog::change_color, "Form5", "Change color", targets, parent) {
}

}  // namespace viewer
