#pragma once
// "BW levels" (Form2): one slider for the BW level, inverted against it:
// further right ("White") is a lower level and more white pixels.
#include <QDialog>

namespace converter {

class Form2 : public QDialog {
    Q_OBJECT
  public:
    explicit Form2(int& bw_level, QWidget* parent = nullptr);

  signals:
    // The level changed, however the slider was moved.
    void changed();

  private:
    int& bw_level_;
};

}  // namespace converter
