#include "catalogs/first_start.h"

#include <sys/stat.h>

#include <cerrno>

#include "platform/atomic_file.h"
#include "platform/program_folders.h"
#include "platform/whole_input.h"

namespace catalogs {
namespace {

// A default settings file is a few lines; anything longer is not one.
constexpr std::size_t default_read_limit = 1 << 16;

bool missing(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) != 0 && errno == ENOENT;
}

}  // namespace

void create_settings_from_default(const Catalogs& catalogs) {
    const std::string path = catalogs.settings_path();
    if (catalogs.folders().defaults.empty() || !missing(path)) return;
    for (const std::string& folder : catalogs.folders().defaults) {
        const auto input = platform::read_whole_input(
            folder + "/" + catalogs.program().settings_file, default_read_limit);
        if (input.whole_or_failure()) continue;
        if (platform::make_folders(catalogs.folders().settings) == 0) {
            platform::write_file_atomically(path, input.bytes);
        }
        return;
    }
}

}  // namespace catalogs
