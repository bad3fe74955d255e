#include "converter/color_levels_dialog.h"

#include <QPushButton>

#include "converter/level_slider.h"

namespace converter {

Form3::Form3(ColourLevels& levels, QWidget* parent) : QDialog(parent) {
    setObjectName("Form3");
    setWindowTitle("Color levels");
    setFixedSize(312, 168);
    add_level_row(*this, {1, "Red level", "Red", 16}, levels.red);
    add_level_row(*this, {2, "Green level", "Green", 56}, levels.green);
    add_level_row(*this, {3, "Blue level", "Blue", 96}, levels.blue);
    auto* ok = new QPushButton("Ok", this);
    ok->setObjectName("Command1");
    ok->setAccessibleName("Ok");
    ok->setGeometry(123, 134, 65, 25);
    connect(ok, &QPushButton::clicked, this, &QDialog::close);
}

}  // namespace converter
