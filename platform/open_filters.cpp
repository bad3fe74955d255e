#include "platform/open_filters.h"

#include <QImageReader>
#include <cctype>

namespace platform {
namespace {

// "*.[jJ][pP][gG]" for "jpg"; characters without a case stay as they are.
std::string any_case_pattern(const std::string& extension) {
    std::string pattern = "*.";
    for (const char c : extension) {
        const auto u = static_cast<unsigned char>(c);
        if (std::isalpha(u)) {
            pattern +=
                {'[', static_cast<char>(std::tolower(u)), static_cast<char>(std::toupper(u)), ']'};
        } else {
            pattern += c;
        }
    }
    return pattern;
}

std::string filter_pair(const std::string& description, const std::vector<std::string>& formats) {
    std::string patterns;
    for (const std::string& format : formats) {
        if (!patterns.empty()) patterns += ';';
        patterns += any_case_pattern(format);
    }
    return description + "|" + patterns + "|";
}

}  // namespace

std::string picture_filter(const std::vector<std::string>& formats) {
    std::string all = "All pictures (";
    for (std::size_t i = 0; i < formats.size(); ++i) all += (i ? " *." : "*.") + formats[i];
    all += ")";
    return filter_pair("JPG Files (*.jpg)", {"jpg", "jpeg"}) +
           filter_pair("GIF Files (*.gif)", {"gif"}) + filter_pair("BMP Files (*.bmp)", {"bmp"}) +
           filter_pair("PNG Files (*.png)", {"png"}) + filter_pair(all, formats);
}

std::string picture_filter() {
    std::vector<std::string> formats;
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        formats.push_back(format.toLower().toStdString());
    }
    return picture_filter(formats);
}

}  // namespace platform
