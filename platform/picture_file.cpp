#include "platform/picture_file.h"

#include <fcntl.h>

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <cerrno>
#include <span>

#include "platform/picture_completeness.h"

namespace platform {
namespace {

// QImageReader's own error codes, past its last one: the file was cut short.
constexpr int truncated_picture = 5;

bool is_complete(const QByteArray& format, const QByteArray& bytes) {
    const std::span<const std::uint8_t> file(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                             static_cast<std::size_t>(bytes.size()));
    if (format == "jpeg" || format == "jpg") return jpeg_is_complete(file);
    if (format == "gif") return gif_is_complete(file);
    if (format == "bmp") return bmp_is_complete(file);
    return true;  // other decoders refuse a picture cut short themselves
}

}  // namespace

DecodedPicture decode_picture(const std::string& path) {
    DecodedPicture result;
    // Opened by the name's own bytes: QFile(QString) reaches only the names
    // that are valid in the file-name encoding.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        result.failure = failure_from_errno(errno);
        return result;
    }
    QFile file;
    file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);  // closes fd when done
    QByteArray bytes = file.readAll();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    const QByteArray format = reader.format();
    QImage image = reader.read();
    if (image.isNull()) {
        result.failure =
            Failure{static_cast<int>(reader.error()), reader.errorString().toStdString()};
        return result;
    }
    if (!is_complete(format, bytes)) {
        result.failure = Failure{truncated_picture, "The picture file is cut short"};
        return result;
    }
    result.image = std::move(image);
    return result;
}

}  // namespace platform
