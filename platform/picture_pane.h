#pragma once
// The client area ("client") of a main window that shows a picture: the
// etched separator under the menu bar (Line1, Line2), the picture window
// Picture1 with its top-left corner at a fixed place and, in a window that
// scrolls its picture, the scroll bars HScroll1 along the picture window's
// bottom edge and VScroll1 along its right edge. The window puts its other
// controls on the pane and sizes it with lay_out().
#include <QWidget>

class QMainWindow;
class QScrollBar;

namespace platform {

class PictureWindow;

enum class ScrollBars { none, along_picture };

struct PaneLayout {
    QSize picture;  // the picture window, in screen pixels
    QSize client;   // the whole pane
    int line_end;   // the separator lines' right end
};

class PicturePane : public QWidget {
    Q_OBJECT
  public:
    // The pane becomes `window`'s central widget. The scroll bars start
    // empty and disabled, stepping one pixel a page.
    PicturePane(QMainWindow& window, QPoint picture_origin, ScrollBars bars);

    PictureWindow& picture() const { return *picture_; }
    // Null in a pane without scroll bars.
    QScrollBar* horizontal_bar() const { return hscroll_; }
    QScrollBar* vertical_bar() const { return vscroll_; }

    // Sizes the picture window (what was drawn stays where it fits), lays
    // the scroll bars along it, and sizes the pane and the separator.
    void lay_out(const PaneLayout& layout);

  private:
    PictureWindow* picture_ = nullptr;
    QScrollBar* hscroll_ = nullptr;
    QScrollBar* vscroll_ = nullptr;
    QWidget* line1_ = nullptr;
    QWidget* line2_ = nullptr;
};

}  // namespace platform
