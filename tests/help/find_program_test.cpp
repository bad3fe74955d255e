// Looking up a program file: the program's own folder first, then PATH.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/process_start.h"
#include "tests/support/temp_folder.h"

namespace {

using testing_support::TempFolder;

// Puts under the program's name in `folder` what `entry` says: '.' nothing,
// 'x' a runnable file, '-' a file that is not runnable, 'd' a folder.
void make_entry(const std::string& folder, char entry) {
    std::filesystem::create_directories(folder);
    const std::string path = folder + "/prog";
    if (entry == 'd') std::filesystem::create_directory(path);
    if (entry != 'x' && entry != '-') return;
    testing_support::write_text(path, "#!/bin/sh\n");
    ::chmod(path.c_str(), entry == 'x' ? 0755 : 0644);
}

TEST(FindProgram, FindsTheFirstRunnableFileOrTellsWhyNot) {
    struct Row {
        const char* entries;      // in the program's own folder, then in A and B
        const char* search_path;  // %A and %B stand for the two PATH folders
        const char* found;        // "own", "A", "B", or the message when not found
    };
    const Row rows[] = {{"xx.", "%A", "own"},
                        {".xx", "%A:%B", "A"},
                        {".xx", "%B:%A", "B"},
                        {"..x", "::%B:", "B"},
                        {"-.x", "%A:%B", "B"},
                        {"dx.", "%A", "A"},
                        {"...", "%A:%B", "Error 2: No such file or directory"},
                        {".x.", "", "Error 2: No such file or directory"},
                        {"-d-", "%A:%B", "Error 13: Permission denied"}};
    for (const Row& row : rows) {
        TempFolder root;
        std::string search_path = row.search_path;
        for (int i = 0; i < 3; ++i) {
            const std::string folder = i == 0 ? "own" : i == 1 ? "A" : "B";
            make_entry(root / folder, row.entries[i]);
            const auto at = search_path.find("%" + folder);
            if (at != std::string::npos) search_path.replace(at, 2, root / folder);
        }
        const auto result = platform::find_program("prog", root / "own", search_path);
        const std::string found = row.found;
        const bool in_folder = found == "own" || found == "A" || found == "B";
        EXPECT_EQ(result.path, in_folder ? root / found + "/prog" : "") << row.entries;
        EXPECT_EQ(result.failure ? platform::error_message(*result.failure) : "",
                  in_folder ? "" : found)
            << row.entries << " " << row.search_path;
    }
}

}  // namespace
