#include "catalogs/catalog_ops.h"

#include <sys/stat.h>

#include <cerrno>
#include <vector>

#include "catalogs/catalogs.h"
#include "platform/failure.h"
#include "platform/utf8.h"

namespace catalogs {
namespace {

// The text less its last `count` characters, never cut inside one.
std::string_view without_last_characters(std::string_view text, std::size_t count) {
    std::vector<std::size_t> starts;
    for (std::size_t at = 0; at < text.size(); at = platform::next_character(text, at))
        starts.push_back(at);
    return text.substr(0, starts.size() >= count ? starts[starts.size() - count] : 0);
}

}  // namespace

std::string file_name_of(std::string_view path) {
    const auto slash = path.rfind('/');
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(slash + 1));
}

std::string output_name(std::string_view source, std::string_view folder,
                        std::string_view extension) {
    std::string name(without_last_characters(source, 4));
    name += extension;
    if (folder != no_catalog) name = std::string(folder) + "/" + file_name_of(name);
    return name;
}

std::string ensure_catalog(const std::string& catalog, platform::Modal& modal,
                           std::string_view program_name) {
    if (catalog.empty()) return std::string(no_catalog);
    struct stat info {};
    int error = 0;
    if (::stat(catalog.c_str(), &info) != 0) {
        error = errno;
        if (error == ENOENT) error = ::mkdir(catalog.c_str(), 0777) == 0 ? 0 : errno;
    }
    if (error == 0) return catalog;
    modal.message_box(platform::error_message(platform::failure_from_errno(error)),
                      std::string(program_name) + " : creatcatalog", platform::Buttons::ok,
                      platform::Icon::exclamation);
    return {};
}

int ask_rewrite(const std::string& path, platform::Modal& modal, std::string_view program_name) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) return no_such_file;
    // No is the default button: Enter pressed by habit keeps the file.
    const auto answer =
        modal.message_box("File exist. Rewrite?", program_name,
                          platform::Buttons::yes_no_default_no, platform::Icon::question);
    return answer == platform::Answer::yes ? rewrite_allowed : rewrite_refused;
}

std::optional<std::string> output_path(std::string_view source, const std::string& catalog,
                                       std::string_view extension, platform::Modal& modal,
                                       std::string_view program_name) {
    const std::string folder = ensure_catalog(catalog, modal, program_name);
    if (folder.empty()) return std::nullopt;
    return output_name(source, folder, extension);
}

}  // namespace catalogs
