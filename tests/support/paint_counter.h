#pragma once
// Counts the paints of the widgets it is installed on; the Live_view tests
// and bench wait for the picture window's paint with it.
#include <QEvent>
#include <QObject>

namespace testing_support {

class PaintCounter : public QObject {
  public:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
    int paints = 0;
};

}  // namespace testing_support
