#include "platform/qt_modal.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "platform/qt_text.h"

namespace platform {
namespace {

QMessageBox::Icon qt_icon(Icon icon) {
    switch (icon) {
        case Icon::exclamation:
            return QMessageBox::Warning;
        case Icon::question:
            return QMessageBox::Question;
        case Icon::critical:
            return QMessageBox::Critical;
        case Icon::none:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

Answer QtModal::message_box(std::string_view text, std::string_view title, Buttons buttons,
                            Icon icon) {
    const auto qt_buttons = buttons == Buttons::ok ? QMessageBox::StandardButtons(QMessageBox::Ok)
                                                   : QMessageBox::Yes | QMessageBox::No;
    QMessageBox box(qt_icon(icon), to_qt(title), to_qt(text), qt_buttons,
                    QApplication::activeWindow());
    box.setObjectName("MessageBox");
    if (buttons == Buttons::yes_no_default_no) box.setDefaultButton(QMessageBox::No);
    const int answer = box.exec();
    if (buttons == Buttons::ok) return Answer::ok;
    return answer == QMessageBox::Yes ? Answer::yes : Answer::no;
}

std::string QtModal::open_file(const OpenRequest& request) {
    QFileDialog dialog(QApplication::activeWindow(), "Open");
    dialog.setObjectName("CommonDialog1");
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    const QStringList filters = name_filters(request.filter);
    dialog.setNameFilters(filters);
    if (request.filter_index >= 1 && request.filter_index <= filters.size()) {
        dialog.selectNameFilter(filters[request.filter_index - 1]);
    }
    dialog.setDefaultSuffix(to_qt(request.default_extension));
    if (!request.file_name.empty()) dialog.selectFile(name_to_qt(request.file_name));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return name_from_qt(dialog.selectedFiles().front());
}

void QtModal::set_busy(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

}  // namespace platform
