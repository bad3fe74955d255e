#include "converter/conversion_pane.h"

#include <QMenu>
#include <QScrollBar>

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

}  // namespace

platform::OpenRequest picture_open_request() {
    return {"", "jpg", platform::picture_filter(), 1};
}

ConversionPane::ConversionPane(QMainWindow& window, const ConversionPaneDesign& design,
                               const Dither& dither)
    : platform::PicturePane(window, design.picture_origin, platform::ScrollBars::along_picture),
      dither_(dither),
      arrow_parts_(design.arrow_parts),
      view_place_(design.view_place),
      fit_(window_item("ftw_mnu", "Fit_to_window", QKeySequence("Ctrl+F"))),
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
    menu.addActions({fit_, redraw_, min_x_, min_y_});
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

void ConversionPane::place_picture() {
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

void ConversionPane::show_scrolled() {
    picture().draw_picture(false, scroll_offset());
    emit view_moved();
}

void ConversionPane::toggle_fit() {
    picture().clear();
    draw_picture();
    emit view_moved();
}

void ConversionPane::set_arrow_step(QScrollBar& bar, const QAction& minimal) {
    bar.setSingleStep(minimal.isChecked() ? 1 : arrow_step(bar.maximum(), arrow_parts_));
}

}  // namespace converter
