#include "converter/color_levels_dialog.h"

#include <QSlider>

#include "converter/level_slider.h"
#include "platform/ok_button.h"

namespace converter {

Form3::Form3(ColourLevels& levels, QWidget* parent) : QDialog(parent) {
    setObjectName("Form3");
    setWindowTitle("Color levels");
    setFixedSize(312, 168);
    for (QSlider* slider : {add_level_row(*this, {1, "Red level", "Red", 16}, levels.red),
                            add_level_row(*this, {2, "Green level", "Green", 56}, levels.green),
                            add_level_row(*this, {3, "Blue level", "Blue", 96}, levels.blue)})
        connect(slider, &QSlider::valueChanged, this, &Form3::changed);
    platform::add_closing_ok_button(*this, {123, 134, 65, 25});
}

}  // namespace converter
