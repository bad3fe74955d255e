#include "platform/start_arguments.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/program_info.h"

namespace platform {

std::string absolute_path(std::string_view path, std::string_view folder) {
    const std::string joined =
        path.starts_with('/') ? std::string(path) : std::string(folder) + "/" + std::string(path);
    std::string result;
    std::size_t start = 0;
    while (start <= joined.size()) {
        std::size_t end = joined.find('/', start);
        if (end == std::string::npos) end = joined.size();
        const std::string_view part = std::string_view(joined).substr(start, end - start);
        if (!part.empty() && part != ".") result += "/" + std::string(part);
        start = end + 1;
    }
    return result.empty() ? "/" : result;
}

StartArguments parse_start_arguments(const std::vector<std::string>& arguments,
                                     std::string_view current_folder) {
    StartArguments result;
    bool first_word = true;
    for (const std::string& argument : arguments) {
        if (argument.empty() || asks_for_11m(argument)) {
            if (!first_word) result.window_text += ' ';
            result.window_text += argument;
            first_word = false;
        } else if (result.file.empty()) {
            result.file = absolute_path(argument, current_folder);
        }
    }
    return result;
}

StartArguments start_arguments(int argc, const char* const* argv) {
    std::error_code error;
    const std::string folder = std::filesystem::current_path(error).string();
    return parse_start_arguments(std::vector<std::string>(argv + std::min(argc, 1), argv + argc),
                                 folder);
}

}  // namespace platform
