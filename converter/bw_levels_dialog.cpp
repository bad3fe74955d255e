#include "converter/bw_levels_dialog.h"

#include <QPushButton>

#include "converter/level_slider.h"

namespace converter {

Form2::Form2(int& bw_level, QWidget* parent) : QDialog(parent), bw_level_(bw_level) {
    setObjectName("Form2");
    setWindowTitle("BW levels");
    setFixedSize(312, 104);
    add_level_row(*this, {1, "BW level", "White", 16}, bw_level_);
    auto* ok = new QPushButton("Ok", this);
    ok->setObjectName("Command1");
    ok->setAccessibleName("Ok");
    ok->setGeometry(123, 66, 65, 25);
    connect(ok, &QPushButton::clicked, this, &QDialog::close);
}

}  // namespace converter
