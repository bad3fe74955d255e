#include "converter/bw_levels_dialog.h"

#include <QSlider>

#include "converter/level_slider.h"
#include "platform/ok_button.h"

namespace converter {

Form2::Form2(int& bw_level, QWidget* parent) : QDialog(parent), bw_level_(bw_level) {
    setObjectName("Form2");
    setWindowTitle("BW levels");
    setFixedSize(312, 104);
    connect(add_level_row(*this, {1, "BW level", "White", 16}, bw_level_), &QSlider::valueChanged,
            this, &Form2::changed);
    platform::add_closing_ok_button(*this, {123, 66, 65, 25});
}

}  // namespace converter
