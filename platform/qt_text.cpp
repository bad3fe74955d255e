#include "platform/qt_text.h"

#include <QFile>
#include <QStringList>

#include "platform/utf8.h"

namespace platform {
namespace {

constexpr char16_t escaped_bytes = 0xdc00;

// A lone low surrogate U+DC80..U+DCFF: a byte that name_to_qt could not read.
bool is_escaped_byte(const QString& name, qsizetype i) {
    const char16_t c = name[i].unicode();
    return c >= escaped_bytes + 0x80 && c <= escaped_bytes + 0xff &&
           (i == 0 || !name[i - 1].isHighSurrogate());
}

}  // namespace

QString name_to_qt(std::string_view name) {
    QString text;
    std::size_t at = 0;
    while (at < name.size()) {
        std::size_t end = at;
        while (end < name.size() && utf8_sequence_length(name, end) != 0)
            end += utf8_sequence_length(name, end);
        text += QFile::decodeName(QByteArray(name.data() + at, qsizetype(end - at)));
        if (end < name.size()) text += QChar(char16_t(escaped_bytes + std::uint8_t(name[end++])));
        at = end;
    }
    return text;
}

std::string name_from_qt(const QString& name) {
    std::string bytes;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= name.size(); ++i) {
        const bool escaped = i < name.size() && is_escaped_byte(name, i);
        if (i < name.size() && !escaped) continue;
        bytes += QFile::encodeName(name.mid(start, i - start)).toStdString();
        if (escaped) bytes += char(name[i].unicode() - escaped_bytes);
        start = i + 1;
    }
    return bytes;
}

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
