#pragma once
// "Change color" (Form5): the PC colour of each BK colour index, from the
// top red (index 3), green (2), blue (1) and black (0).
#include "viewer/colour_map_dialog.h"

namespace viewer {

class Form5 : public ColourMapDialog {
    Q_OBJECT
  public:
    explicit Form5(ViewerState& state, QWidget* parent = nullptr);
};

}  // namespace viewer
