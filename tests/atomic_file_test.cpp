#include "platform/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>

#include "platform/whole_input.h"
#include "tests/support/temp_folder.h"

// Every call of umask() in this program, the test's own among them.
std::atomic<int> umask_calls{0};

extern "C" mode_t umask(mode_t mask) noexcept {
    ++umask_calls;
    return mode_t(::syscall(SYS_umask, mask));
}

namespace {

using testing_support::folder_names;
using testing_support::read_text;
using testing_support::TempFolder;
using testing_support::write_text;
using Names = std::vector<std::string>;

std::string message_of(const std::optional<platform::Failure>& failure) {
    return failure ? platform::error_message(*failure) : "no failure";
}

mode_t mode_of(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

// A new file gets 0666 less the umask, read without ever setting the umask:
// set to 0 for a moment, another thread's new files would be world-writable.
// A replaced file keeps its own permissions. Without replacing, the check is
// the step that puts the file in place: a file that appeared since any
// earlier look is kept.
TEST(AtomicFile, ReplacesKeepingTheModeCreatesWithTheUmaskOrRefuses) {
    TempFolder temp;
    std::string bytes(300, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = char(i * 13);
    write_text(temp / "out.pic", std::string(40000, 'o'));
    write_text(temp / "kept.pic", "old");
    ::chmod((temp / "out.pic").c_str(), 0604);
    const mode_t old_mask = ::umask(027);
    umask_calls = 0;
    const std::tuple<const char*, std::string, platform::IfExists, const char*> writes[] = {
        {"out.pic", bytes, platform::IfExists::replace, "no failure"},
        {"new.pic", "\r\n", platform::IfExists::replace, "no failure"},
        {"kept.pic", "new", platform::IfExists::refuse, "Error 17: File exists"},
        {"fresh.pic", "new", platform::IfExists::refuse, "no failure"}};
    for (const auto& [name, text, if_exists, expected] : writes)
        EXPECT_EQ(message_of(platform::write_file_atomically(temp / name, text, if_exists)),
                  expected)
            << name;
    EXPECT_EQ(umask_calls, 0);
    ::umask(old_mask);
    for (const auto& [name, text, if_exists, expected] : writes)
        EXPECT_EQ(read_text(temp / name), name == std::string("kept.pic") ? "old" : text);
    EXPECT_EQ(mode_of(temp / "new.pic"), 0640u);
    EXPECT_EQ(mode_of(temp / "out.pic"), 0604u);
    EXPECT_EQ(folder_names(temp.path()), (Names{"fresh.pic", "kept.pic", "new.pic", "out.pic"}));
}

// Only a regular file or a link is replaced; a link is replaced itself, not
// the file it points at; a pipe or device is never opened; a failure, even
// midway, keeps the old file and leaves no temporary file.
TEST(AtomicFile, ReplacesOnlyTheEntryAndOnlyWhatMayBeReplaced) {
    TempFolder temp;
    ASSERT_EQ(::mkfifo((temp / "pipe.pic").c_str(), 0644), 0);
    ASSERT_EQ(::mkdir((temp / "folder.pic").c_str(), 0755), 0);
    ASSERT_EQ(::mkdir((temp / "real").c_str(), 0755), 0);
    write_text(temp / "real/out.pic", "old");
    write_text(temp / "big.pic", "old picture");
    ASSERT_EQ(::symlink("real/out.pic", (temp / "link.pic").c_str()), 0);
    const std::string longest = std::string(251, 'n') + ".pic";  // 255 bytes, the most allowed
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {temp / "pipe.pic", "new", "Error 17: File exists"},
        {"/dev/full", "new", "Error 17: File exists"},
        {temp / "folder.pic", "new", "Error 21: Is a directory"},
        {temp / "missing/out.pic", "new", "Error 2: No such file or directory"},
        {temp / "big.pic", std::string(16384, 'n'), "Error 27: File too large"},
        {temp / "link.pic", "new", "no failure"},
        {temp / longest, "new", "no failure"}};
    // Files may grow only to 4096 bytes here; 16384 bytes fail midway.
    rlimit old_limit{};
    ::getrlimit(RLIMIT_FSIZE, &old_limit);
    rlimit limit = old_limit;
    limit.rlim_cur = 4096;
    const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &limit);
    ::alarm(20);  // opening the pipe would wait for a reader for ever
    for (const auto& [path, text, expected] : cases)
        EXPECT_EQ(message_of(platform::write_file_atomically(path, text)), expected) << path;
    ::alarm(0);
    ::setrlimit(RLIMIT_FSIZE, &old_limit);
    std::signal(SIGXFSZ, old_handler);
    EXPECT_EQ(read_text(temp / "big.pic"), "old picture");
    EXPECT_EQ(read_text(temp / "link.pic"), "new");
    EXPECT_EQ(read_text(temp / "real/out.pic"), "old");
    EXPECT_EQ(read_text(temp / longest), "new");
    EXPECT_EQ(folder_names(temp.path()),
              (Names{"big.pic", "folder.pic", "link.pic", longest, "pipe.pic", "real"}));
}

// Up to the limit, too large unless nothing is left, and a regular file's
// length known either way.
TEST(WholeInput, HonoursTheLimitAndTellsTheLength) {
    TempFolder temp;
    std::string text(20000, '\0');
    for (std::size_t i = 0; i < text.size(); ++i) text[i] = char(i % 251);
    write_text(temp / "in", text);
    for (const std::size_t limit : {0ul, 10ul, 8192ul, 10000ul, 20000ul, 1ul << 20}) {
        const auto result = platform::read_whole_input(temp / "in", limit);
        EXPECT_EQ(result.bytes, text.substr(0, limit)) << limit;
        EXPECT_EQ(message_of(result.whole_or_failure()),
                  limit >= text.size() ? "no failure" : "Error 27: File too large");
        EXPECT_EQ(result.size, text.size()) << limit;
    }
    EXPECT_EQ(message_of(platform::read_whole_input(temp / "missing", 100).failure),
              "Error 2: No such file or directory");
    EXPECT_EQ(platform::read_whole_input("/dev/zero", 100).size, std::nullopt);
}

}  // namespace
