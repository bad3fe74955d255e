#include "converter/conversion_pane.h"

#include <QActionGroup>
#include <QMenu>
#include <QScrollBar>
#include <QSignalBlocker>

#include "converter/fit_shape_items.h"
#include "converter/m11_area.h"
#include "engine/rules.h"
#include "platform/failure_message.h"
#include "platform/open_filters.h"
#include "platform/picture_file.h"
#include "platform/picture_window.h"

namespace converter {
namespace {

// Fit to window stretches smoothly; with a ditherer, by area averaging, so
// that fine detail reaches the ditherer as grey rather than as aliasing.
constexpr platform::Stretch stretch_for(Dither dither) {
    return dither == Dither::none ? platform::Stretch::smooth : platform::Stretch::area_average;
}

// Sets up a scroll bar for an overhang of the picture over the window:
// enabled with that maximum, or disabled with its range kept. Unless the
// minimal step is chosen, the arrow step is Max / `parts` (see arrow_step).
void set_up_scroll_bar(QScrollBar& bar, int overhang, bool minimal_step, int parts) {
    if (overhang > 0) {
        bar.setMaximum(overhang);
        bar.setEnabled(true);
    } else {
        bar.setEnabled(false);
    }
    if (!minimal_step) bar.setSingleStep(arrow_step(bar.maximum(), parts));
}

Extent extent_of(QSize size) {
    return {size.width(), size.height()};
}

}  // namespace

platform::OpenRequest picture_open_request() {
    return {"", "jpg", platform::picture_filter(), 1};
}

ConversionPane::ConversionPane(QMainWindow& window, const ConversionPaneDesign& design,
                               const Dither& dither, FitShape& shape)
    : platform::PicturePane(window, design.picture_origin, platform::ScrollBars::along_picture),
      dither_(dither),
      shape_(shape),
      arrow_parts_(design.arrow_parts),
      view_place_(design.view_place),
      fit_(window_item("ftw_mnu", "Fit_to_window", QKeySequence("Ctrl+F"))),
      shape_items_(make_fit_shape_items(this, shape, [this] { shape_chosen(); })),
      redraw_(window_item("rdraw_mnu", "Redraw", QKeySequence("Ctrl+R"))),
      min_x_(window_item("minxscrl_mnu", "MinXscroll", {})),
      min_y_(window_item("minyscrl_mnu", "MinYscroll", {})) {
    for (QAction* action : {fit_, min_x_, min_y_}) action->setCheckable(true);
    connect(fit_, &QAction::triggered, this, &ConversionPane::toggle_fit);
    connect(redraw_, &QAction::triggered, this, &ConversionPane::redraw);
    connect(min_x_, &QAction::triggered, this,
            [this] { set_arrow_step(*horizontal_bar(), *min_x_); });
    connect(min_y_, &QAction::triggered, this,
            [this] { set_arrow_step(*vertical_bar(), *min_y_); });
    for (QScrollBar* bar : {horizontal_bar(), vertical_bar()})
        connect(bar, &QScrollBar::valueChanged, this, &ConversionPane::show_scrolled);
}

QAction* ConversionPane::window_item(const char* name, const char* caption,
                                     const QKeySequence& shortcut) {
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    action->setEnabled(false);
    return action;
}

void ConversionPane::add_window_items(QMenu& menu) {
    menu.addAction(fit_);
    add_fit_shape_items(menu, *shape_items_, shape_);
    menu.addActions({redraw_, min_x_, min_y_});
}

bool ConversionPane::load_picture(const std::string& path, platform::Modal& modal,
                                  std::string_view error_title) {
    platform::DecodedPicture decoded;
    {
        platform::BusyPointer busy(modal);
        decoded = platform::decode_picture(path);
    }
    if (platform::show_if_failed(modal, platform::failure_message(decoded.failure, error_title)))
        return false;
    picture().set_picture(decoded.image);
    picture().clear();
    centre_cut_ = true;
    if (view_place_ == ViewPlace::same_relative_place) {
        horizontal_bar()->setValue(0);
        vertical_bar()->setValue(0);
    }
    if (!picture_loaded_) {
        picture_loaded_ = true;
        for (QAction* action : {fit_, redraw_, min_x_, min_y_}) action->setEnabled(true);
    }
    return true;
}

QPoint ConversionPane::scroll_offset() const {
    return {-horizontal_bar()->value(), -vertical_bar()->value()};
}

bool ConversionPane::filling() const {
    return fit_->isChecked() && shape_ == FitShape::fill;
}

Cut ConversionPane::cut() const {
    return fill_cut(extent_of(picture().picture_size()), extent_of(picture().size()), pixel_);
}

QRect ConversionPane::fitted_place() const {
    const Cut fill = cut();
    const int pan = (fill.across ? horizontal_bar() : vertical_bar())->value();
    const Placement place = fit_placement(shape_, extent_of(picture().picture_size()),
                                          extent_of(picture().size()), pixel_, pan);
    return {place.left, place.top, place.width, place.height};
}

void ConversionPane::place_picture() {
    if (fit_->isChecked() && shape_ != FitShape::stretch)
        return picture().draw_picture_in(fitted_place(), stretch_for(dither_));
    picture().draw_picture(fit_->isChecked(), scroll_offset(), stretch_for(dither_));
}

void ConversionPane::draw_picture() {
    draw(false);
}

void ConversionPane::redraw() {
    draw(true);
    emit picture_redrawn();
}

void ConversionPane::draw(bool redrawing) {
    QScrollBar& hscroll = *horizontal_bar();
    QScrollBar& vscroll = *vertical_bar();
    if (fit_->isChecked()) {
        hscroll.setEnabled(false);
        vscroll.setEnabled(false);
        if (filling()) set_up_cut_bar(redrawing);
        place_picture();
        return;
    }
    place_picture();
    const bool relative = view_place_ == ViewPlace::same_relative_place;
    const float across = m11::relative_position(hscroll.value(), hscroll.maximum());
    const float down = m11::relative_position(vscroll.value(), vscroll.maximum());
    if (!relative && !redrawing) {
        hscroll.setValue(0);
        vscroll.setValue(0);
    }
    measured_ = picture().picture_size();
    const QSize overhang = measured_ - picture().size();
    set_up_scroll_bar(hscroll, overhang.width(), min_x_->isChecked(), arrow_parts_);
    set_up_scroll_bar(vscroll, overhang.height(), min_y_->isChecked(), arrow_parts_);
    if (!relative) return;
    if (hscroll.isEnabled()) hscroll.setValue(m11::value_at(across, hscroll.maximum()));
    if (vscroll.isEnabled()) vscroll.setValue(m11::value_at(down, vscroll.maximum()));
}

// Fit_fill's scroll bar: the overhang of its cut axis to pan over, the
// other bar disabled. The pan keeps its place when redrawing and, in the
// 11M window, its relative place; else it starts in the middle.
void ConversionPane::set_up_cut_bar(bool redrawing) {
    const Cut fill = cut();
    QScrollBar& bar = fill.across ? *horizontal_bar() : *vertical_bar();
    const bool keep = !centre_cut_ && fill.across == cut_across_ &&
                      (redrawing || view_place_ == ViewPlace::same_relative_place);
    const float place = m11::relative_position(bar.value(), bar.maximum());
    const QSignalBlocker quiet(bar);  // drawn once, by the caller
    const QAction& minimal = fill.across ? *min_x_ : *min_y_;
    set_up_scroll_bar(bar, fill.overhang, minimal.isChecked(), arrow_parts_);
    bar.setValue(keep ? m11::value_at(place, bar.maximum()) : centred_pan(fill));
    centre_cut_ = false;
    cut_across_ = fill.across;
}

void ConversionPane::show_scrolled() {
    if (filling())
        place_picture();
    else
        picture().draw_picture(false, scroll_offset());
    emit view_moved();
}

void ConversionPane::toggle_fit() {
    centre_cut_ = true;
    picture().clear();
    draw_picture();
    emit view_moved();
}

void ConversionPane::shape_chosen() {
    centre_cut_ = true;
    if (!picture_loaded_ || !fit_->isChecked()) return;
    picture().clear();
    draw_picture();
    emit view_moved();
}

void ConversionPane::set_arrow_step(QScrollBar& bar, const QAction& minimal) {
    bar.setSingleStep(minimal.isChecked() ? 1 : arrow_step(bar.maximum(), arrow_parts_));
}

}  // namespace converter
