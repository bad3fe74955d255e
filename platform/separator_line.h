#pragma once
// The two one-pixel lines across the top of a main window's client area that
// set it off from the menu bar: row 0 in a shadow colour, row 1 in the colour
// of window backgrounds. Their owner stretches them when the window widens.
#include <QPalette>
#include <QWidget>

namespace platform {

inline QWidget* separator_line(QWidget* parent, const char* name, int row, QPalette::ColorRole role,
                               int width) {
    auto* line = new QWidget(parent);
    line->setObjectName(name);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, palette.color(role));
    line->setPalette(palette);
    line->setGeometry(0, row, width, 1);
    return line;
}

}  // namespace platform
