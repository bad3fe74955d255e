#include "platform/process_start.h"

#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace platform {
namespace {

std::vector<std::string_view> folders_of(std::string_view own_folder,
                                         std::string_view search_path) {
    std::vector<std::string_view> folders{own_folder};
    while (!search_path.empty()) {
        const auto colon = search_path.find(':');
        const auto folder = search_path.substr(0, colon);
        if (!folder.empty()) folders.push_back(folder);
        if (colon == std::string_view::npos) break;
        search_path.remove_prefix(colon + 1);
    }
    return folders;
}

}  // namespace

ProgramLookup find_program(std::string_view name, std::string_view own_folder,
                           std::string_view search_path) {
    bool found_unrunnable = false;
    for (const std::string_view folder : folders_of(own_folder, search_path)) {
        const std::string path = std::string(folder) + "/" + std::string(name);
        std::error_code error;
        if (!std::filesystem::is_regular_file(path, error)) continue;
        if (::access(path.c_str(), X_OK) == 0) return {path, std::nullopt};
        found_unrunnable = true;
    }
    return {{}, failure_from_errno(found_unrunnable ? EACCES : ENOENT)};
}

}  // namespace platform
