#pragma once
// The converter's About window (frmAbout).
class QWidget;

namespace converter {

// Opens the About window at the opener's top-left corner, or brings it
// there if open.
void open_about(QWidget& opener);

}  // namespace converter
