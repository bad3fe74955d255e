#pragma once
// "Help KVARO" (Form7): help for the 11M converter window's menus and for
// its six buttons that size the area to convert.
#include "platform/help_window.h"

namespace converter {

class Form7 : public platform::HelpWindow {
    Q_OBJECT
  public:
    Form7();
};

// Opens Form7 at the opener's top-left corner, or brings it there if open.
void open_11m_help(QWidget& opener);

}  // namespace converter
