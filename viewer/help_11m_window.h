#pragma once
// "Help ORVAK [11M]" (Form4): help for the 11M viewer window's menus.
#include "platform/help_window.h"

namespace viewer {

class Form4 : public platform::HelpWindow {
    Q_OBJECT
  public:
    Form4();
};

// Opens Form4 at the opener's top-left corner, or brings it there if open.
void open_11m_help(QWidget& opener);

}  // namespace viewer
