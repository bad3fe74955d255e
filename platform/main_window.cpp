#include "platform/main_window.h"

#include <QCloseEvent>
#include <QLayout>

#include "platform/modal.h"

namespace platform {

MainWindow::MainWindow(Modal& modal, const MainWindowNames& names, QWidget* parent)
    : QMainWindow(parent), modal_(modal), program_name_(names.program_name) {
    setObjectName(names.object_name);
    setWindowTitle(names.title);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    accept_file_drops(*this, *this);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (confirm_close(modal_, program_name_)) {
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace platform
