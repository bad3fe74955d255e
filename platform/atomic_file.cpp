#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "platform/whole_input.h"

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

// Refuses what a new file must not replace: a folder, or a special file
// (pipe, device, socket), which is never opened for writing, since opening
// a pipe waits for a reader and a device takes the bytes as its own.
std::optional<Failure> refusal_of(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) return std::nullopt;
    if (S_ISDIR(info.st_mode)) return failure_from_errno(EISDIR);
    if (S_ISREG(info.st_mode) || S_ISLNK(info.st_mode)) return std::nullopt;
    return failure_from_errno(EEXIST);
}

mode_t new_file_mode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

std::optional<Failure> write_file_atomically(const std::string& path,
                                             std::span<const std::uint8_t> bytes) {
    if (auto refusal = refusal_of(path)) return refusal;
    // A short name, so that it fits beside a target of any legal length.
    std::string temp = folder_of(path) + "/.kvaro-XXXXXX";
    std::vector<char> name(temp.begin(), temp.end());
    name.push_back('\0');
    FileDescriptor fd(::mkostemp(name.data(), O_CLOEXEC));
    if (fd.get() < 0) return failure_from_errno(errno);
    temp.assign(name.data());

    auto failure = write_all(fd.get(), bytes);
    if (!failure && ::fchmod(fd.get(), new_file_mode()) != 0) failure = failure_from_errno(errno);
    if (!failure && ::fsync(fd.get()) != 0) failure = failure_from_errno(errno);
    if (!failure && fd.close() != 0) failure = failure_from_errno(errno);
    if (!failure && ::rename(temp.c_str(), path.c_str()) != 0) failure = failure_from_errno(errno);
    if (failure) ::unlink(temp.c_str());
    return failure;
}

std::optional<Failure> write_file_atomically(const std::string& path, std::string_view text) {
    const auto* data = reinterpret_cast<const std::uint8_t*>(text.data());
    return write_file_atomically(path, std::span<const std::uint8_t>(data, text.size()));
}

ReadResult read_file(const std::string& path, std::size_t limit) {
    WholeInput whole = read_whole_input(path, limit);
    return {std::move(whole.bytes), std::move(whole.failure)};
}

}  // namespace platform
