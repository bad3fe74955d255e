#include "bkpic/batch.h"

#include <sys/stat.h>

#include <cerrno>
#include <ostream>

#include "bkpic/output_name.h"
#include "platform/atomic_file.h"

namespace bkpic {

std::string output_path(const std::string& input, const std::string& extension,
                        const OutputOptions& options) {
    if (!options.file.empty()) return options.file;
    return output_name(input, options.folder, extension);
}

std::optional<std::string> write_output(const std::string& path,
                                        std::span<const std::uint8_t> bytes, bool force) {
    const std::string exists = path + " exists; use --force to replace it";
    struct stat info {};
    if (!force && lstat(path.c_str(), &info) == 0) return exists;
    // A file made there since is not replaced either.
    const auto if_exists = force ? platform::IfExists::replace : platform::IfExists::refuse;
    if (const auto failure = platform::write_file_atomically(path, bytes, if_exists))
        return !force && failure->number == EEXIST
                   ? exists
                   : "cannot write " + path + ": " + platform::error_message(*failure);
    return std::nullopt;
}

void Batch::wrote(const std::string& input, const std::string& output) {
    out_ << input << " -> " << output << std::endl;
}

void Batch::said(const std::string& line) {
    out_ << line << std::endl;
}

void Batch::failed(const std::string& input, const std::string& reason) {
    ++failures_;
    err_ << "bkpic: " << input << ": " << reason << std::endl;
}

}  // namespace bkpic
