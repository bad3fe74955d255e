#include "platform/picture_pane.h"

#include <QMainWindow>
#include <QScrollBar>

#include "platform/picture_window.h"
#include "platform/separator_line.h"

namespace platform {
namespace {

constexpr int scroll_bar_thickness = 17;

QScrollBar* create_scroll_bar(QWidget* parent, Qt::Orientation orientation) {
    const bool horizontal = orientation == Qt::Horizontal;
    auto* bar = new QScrollBar(orientation, parent);
    bar->setObjectName(horizontal ? "HScroll1" : "VScroll1");
    bar->setAccessibleName(horizontal ? "Horizontal scroll" : "Vertical scroll");
    bar->setRange(0, 0);
    bar->setPageStep(1);
    bar->setEnabled(false);
    return bar;
}

}  // namespace

PicturePane::PicturePane(QMainWindow& window, QPoint picture_origin, ScrollBars bars)
    : QWidget(&window) {
    setObjectName("client");
    window.setCentralWidget(this);
    line1_ = separator_line(this, "Line1", 0, QPalette::Mid, 0);
    line2_ = separator_line(this, "Line2", 1, QPalette::Base, 0);

    picture_ = new PictureWindow(this);
    picture_->setObjectName("Picture1");
    picture_->setAccessibleName("Picture");
    picture_->move(picture_origin);
    if (bars == ScrollBars::along_picture) {
        hscroll_ = create_scroll_bar(this, Qt::Horizontal);
        vscroll_ = create_scroll_bar(this, Qt::Vertical);
    }
}

void PicturePane::lay_out(const PaneLayout& layout) {
    if (picture_->size() != layout.picture) {
        picture_->set_size(layout.picture.width(), layout.picture.height());
    }
    const QRect area = picture_->geometry();
    if (hscroll_ != nullptr) {
        hscroll_->setGeometry(area.left(), area.bottom() + 1, area.width(), scroll_bar_thickness);
        vscroll_->setGeometry(area.right() + 1, area.top(), scroll_bar_thickness, area.height());
    }
    setFixedSize(layout.client);
    for (QWidget* line : {line1_, line2_}) line->resize(layout.line_end, 1);
}

}  // namespace platform
