#pragma once
// "Color levels" (Form3): one slider per channel, red on top, each inverted
// against its level like the BW levels slider.
#include <QDialog>

#include "engine/rules.h"

namespace converter {

class Form3 : public QDialog {
    Q_OBJECT
  public:
    explicit Form3(ColourLevels& levels, QWidget* parent = nullptr);

  signals:
    // A level changed, however its slider was moved.
    void changed();
};

}  // namespace converter
