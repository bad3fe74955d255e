#pragma once
// The "Ok" button (Command1) that every small dialog of the programs ends with.
#include <QPushButton>

namespace platform {

inline QPushButton* add_ok_button(QWidget& dialog, const QRect& geometry) {
    auto* ok = new QPushButton("Ok", &dialog);
    ok->setObjectName("Command1");
    ok->setAccessibleName("Ok");
    ok->setGeometry(geometry);
    return ok;
}

// An "Ok" that only closes the dialog: what it set has taken effect already.
inline void add_closing_ok_button(QWidget& dialog, const QRect& geometry) {
    QObject::connect(add_ok_button(dialog, geometry), &QPushButton::clicked, &dialog,
                     &QWidget::close);
}

}  // namespace platform
