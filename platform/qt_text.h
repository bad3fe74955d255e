#pragma once
// Text crosses between the logic (UTF-8 std::string) and Qt (QString) here.
#include <QString>
#include <string>
#include <string_view>

namespace platform {

inline QString to_qt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string from_qt(const QString& text) {
    return text.toUtf8().toStdString();
}

// Qt's name filters from a filter string of pairs "description|patterns|":
// the description, then the patterns in parentheses, "JPG Files (*.jpg) (*.jpg)".
// With the details hidden, the dialog shows the description alone.
QStringList name_filters(std::string_view filter);

}  // namespace platform
