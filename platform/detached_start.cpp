#include "platform/detached_start.h"

#include <QProcess>
#include <cstring>

#include "platform/qt_text.h"

namespace platform {
namespace {

// Qt tells why a start failed only as text, "execv: " + the system's
// description of errno; the number is found again from that description.
Failure failure_of(const QProcess& process) {
    const std::string text = from_qt(process.errorString());
    const auto colon = text.rfind(": ");
    const std::string description = colon == std::string::npos ? text : text.substr(colon + 2);
    for (int number = 1; number < 256; ++number) {
        if (description == std::strerror(number)) return {number, description};
    }
    return {static_cast<int>(process.error()), text};
}

}  // namespace

DetachedStart::DetachedStart(std::string own_folder, std::string search_path)
    : own_folder_(std::move(own_folder)), search_path_(std::move(search_path)) {}

std::optional<Failure> DetachedStart::start(const std::string& program,
                                            const std::vector<std::string>& arguments) {
    const ProgramLookup found = find_program(program, own_folder_, search_path_);
    if (found.failure) return found.failure;
    QProcess process;
    process.setProgram(to_qt(found.path));
    QStringList qt_arguments;
    for (const std::string& argument : arguments) qt_arguments << to_qt(argument);
    process.setArguments(qt_arguments);
    if (process.startDetached()) return std::nullopt;
    return failure_of(process);
}

}  // namespace platform
