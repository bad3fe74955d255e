#include "viewer/save_bmp.h"

#include <cerrno>

#include "catalogs/catalog_ops.h"
#include "platform/atomic_file.h"
#include "viewer/bmp_file.h"

namespace viewer {
namespace {

void show_failure(platform::Modal& modal, const platform::Failure& failure,
                  std::string_view error_title) {
    modal.message_box(platform::error_message(failure), error_title, platform::Buttons::ok,
                      platform::Icon::exclamation);
}

}  // namespace

bool savebmp(const platform::PixelSurface& picture, const std::string& file_name,
             const catalogs::Catalogs& catalogs, platform::Modal& modal,
             std::string_view error_title) {
    const std::string& program = catalogs.program().name;
    const auto path = catalogs::output_path(file_name, catalogs.value(catalogs::bmp_catalog),
                                            ".bmp", modal, program);
    if (!path) return false;
    if (file_name.size() < 4) {
        show_failure(modal, platform::failure_from_errno(EINVAL), error_title);
        return false;
    }
    if (catalogs::ask_rewrite(*path, modal, program) == catalogs::rewrite_refused) return false;
    // The new file replaces an old one only once it is whole, so a failed
    // write leaves the old file as it was.
    if (auto failure = platform::write_file_atomically(*path, encode_bmp(picture))) {
        show_failure(modal, *failure, error_title);
        return false;
    }
    modal.message_box("File " + *path + " saved", "orvak", platform::Buttons::ok,
                      platform::Icon::none);
    return true;
}

}  // namespace viewer
