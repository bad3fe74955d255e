#pragma once
// "Help ORVAK" (Form3): help for the viewer main window's menus.
#include "platform/help_window.h"

namespace viewer {

class Form3 : public platform::HelpWindow {
    Q_OBJECT
  public:
    Form3();
};

// Opens Form3 at the opener's top-left corner, or brings it there if open.
void open_main_help(QWidget& opener);

}  // namespace viewer
