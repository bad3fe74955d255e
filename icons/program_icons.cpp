#include "icons/program_icons.h"

#include <QApplication>
#include <QIcon>

namespace icons {

void set_program_icon(const char* path) {
    QApplication::setWindowIcon(QIcon(path));
}

}  // namespace icons
