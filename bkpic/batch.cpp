#include "bkpic/batch.h"

#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <ostream>

#include "bkpic/output_name.h"
#include "platform/atomic_file.h"

namespace bkpic {

std::string output_path(const std::string& input, const std::string& extension,
                        const OutputOptions& options) {
    if (!options.file.empty()) return options.file;
    return output_name(input, options.folder, extension);
}

namespace {

// Makes the output folder, with the folders above it, when it is missing.
std::optional<std::string> output_folder_refusal(const std::string& folder) {
    std::error_code error;  // by the name's bytes
    if (folder.empty() || std::filesystem::create_directories(folder, error) || !error)
        return std::nullopt;
    return "cannot make the folder " + folder + ": " +
           platform::error_message(platform::failure_from_errno(error.value()));
}

}  // namespace

std::optional<std::string> write_output(const std::string& path,
                                        std::span<const std::uint8_t> bytes,
                                        const OutputOptions& options) {
    if (auto refusal = output_folder_refusal(options.folder)) return refusal;
    const std::string exists = path + " exists; use --force to replace it";
    struct stat info {};
    if (!options.force && lstat(path.c_str(), &info) == 0) return exists;
    // A file made there since is not replaced either.
    const auto if_exists = options.force ? platform::IfExists::replace : platform::IfExists::refuse;
    if (const auto failure = platform::write_file_atomically(path, bytes, if_exists))
        return !options.force && failure->number == EEXIST
                   ? exists
                   : "cannot write " + path + ": " + platform::error_message(*failure);
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
