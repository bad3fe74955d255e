#include "bkpic/batch.h"

#include <sys/stat.h>

#include <ostream>

#include "catalogs/catalog_ops.h"
#include "catalogs/catalogs.h"
#include "platform/atomic_file.h"

namespace bkpic {

std::string output_path(const std::string& input, const std::string& extension,
                        const OutputOptions& options) {
    if (!options.file.empty()) return options.file;
    const std::string name = catalogs::output_name(input, catalogs::no_catalog, extension);
    if (options.folder.empty()) return name;
    // Only the file's own name moves; the folder is taken with or without
    // its trailing slashes, and "/" stays the root.
    std::string folder = options.folder;
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    if (folder.back() != '/') folder += '/';
    return folder + name.substr(name.rfind('/') + 1);
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
