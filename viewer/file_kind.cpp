#include "viewer/file_kind.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <optional>

#include "formats/m11_file.h"
#include "platform/whole_input.h"

namespace viewer {
namespace {

// The text after the last dot of the name's last part, in lower case.
std::string extension_of(const std::string& path) {
    const std::string base = path.substr(path.rfind('/') + 1);
    const auto dot = base.rfind('.');
    if (dot == std::string::npos) return {};
    std::string extension = base.substr(dot + 1);
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension;
}

std::optional<FileKind> kind_by_name(const std::string& path) {
    const std::string extension = extension_of(path);
    if (extension == "bbd") return FileKind::sprite;
    if (extension == "11m") return FileKind::m11;
    if (extension == "pic" || extension == "bin") return FileKind::screen;
    return std::nullopt;
}

bool is_regular_file(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool starts_with_11m_signature(const std::string& path) {
    const auto& signature = bk::m11::signature;
    const platform::WholeInput start = platform::read_whole_input(path, signature.size());
    return !start.failure && start.bytes.size() == signature.size() &&
           std::equal(
               signature.begin(), signature.end(), start.bytes.begin(),
               [](std::uint8_t wanted, char c) { return static_cast<std::uint8_t>(c) == wanted; });
}

}  // namespace

FileKind kind_of_file(const std::string& path) {
    if (const auto kind = kind_by_name(path)) return *kind;
    if (is_regular_file(path) && starts_with_11m_signature(path)) return FileKind::m11;
    return FileKind::screen;
}

}  // namespace viewer
