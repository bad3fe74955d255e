#include "viewer/file_kind.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <optional>

#include "formats/bin_file.h"
#include "formats/m11_file.h"
#include "platform/whole_input.h"

namespace viewer {
namespace {

std::optional<FileKind> kind_by_name(const std::string& path) {
    if (has_extension(path, ".bbd")) return FileKind::sprite;
    if (has_extension(path, bk::m11::extension)) return FileKind::m11;
    if (has_extension(path, ".pic") || has_extension(path, bk::bin::extension) ||
        has_extension(path, ".wav"))
        return FileKind::screen;
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

bool has_extension(std::string_view path, std::string_view extension) {
    auto same = [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) ==
               std::tolower(static_cast<unsigned char>(b));
    };
    return path.size() >= extension.size() &&
           std::equal(extension.begin(), extension.end(), path.end() - extension.size(), same);
}

FileKind kind_of_file(const std::string& path) {
    if (const auto kind = kind_by_name(path)) return *kind;
    if (is_regular_file(path) && starts_with_11m_signature(path)) return FileKind::m11;
    return FileKind::screen;
}

}  // namespace viewer
