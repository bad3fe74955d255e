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

// File names are bytes; these carry a name into Qt text and back without
// loss. Bytes the platform's file-name encoding reads (UTF-8 on Linux) are
// decoded by it (QFile::decodeName); each other byte b, as in a name made
// in another code page, becomes the lone surrogate U+DC00 + b, which
// name_from_qt turns back into b.
// NOTE: Qt itself opens a name by QFile::encodeName, which cannot give
// such bytes back: open files by name_from_qt's bytes, never by QFile(name).
QString name_to_qt(std::string_view name);
std::string name_from_qt(const QString& name);

// Qt's name filters from a filter string of pairs "description|patterns|":
// the description, then the patterns in parentheses, "JPG Files (*.jpg) (*.jpg)".
// With the details hidden, the dialog shows the description alone.
QStringList name_filters(std::string_view filter);

}  // namespace platform
