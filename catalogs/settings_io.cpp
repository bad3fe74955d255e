#include "catalogs/settings_io.h"

#include <cerrno>

#include "catalogs/first_start.h"
#include "platform/atomic_file.h"
#include "platform/program_folders.h"
#include "platform/whole_input.h"

namespace catalogs {
namespace {

// No settings file is this long; a longer one is refused as too large
// without being read further.
constexpr std::size_t settings_read_limit = 1 << 20;

void show_failure(platform::Modal& modal, const Catalogs& catalogs, const platform::Failure& f,
                  const char* operation) {
    modal.message_box(platform::error_message(f), catalogs.program().name + ": " + operation,
                      platform::Buttons::ok, platform::Icon::critical);
}

}  // namespace

int load_settings(const std::string& path, Catalogs& catalogs, platform::Modal& modal) {
    const platform::WholeInput file = platform::read_whole_input(path, settings_read_limit);
    if (const auto failure = file.whole_or_failure()) {
        show_failure(modal, catalogs, *failure, "Load ini-file");
        return settings_failed;
    }
    switch (catalogs.parse_settings(file.bytes)) {
        case ParseStatus::read:
            return settings_read;
        case ParseStatus::not_settings:
            return settings_not_ours;
        case ParseStatus::ended_early:
            break;
    }
    show_failure(modal, catalogs, platform::failure_from_errno(ENODATA), "Load ini-file");
    return settings_failed;
}

int save_settings(const std::string& path, const Catalogs& catalogs, platform::Modal& modal) {
    // An installed program's settings folder is made at its first save.
    const auto slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash);
    if (const int error = platform::make_folders(folder)) {
        show_failure(modal, catalogs, platform::failure_from_errno(error), "Save ini-file");
        return settings_failed;
    }
    if (auto failure = platform::write_file_atomically(path, catalogs.settings_text())) {
        show_failure(modal, catalogs, *failure, "Save ini-file");
        return settings_failed;
    }
    return settings_read;
}

void read_settings_at_load(Catalogs& catalogs, platform::Modal& modal,
                           std::initializer_list<int> own_catalogs) {
    create_settings_from_default(catalogs);
    const std::string path = catalogs.settings_path();
    const int status = load_settings(path, catalogs, modal);
    if (status == settings_not_ours) {
        modal.message_box("Error: Bad File " + path + "!", catalogs.program().name,
                          platform::Buttons::ok, platform::Icon::exclamation);
    }
    if (status != settings_read) return;
    for (int index : own_catalogs) use_default_folder(catalogs, index);
}

void use_default_folder(Catalogs& catalogs, int index) {
    if (catalogs.value(index) != default_word) return;
    // A failure here shows when the catalog is made at its first write.
    platform::make_folders(catalogs.folders().data);
    catalogs.resolve_default(index);
}

}  // namespace catalogs
