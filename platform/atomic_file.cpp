#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

namespace platform {
namespace {

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }
    // Closes now, so that a failing close can be reported.
    int close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result;
    }

  private:
    int fd_;
};

std::optional<Failure> write_all(int fd, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return failure_from_errno(errno);
        }
        done += static_cast<std::size_t>(n);
    }
    return std::nullopt;
}

std::string folder_of(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// What a new file finds at its name: a refusal for what it must not
// replace, a folder or a special file (pipe, device, socket), which is never
// opened for writing, since opening a pipe waits for a reader and a device
// takes the bytes as its own; and the permission bits of a regular file that
// it replaces, which it keeps.
struct Existing {
    std::optional<Failure> refusal;
    std::optional<mode_t> mode;
};

Existing existing_at(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) return {};
    if (S_ISDIR(info.st_mode)) return {failure_from_errno(EISDIR), {}};
    if (S_ISREG(info.st_mode)) return {{}, info.st_mode & 0777};
    if (S_ISLNK(info.st_mode)) return {};
    return {failure_from_errno(EEXIST), {}};
}

// The file mode creation mask as the process starts, before it has threads:
// umask() only reads it by setting it, and a thread creating a file in
// between would get that file without the mask.
const mode_t umask_at_start = [] {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}();

// The process's mask now, read without changing it (Linux 4.7 on shows it in
// /proc/self/status); the mask at start where that cannot be read.
mode_t current_umask() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("Umask:", 0) == 0) return mode_t(std::strtoul(line.c_str() + 6, nullptr, 8));
    return umask_at_start;
}

// rename(), except that a file at `to` is never replaced: EEXIST. A file
// system that cannot rename so gets a hard link, which never replaces either.
int rename_without_replacing(const char* from, const char* to) {
    if (::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0) return 0;
    if (errno != EINVAL && errno != ENOSYS) return errno;
    if (::link(from, to) != 0) return errno;
    ::unlink(from);
    return 0;
}

int move_into_place(const std::string& temp, const std::string& path, IfExists if_exists) {
    if (if_exists == IfExists::refuse) return rename_without_replacing(temp.c_str(), path.c_str());
    return ::rename(temp.c_str(), path.c_str()) == 0 ? 0 : errno;
}

}  // namespace

std::optional<Failure> write_file_atomically(const std::string& path,
                                             std::span<const std::uint8_t> bytes,
                                             IfExists if_exists) {
    const Existing existing = existing_at(path);
    if (existing.refusal) return existing.refusal;
    // A short name, so that it fits beside a target of any legal length.
    std::string temp = folder_of(path) + "/.kvaro-XXXXXX";
    std::vector<char> name(temp.begin(), temp.end());
    name.push_back('\0');
    FileDescriptor fd(::mkostemp(name.data(), O_CLOEXEC));
    if (fd.get() < 0) return failure_from_errno(errno);
    temp.assign(name.data());

    auto failure = write_all(fd.get(), bytes);
    const mode_t mode = existing.mode.value_or(0666 & ~current_umask());
    if (!failure && ::fchmod(fd.get(), mode) != 0) failure = failure_from_errno(errno);
    if (!failure && ::fsync(fd.get()) != 0) failure = failure_from_errno(errno);
    if (!failure && fd.close() != 0) failure = failure_from_errno(errno);
    if (!failure)
        if (const int error = move_into_place(temp, path, if_exists))
            failure = failure_from_errno(error);
    if (failure) ::unlink(temp.c_str());
    return failure;
}

std::optional<Failure> write_file_atomically(const std::string& path, std::string_view text,
                                             IfExists if_exists) {
    const auto* data = reinterpret_cast<const std::uint8_t*>(text.data());
    return write_file_atomically(path, std::span<const std::uint8_t>(data, text.size()), if_exists);
}

}  // namespace platform
