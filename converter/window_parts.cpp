#include "converter/window_parts.h"

#include <QScrollBar>

#include "engine/rules.h"
#include "platform/open_filters.h"

namespace converter {

platform::OpenRequest picture_open_request() {
    return {"", "jpg", platform::picture_filter(), 1};
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
