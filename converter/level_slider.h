#pragma once
// A row of a levels dialog: "Black" on the left, a slider 0..255 that shows
// and sets 255 - level, and the light end's name on the right.
#include <QWidget>

class QSlider;

namespace converter {

struct LevelRow {
    int number;             // Slider<number>; labels Label<2n-1>, Label<2n>
    const char* name;       // accessible name of the slider
    const char* light_end;  // "White", "Red", ...
    int top;
};

// Returns the slider, which reports every move as valueChanged.
QSlider* add_level_row(QWidget& dialog, const LevelRow& row, int& level);

}  // namespace converter
