// Looking up a program file: the program's own folder first, then PATH.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/process_start.h"
#include "tests/support/temp_folder.h"

namespace {

using testing_support::TempFolder;

// What a folder holds under the program's name.
enum class Entry { none, runnable, not_runnable, folder };

void make_entry(const std::string& folder, Entry entry) {
    std::filesystem::create_directories(folder);
    const std::string path = folder + "/prog";
    switch (entry) {
        case Entry::none:
            return;
        case Entry::folder:
            std::filesystem::create_directory(path);
            return;
        case Entry::runnable:
        case Entry::not_runnable:
            testing_support::write_text(path, "#!/bin/sh\n");
            ::chmod(path.c_str(), entry == Entry::runnable ? 0755 : 0644);
    }
}

struct LookupCase {
    const char* title;
    Entry own, first, second;
    const char* search_path;  // %A and %B stand for the two PATH folders
    const char* found;        // "own", "A", "B", or the message when not found
};

void PrintTo(const LookupCase& c, std::ostream* os) {
    *os << c.title;
}

class FindProgram : public ::testing::TestWithParam<LookupCase> {};

TEST_P(FindProgram, FindsTheFirstRunnableFileOrTellsWhyNot) {
    const LookupCase& c = GetParam();
    TempFolder root;
    make_entry(root / "own", c.own);
    make_entry(root / "A", c.first);
    make_entry(root / "B", c.second);
    std::string search_path = c.search_path;
    for (const char* folder : {"A", "B"}) {
        const auto at = search_path.find(std::string("%") + folder);
        if (at != std::string::npos) search_path.replace(at, 2, root / folder);
    }
    const auto result = platform::find_program("prog", root / "own", search_path);
    const std::string found = c.found;
    if (found == "own" || found == "A" || found == "B") {
        EXPECT_FALSE(result.failure);
        EXPECT_EQ(result.path, root / found + "/prog");
    } else {
        ASSERT_TRUE(result.failure);
        EXPECT_EQ(platform::error_message(*result.failure), found);
        EXPECT_EQ(result.path, "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindProgram,
    ::testing::Values(
        LookupCase{"OwnFolderFirst", Entry::runnable, Entry::runnable, Entry::none, "%A", "own"},
        LookupCase{"PathInOrder", Entry::none, Entry::runnable, Entry::runnable, "%A:%B", "A"},
        LookupCase{"PathOrderAsGiven", Entry::none, Entry::runnable, Entry::runnable, "%B:%A", "B"},
        LookupCase{"EmptyEntriesSkipped", Entry::none, Entry::none, Entry::runnable, "::%B:", "B"},
        LookupCase{"NotRunnablePassedOver", Entry::not_runnable, Entry::none, Entry::runnable,
                   "%A:%B", "B"},
        LookupCase{"FolderPassedOver", Entry::folder, Entry::runnable, Entry::none, "%A", "A"},
        LookupCase{"Missing", Entry::none, Entry::none, Entry::none, "%A:%B",
                   "Error 2: No such file or directory"},
        LookupCase{"NoPath", Entry::none, Entry::runnable, Entry::none, "",
                   "Error 2: No such file or directory"},
        LookupCase{"OnlyNotRunnable", Entry::not_runnable, Entry::folder, Entry::not_runnable,
                   "%A:%B", "Error 13: Permission denied"}),
    [](const auto& info) { return std::string(info.param.title); });

}  // namespace
