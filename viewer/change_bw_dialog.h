#pragma once
// "Change BW" (Form6): the PC colour of each monochrome bit, black (bit 0)
// above white (bit 1).
#include "viewer/colour_map_dialog.h"

namespace viewer {

class Form6 : public ColourMapDialog {
    Q_OBJECT
  public:
    explicit Form6(ViewerState& state, QWidget* parent = nullptr);
};

}  // namespace viewer
