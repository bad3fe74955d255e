#include "converter/window_parts.h"

#include <QScrollBar>

#include "engine/rules.h"
#include "platform/open_filters.h"

namespace converter {

platform::OpenRequest picture_open_request() {
    return {"", "jpg", platform::picture_filter(), 1};
}

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

void set_up_scroll_bar(QScrollBar& bar, int overhang, bool minimal_step, int parts) {
    if (overhang > 0) {
        bar.setMaximum(overhang);
        bar.setEnabled(true);
    } else {
        bar.setEnabled(false);
    }
    if (!minimal_step) bar.setSingleStep(arrow_step(bar.maximum(), parts));
}

}  // namespace converter
