#pragma once
// The picture pane of both converter windows. The loaded picture shows in
// the picture window at its natural size, moved by the scroll bars, or,
// with Fit_to_window, fitted to the whole window in the shape chosen with
// the Fit_ items (fit_shape_items.h); the conversions sample what it shows.
// The Window menu's Fit_to_window, the Fit_ items, Redraw, MinXscroll and
// MinYscroll steer it.
#include <QSize>
#include <string>
#include <string_view>

#include "engine/dither.h"
#include "engine/true_shape.h"
#include "platform/modal.h"
#include "platform/picture_pane.h"

class QAction;
class QActionGroup;
class QKeySequence;
class QMenu;

namespace converter {

// The open dialog for a picture: JPG, GIF, BMP, PNG or any other that Qt
// reads (platform/open_filters.h).
platform::OpenRequest picture_open_request();

// Where drawing the picture leaves the view.
enum class ViewPlace {
    // At the top-left corner, except that Redraw keeps it where it is (the
    // main window).
    top_left,
    // At the same relative place, whatever the area's size; a newly loaded
    // picture starts at its top-left corner (the 11M window).
    same_relative_place,
};

struct ConversionPaneDesign {
    QPoint picture_origin;
    int arrow_parts;  // a scroll bar's arrow step is its Max / parts (arrow_step)
    ViewPlace view_place;
};

class ConversionPane : public platform::PicturePane {
    Q_OBJECT
  public:
    // Fit mode scales for the ditherer chosen in `dither` at the time, in
    // the shape `shape` holds at the time; the Fit_ items choose `shape`.
    ConversionPane(QMainWindow& window, const ConversionPaneDesign& design, const Dither& dither,
                   FitShape& shape);

    // Fit_to_window, the Fit_ items, Redraw, MinXscroll and MinYscroll at
    // the end of `menu`; all but the Fit_ items disabled until the first
    // picture.
    void add_window_items(QMenu& menu);

    // The shape of the area's pixels on the BK, for the Fit_ shapes other
    // than stretch (colour_pixel until set).
    void set_pixel_shape(PixelShape pixel) { pixel_ = pixel; }

    // Open after the dialog: decodes the file under the busy pointer and
    // makes it the loaded picture over a cleared picture window, enabling
    // the Window items with the first one; or shows why not, titled
    // `error_title`, and keeps what was loaded.
    bool load_picture(const std::string& path, platform::Modal& modal,
                      std::string_view error_title);
    bool picture_loaded() const { return picture_loaded_; }

    // draw_picture: places the picture and sets the scroll bars up for what
    // it overhangs the picture window, leaving the view as ViewPlace says.
    void draw_picture();
    // Draws the loaded picture as the view shows it: fitted to the window in
    // fit mode (Fit_fill cut where the scroll bar of its cut axis says),
    // else at its natural size at the scroll bars' offset. Every conversion
    // does this before it samples.
    void place_picture();

    // The picture's natural size as draw_picture last took it; fit mode
    // leaves it as it was.
    QSize measured_picture_size() const { return measured_; }

  signals:
    // A scroll bar moved the view, or Fit_to_window stretched or unstretched
    // the picture: the picture window shows the picture at its new place.
    void view_moved();
    // Redraw drew the picture afresh.
    void picture_redrawn();

  private:
    QAction* window_item(const char* name, const char* caption, const QKeySequence& shortcut);
    void draw(bool redrawing);
    void redraw();
    void toggle_fit();
    void shape_chosen();
    bool filling() const;
    Cut cut() const;
    QRect fitted_place() const;
    void set_up_cut_bar(bool redrawing);
    void show_scrolled();
    void set_arrow_step(QScrollBar& bar, const QAction& minimal);
    QPoint scroll_offset() const;

    const Dither& dither_;
    const FitShape& shape_;
    PixelShape pixel_ = colour_pixel;
    int arrow_parts_;
    ViewPlace view_place_;
    QAction* fit_;
    QActionGroup* shape_items_;
    QAction* redraw_;
    QAction* min_x_;
    QAction* min_y_;
    bool picture_loaded_ = false;
    QSize measured_{0, 0};
    // Fit_fill starts with the middle of the picture once Fit, the shape or
    // the picture is new, or the cut axis changed; until then it keeps its
    // place.
    bool centre_cut_ = true;
    bool cut_across_ = true;
};

}  // namespace converter
