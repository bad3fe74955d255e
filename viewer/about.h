#pragma once
// The viewer's About window (frmAbout). Opened from the 11M viewer window it
// carries the 11M caption and description.
class QWidget;

namespace viewer {

// Opens the About window at the opener's top-left corner, or brings it
// there if open, with the texts of the window that opens it.
void open_about(QWidget& opener, bool from_11m_window);

}  // namespace viewer
