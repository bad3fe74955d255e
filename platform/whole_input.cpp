#include "platform/whole_input.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>

namespace platform {
namespace {

// read() that goes on after a signal; -1 with errno set on failure.
ssize_t read_some(int fd, char* buffer, std::size_t size) {
    for (;;) {
        const ssize_t n = ::read(fd, buffer, size);
        if (n >= 0 || errno != EINTR) return n;
    }
}

// Room for a file's bytes, so that nothing is copied as they come. Its
// memory is mapped at once, not a fault for every 4 KiB page as the bytes
// arrive (which on some machines costs more than reading them).
void reserve_mapped(std::string& bytes, std::size_t size) {
    bytes.reserve(size);
    constexpr std::uintptr_t page = 4096;
    const auto start = (reinterpret_cast<std::uintptr_t>(bytes.data()) + page - 1) & ~(page - 1);
    const auto end = (reinterpret_cast<std::uintptr_t>(bytes.data()) + size) & ~(page - 1);
    if (end > start) madvise(reinterpret_cast<void*>(start), end - start, MADV_POPULATE_WRITE);
}

}  // namespace

std::optional<Failure> WholeInput::whole_or_failure() const {
    if (failure) return failure;
    if (!ended) return failure_from_errno(EFBIG);
    return std::nullopt;
}

WholeInput read_whole_descriptor(int fd, std::size_t limit) {
    WholeInput result;
    struct stat status {};
    const bool regular = fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
    if (regular && std::size_t(status.st_size) < limit)
        reserve_mapped(result.bytes, std::size_t(status.st_size) + 1);
    char buffer[65536];
    while (result.bytes.size() < limit) {
        const std::size_t wanted = std::min(sizeof buffer, limit - result.bytes.size());
        const ssize_t n = read_some(fd, buffer, wanted);
        if (n < 0) {
            result.failure = failure_from_errno(errno);
            return result;
        }
        if (n == 0) {
            result.ended = true;
            result.size = result.bytes.size();
            return result;
        }
        result.bytes.append(buffer, static_cast<std::size_t>(n));
    }
    char probe;  // one byte more tells an input that ends exactly at the limit
    const ssize_t n = read_some(fd, &probe, 1);
    if (n < 0) result.failure = failure_from_errno(errno);
    result.ended = n == 0;
    if (result.ended)
        result.size = result.bytes.size();
    else if (regular && std::uint64_t(status.st_size) > result.bytes.size())
        result.size = std::uint64_t(status.st_size);  // a file in /proc tells no length
    return result;
}

WholeInput read_whole_input(const std::string& path, std::size_t limit) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        WholeInput result;
        result.failure = failure_from_errno(errno);
        return result;
    }
    WholeInput result = read_whole_descriptor(fd, limit);
    ::close(fd);
    return result;
}

}  // namespace platform
