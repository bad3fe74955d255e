#pragma once
// What the two colour dialogs share: one frame per BK colour (or bit) with
// its fixed BK colour on the left and, on the right, a swatch of the PC
// colour it is drawn in; below them the frame "Colors" with the 16 colour
// buttons in two rows of eight, exactly one pressed; and "Ok".
//
// A colour is assigned in two clicks: a colour button makes its colour the
// current dialog colour, then a click on a swatch gives that colour to the
// swatch and to its map entry at once. Nothing is redrawn; the picture
// shows the new colours at its next drawing. There is no Cancel.
#include <QDialog>
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "viewer/palette.h"
#include "viewer/state.h"

namespace viewer {

class ColourButton;
class ColourSwatch;

// One frame: which map entry its swatch sets.
struct SwatchTarget {
    const char* caption;  // frame caption, "Red"
    std::int32_t fixed;   // the BK colour (or bit) shown on the left
    bool mono;            // the mono map, else the colour map
    int entry;            // BK colour index or bit
};

class ColourMapDialog : public QDialog {
    Q_OBJECT
  protected:
    ColourMapDialog(ViewerState& state, ColourDialog which, const char* object_name,
                    const char* caption, std::span<const SwatchTarget> targets,
                    QWidget* parent = nullptr);

  private:
    void add_swatch_frame(int number, const SwatchTarget& target);
    void add_colour_buttons(int top);
    void colour_pressed(int button);
    void swatch_clicked(std::size_t target);
    std::int32_t& entry_of(const SwatchTarget& target);

    ViewerState& state_;
    ColourDialog which_;
    std::vector<SwatchTarget> targets_;
    std::vector<ColourSwatch*> swatches_;
    std::array<ColourButton*, colour_buttons> buttons_{};
};

}  // namespace viewer
