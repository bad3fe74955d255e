#include "platform/program_folders.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace platform {
namespace {

constexpr const char* folder_name = "/kvaro";

bool absolute(const std::string& path) {
    return !path.empty() && path.front() == '/';
}

// The program's folder under an XDG base folder: the variable when it holds
// an absolute path, else the fallback under the home folder; the program
// folder when there is no home folder either.
std::string user_folder(const std::string& variable, const std::string& home, const char* fallback,
                        const std::string& program_folder) {
    if (absolute(variable)) return variable + folder_name;
    if (absolute(home)) return home + fallback + folder_name;
    return program_folder;
}

// Each absolute entry of a colon-separated list, with the program's folder
// name; /etc/xdg's when there is none.
std::vector<std::string> default_folders(std::string_view config_dirs) {
    std::vector<std::string> folders;
    while (!config_dirs.empty()) {
        const auto colon = config_dirs.find(':');
        const std::string entry(config_dirs.substr(0, colon));
        if (absolute(entry)) folders.push_back(entry + folder_name);
        config_dirs = colon == std::string_view::npos ? "" : config_dirs.substr(colon + 1);
    }
    if (folders.empty()) folders.push_back(std::string("/etc/xdg") + folder_name);
    return folders;
}

std::string environment_value(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string home_folder() {
    std::string home = environment_value("HOME");
    if (!home.empty()) return home;
    if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir) return user->pw_dir;
    return {};
}

}  // namespace

ProgramFolders decide_program_folders(const std::string& program_folder, bool installed,
                                      const UserEnvironment& environment) {
    if (!installed) return {program_folder, program_folder, {}};
    return {user_folder(environment.config_home, environment.home, "/.config", program_folder),
            user_folder(environment.data_home, environment.home, "/.local/share", program_folder),
            default_folders(environment.config_dirs)};
}

const std::vector<std::string>& install_folders() {
    static const std::vector<std::string> folders{KVARO_INSTALL_BINDIR, KVARO_PACKAGE_BINDIR};
    return folders;
}

bool is_install_folder(const std::string& program_folder,
                       const std::vector<std::string>& install_folders) {
    for (const std::string& folder : install_folders) {
        std::error_code error;
        if (std::filesystem::equivalent(program_folder, folder, error)) return true;
    }
    return false;
}

ProgramFolders program_folders(const std::string& program_folder,
                               const std::vector<std::string>& install_folders) {
    return decide_program_folders(
        program_folder, is_install_folder(program_folder, install_folders),
        {home_folder(), environment_value("XDG_CONFIG_HOME"), environment_value("XDG_DATA_HOME"),
         environment_value("XDG_CONFIG_DIRS")});
}

int make_folders(const std::string& path) {
    struct stat info {};
    if (path.empty() || ::stat(path.c_str(), &info) == 0) return 0;
    const auto slash = path.rfind('/');
    if (slash != std::string::npos && slash > 0) {
        if (const int error = make_folders(path.substr(0, slash))) return error;
    }
    if (::mkdir(path.c_str(), 0700) == 0 || errno == EEXIST) return 0;
    return errno;
}

}  // namespace platform
