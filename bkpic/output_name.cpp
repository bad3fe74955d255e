#include "bkpic/output_name.h"

#include <cctype>

namespace bkpic {

std::string output_name(std::string_view input, std::string_view folder,
                        std::string_view extension) {
    const std::size_t slash = input.rfind('/');
    const std::string_view file = slash == std::string_view::npos ? input : input.substr(slash + 1);
    const std::size_t dot = file.rfind('.');
    const std::string_view stem =
        dot == std::string_view::npos || dot == 0 ? file : file.substr(0, dot);
    std::string name(folder.empty() ? input.substr(0, input.size() - file.size()) : folder);
    if (!folder.empty() && !folder.ends_with('/')) name += '/';
    return name + std::string(stem) + std::string(extension);
}

std::string extension_of(std::string_view path) {
    const std::string_view base = path.substr(path.rfind('/') + 1);
    const auto dot = base.rfind('.');
    if (dot == std::string_view::npos) return {};
    std::string extension(base.substr(dot + 1));
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension;
}

}  // namespace bkpic
