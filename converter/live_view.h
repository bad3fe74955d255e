#pragma once
// Live_view, one checkable item in both the Mono and the Color menu of each
// converter window. While it is checked and the picture window shows a
// result of View or Convert, each change of what steers that result (a
// level, a change-colour flag, the ditherer, the area or the view over the
// picture) draws the result of the same kind again, without another
// command. Opening a picture, changing the window mode and Redraw show the
// picture again; no result is drawn again until the next View or Convert.
//
// The drawing waits until the events already queued have been handled, and
// then draws with the values current at that moment: changes that come
// faster than the drawing (a dragged slider reports every step) are drawn
// once, with the latest values, and the slider keeps up with the hand. The
// whole result is drawn into the picture window's image and shown with one
// repaint, not row by row. Nothing is written to a file.
//
// Off at start; the setting is the program's, for the run, and never stored.
#include <QObject>
#include <functional>

class QAction;
class QMenu;

namespace platform {
class PixelSurface;
}

namespace converter {

class ConversionPane;

// What the picture window shows over the picture.
enum class ViewResult { none, mono, colour };

class LiveView : public QObject {
    Q_OBJECT
  public:
    // Decides the result of a kind on the surface, which shows the picture
    // as the view places it, and draws it there: the View commands' walk.
    using Walk = std::function<void(ViewResult, platform::PixelSurface&)>;

    // `on` holds the setting for the program; it must outlive the pane.
    LiveView(ConversionPane& pane, bool& on, Walk walk);

    // Adds the item at the end of `menu`. Every menu it is in shows the one
    // item and its one state.
    void add_item(QMenu& menu);

    // View_mono and View_color: the picture afresh, then the result over it
    // row by row.
    void view(ViewResult result);
    // Convert's first step: the picture afresh, which shows no result until
    // the Convert walks (showing), or at all when the Convert stops before.
    // A drawing still waiting, run while a message of the Convert waits for
    // its answer, then leaves alone the picture that the Convert samples.
    void place_picture();
    // What the picture window shows now: the result a Convert drew, or none
    // when the picture was drawn afresh.
    void showing(ViewResult result) { shown_ = result; }
    // A change of what steers the shown result: draws it again soon, when
    // Live_view is on.
    void changed();

  private:
    bool drawing_live() const;
    void draw_again();

    ConversionPane& pane_;
    bool& on_;
    Walk walk_;
    QAction* item_;
    ViewResult shown_ = ViewResult::none;
    bool pending_ = false;
};

}  // namespace converter
