#include "converter/live_view.h"

#include <QAction>
#include <QMenu>
#include <utility>

#include "converter/conversion_pane.h"
#include "platform/picture_window.h"

namespace converter {

LiveView::LiveView(ConversionPane& pane, bool& on, Walk walk)
    : QObject(&pane), pane_(pane), on_(on), walk_(std::move(walk)) {
    item_ = new QAction("Live_view", this);
    item_->setObjectName("liveview_mnu");
    item_->setCheckable(true);
    item_->setChecked(on_);
    item_->setStatusTip(
        "Draw the result again at once when a level, a swap, the ditherer or the area changes");
    // Acts on the checked state, whether a click, a key or an accessibility
    // action changed it. Turned on, it brings a shown result up to date.
    connect(item_, &QAction::toggled, this, [this](bool checked) {
        on_ = checked;
        changed();
    });
    connect(&pane_, &ConversionPane::view_moved, this, &LiveView::changed);
    connect(&pane_, &ConversionPane::picture_redrawn, this, [this] { showing(ViewResult::none); });
}

void LiveView::add_item(QMenu& menu) {
    menu.addAction(item_);
    // Another window may have changed the setting meanwhile.
    connect(&menu, &QMenu::aboutToShow, item_, [this] { item_->setChecked(on_); });
}

void LiveView::view(ViewResult result) {
    pane_.place_picture();
    walk_(result, pane_.picture());
    shown_ = result;
}

void LiveView::place_picture() {
    pane_.place_picture();
    shown_ = ViewResult::none;
}

bool LiveView::drawing_live() const {
    return on_ && shown_ != ViewResult::none;
}

// One drawing at a time is waiting; the changes that come before it runs
// are drawn by it.
void LiveView::changed() {
    if (!drawing_live() || pending_) return;
    pending_ = true;
    QMetaObject::invokeMethod(this, &LiveView::draw_again, Qt::QueuedConnection);
}

void LiveView::draw_again() {
    pending_ = false;
    if (!drawing_live()) return;
    platform::PictureWindow& picture = pane_.picture();
    pane_.place_picture();
    walk_(shown_, picture.unshown_image());
    picture.update();
}

}  // namespace converter
