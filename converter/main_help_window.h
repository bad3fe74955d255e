#pragma once
// "Help KVARO" (Form5): help for the converter main window's menus.
#include "platform/help_window.h"

namespace converter {

class Form5 : public platform::HelpWindow {
    Q_OBJECT
  public:
    Form5();
};

// Opens Form5 at the opener's top-left corner, or brings it there if open.
void open_main_help(QWidget& opener);

}  // namespace converter
