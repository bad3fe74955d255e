#include "bkpic/batch.h"

#include <sys/stat.h>

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
    struct stat info {};
    if (!force && lstat(path.c_str(), &info) == 0)
        return path + " exists; use --force to replace it";
    if (const auto failure = platform::write_file_atomically(path, bytes))
        return "cannot write " + path + ": " + platform::error_message(*failure);
    return std::nullopt;
}

void Batch::wrote(const std::string& input, const std::string& output, const std::string& note) {
    out_ << input << " -> " << output << (note.empty() ? "" : " (" + note + ")") << std::endl;
}

void Batch::said(const std::string& line) {
    out_ << line << std::endl;
}

void Batch::failed(const std::string& input, const std::string& reason) {
    ++failures_;
    err_ << "bkpic: " << input << ": " << reason << std::endl;
}

}  // namespace bkpic
