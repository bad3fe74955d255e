#pragma once
// Pieces both converter windows are built from: the picture open request
// and the scroll bars' set-up.
#include <Qt>

#include "engine/dither.h"
#include "platform/modal.h"
#include "platform/picture_canvas.h"

class QScrollBar;
class QWidget;

namespace converter {

// The open dialog for a picture: JPG, GIF, BMP, PNG or any other that Qt
// reads (platform/open_filters.h).
platform::OpenRequest picture_open_request();

// Sets up a scroll bar for an overhang of the picture over the window:
// enabled with that maximum, or disabled with its range kept. Unless the
// minimal step is chosen, the arrow step is Max / `parts` (see arrow_step).
void set_up_scroll_bar(QScrollBar& bar, int overhang, bool minimal_step, int parts);

// Fit to window stretches smoothly; with a ditherer, by area averaging, so
// that fine detail reaches the ditherer as grey rather than as aliasing.
constexpr platform::Stretch stretch_for(Dither dither) {
    return dither == Dither::none ? platform::Stretch::smooth : platform::Stretch::area_average;
}

}  // namespace converter
