// Reading BK files into the file buffer: size limits, short files, and
// files that cannot be read.
#include "viewer/bk_file.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/param_names.h"
#include "tests/support/temp_folder.h"

namespace {

using testing_support::TempFolder;
using testing_support::write_text;
using viewer::BkFileRead;
using Outcome = BkFileRead::Outcome;

viewer::FileBuffer filled(std::uint8_t value) {
    viewer::FileBuffer buffer;
    buffer.fill(value);
    return buffer;
}

struct SizeCase {
    std::size_t limit;
    std::size_t length;
    Outcome outcome;
    bool short_file;
};

void PrintTo(const SizeCase& c, std::ostream* os) {
    *os << c.length << " of " << c.limit;
}

class FileSizes : public testing::TestWithParam<SizeCase> {};

TEST_P(FileSizes, AcceptedUpToTheLimitAndReadOverTheBufferStart) {
    const SizeCase c = GetParam();
    TempFolder temp;
    write_text(temp / "f.pic", std::string(c.length, '\x5A'));
    viewer::FileBuffer buffer = filled(0xA5);
    const BkFileRead read = viewer::read_bk_file(temp / "f.pic", c.limit, buffer);
    EXPECT_EQ(read.outcome, c.outcome);
    EXPECT_FALSE(read.failure);
    if (c.outcome == Outcome::read) {
        EXPECT_EQ(read.bytes_read, c.length);
        EXPECT_EQ(read.short_file(), c.short_file);
        // The file's bytes from index 0; the rest as the earlier file left it.
        EXPECT_EQ(std::count(buffer.begin(), buffer.begin() + c.length, 0x5A), long(c.length));
        EXPECT_EQ(std::count(buffer.begin() + c.length, buffer.end(), 0xA5),
                  long(buffer.size() - c.length));
    } else {
        EXPECT_EQ(buffer, filled(0xA5));
    }
}

INSTANTIATE_TEST_SUITE_P(Limits, FileSizes,
                         testing::Values(SizeCase{1024, 1024, Outcome::read, true},
                                         SizeCase{1024, 1025, Outcome::too_large, false},
                                         SizeCase{1024, 0, Outcome::read, true},
                                         SizeCase{16384, 16384, Outcome::read, false},
                                         SizeCase{16384, 16383, Outcome::read, true},
                                         SizeCase{16384, 16385, Outcome::too_large, false},
                                         SizeCase{16384, 100000, Outcome::too_large, false},
                                         SizeCase{16384, 0, Outcome::read, true}),
                         testing_support::printed_name);

TEST(BkFile, FilesThatCannotBeReadChangeNothing) {
    TempFolder temp;
    const std::tuple<std::string, std::string> cases[] = {
        {temp / "missing.pic", "Error 2: No such file or directory"},
        {temp.path(), "Error 21: Is a directory"}};
    for (const auto& [path, message] : cases) {
        viewer::FileBuffer buffer = filled(7);
        const BkFileRead read = viewer::read_bk_file(path, 16384, buffer);
        EXPECT_EQ(read.outcome, Outcome::failed) << path;
        ASSERT_TRUE(read.failure) << path;
        EXPECT_EQ(platform::error_message(*read.failure), message);
        EXPECT_EQ(buffer, filled(7)) << path;
    }
}

}  // namespace
