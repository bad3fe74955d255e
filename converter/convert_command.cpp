#include "converter/convert_command.h"

#include "catalogs/catalog_ops.h"
#include "platform/atomic_file.h"

namespace converter {

bool run_convert(const ConvertJob& job, platform::Modal& modal, const std::function<void()>& draw,
                 const std::function<std::vector<std::uint8_t>()>& convert) {
    return run_convert(job, modal, draw, [&convert](const std::string&) { return convert(); });
}

bool run_convert(const ConvertJob& job, platform::Modal& modal, const std::function<void()>& draw,
                 const std::function<std::vector<std::uint8_t>(const std::string& path)>& convert) {
    const auto path =
        catalogs::output_path(job.source, job.catalog, job.extension, modal, job.program_name);
    if (!path) return false;
    draw();
    if (catalogs::ask_rewrite(*path, modal, job.program_name) == catalogs::rewrite_refused) {
        return false;
    }
    const std::vector<std::uint8_t> bytes = convert(*path);
    if (auto failure = platform::write_file_atomically(*path, bytes)) {
        modal.message_box(platform::error_message(*failure), job.error_title, platform::Buttons::ok,
                          platform::Icon::exclamation);
        return false;
    }
    modal.message_box("File " + *path + " saved", job.saved_title, platform::Buttons::ok,
                      platform::Icon::none);
    return true;
}

}  // namespace converter
