#include "converter/level_slider.h"

#include <QLabel>
#include <QSlider>

namespace converter {

QSlider* add_level_row(QWidget& dialog, const LevelRow& row, int& level) {
    auto* dark = new QLabel("Black", &dialog);
    dark->setObjectName(QString("Label%1").arg(2 * row.number - 1));
    dark->setGeometry(8, row.top + 4, 40, 17);
    auto* slider = new QSlider(Qt::Horizontal, &dialog);
    slider->setObjectName(QString("Slider%1").arg(row.number));
    slider->setAccessibleName(row.name);
    slider->setRange(0, 255);
    slider->setValue(255 - level);
    slider->setGeometry(52, row.top, 208, 25);
    auto* light = new QLabel(row.light_end, &dialog);
    light->setObjectName(QString("Label%1").arg(2 * row.number));
    light->setGeometry(264, row.top + 4, 44, 17);
    QObject::connect(slider, &QSlider::valueChanged, &dialog,
                     [&level](int value) { level = 255 - value; });
    return slider;
}

}  // namespace converter
