#include "platform/qt_text.h"

#include <QStringList>

namespace platform {

QStringList name_filters(std::string_view filter) {
    const QStringList parts = to_qt(filter).split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString& pattern = parts[i + 1];
        if (description.isEmpty() && pattern.isEmpty()) continue;
        // Qt takes the patterns from the last parentheses; the dialog hides
        // them (QFileDialog::HideNameFilterDetails) and shows the description.
        filters << QString("%1 (%2)").arg(description, QString(pattern).replace(u';', u' '));
    }
    return filters;
}

}  // namespace platform
