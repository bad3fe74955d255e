#include "platform/picture_file.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <cerrno>
#include <span>

#include "platform/large_image.h"
#include "platform/picture_completeness.h"
#include "platform/qt_text.h"
#include "platform/whole_input.h"

namespace platform {
namespace {

// QImageReader's own error codes, past its last one: the file was cut short.
constexpr int truncated_picture = 5;

bool is_complete(const QByteArray& format, std::string_view bytes) {
    const std::span<const std::uint8_t> file(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                             bytes.size());
    if (format == "jpeg" || format == "jpg") return jpeg_is_complete(file);
    if (format == "gif") return gif_is_complete(file);
    if (format == "bmp") return bmp_is_complete(file);
    return true;  // other decoders refuse a picture cut short themselves
}

// The formats whose first bytes say what they are beyond doubt, told
// without asking every decoder (which loads every one of them).
QByteArray format_by_signature(const QByteArray& data) {
    if (data.startsWith("\xFF\xD8\xFF")) return "jpeg";
    if (data.startsWith("\x89PNG\r\n\x1A\n")) return "png";
    if (data.startsWith("GIF87a") || data.startsWith("GIF89a")) return "gif";
    return {};
}

QByteArray format_of(QBuffer& device, const QString& name) {
    if (QByteArray known = format_by_signature(device.data()); !known.isEmpty()) return known;
    const QByteArray by_content = QImageReader::imageFormat(&device);
    device.seek(0);
    if (!by_content.isEmpty()) return by_content;
    return QFileInfo(name).suffix().toLower().toLatin1();
}

}  // namespace

DecodedPicture decode_picture_bytes(std::string_view bytes, const QString& name) {
    DecodedPicture result;
    const QByteArray data =
        QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer device;
    device.setData(data);
    device.open(QIODevice::ReadOnly);
    QImageReader reader(&device, format_of(device, name));
    reader.setAutoTransform(true);
    const Failure cut_short{truncated_picture, "The picture file is cut short"};
    const bool complete = is_complete(reader.format(), bytes);
    // A file cut short whose header tells a size is not decoded at all: it
    // may claim a picture of hundreds of megabytes.
    if (!complete && reader.size().isValid()) return {{}, cut_short};
    QImage image = blank_large_image(reader.size(), reader.imageFormat());
    if (!reader.read(&image)) image = QImage();
    if (image.isNull()) {
        result.failure =
            Failure{static_cast<int>(reader.error()), reader.errorString().toStdString()};
        return result;
    }
    if (!complete) return {{}, cut_short};
    result.image = std::move(image);
    return result;
}

DecodedPicture decode_picture(const std::string& path) {
    const WholeInput read = read_whole_input(path, picture_file_limit);
    if (auto failure = read.whole_or_failure()) return {{}, std::move(failure)};
    return decode_picture_bytes(read.bytes, name_to_qt(path));
}

}  // namespace platform
