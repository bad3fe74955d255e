#include "converter/command_line.h"

#include <gtest/gtest.h>

#include "platform/program_info.h"

namespace {

TEST(CommandLine, OnlyTheExactTextOpensThe11mWindow) {
    EXPECT_TRUE(converter::asks_for_11m("/11m"));
    EXPECT_TRUE(converter::asks_for_11m("/11M"));
    for (const char* other : {"", " /11M", "/11M ", "/11", "/11mm", "11m", "-11m", "/11m /11m"}) {
        EXPECT_FALSE(converter::asks_for_11m(other)) << '"' << other << '"';
    }
}

TEST(CommandLine, ArgumentTextJoinsTheArgumentsWithBlanks) {
    const char* none[] = {"kvaro"};
    EXPECT_EQ(platform::argument_text(1, none), "");
    const char* one[] = {"kvaro", "/11M"};
    EXPECT_EQ(platform::argument_text(2, one), "/11M");
    const char* two[] = {"kvaro", "/11m", "x"};
    EXPECT_EQ(platform::argument_text(3, two), "/11m x");
}

TEST(CommandLine, ProgramFolderIsTheFolderOfTheTestProgram) {
    const std::string folder = platform::program_folder();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '/');
    EXPECT_EQ(folder.substr(folder.rfind('/') + 1), "bin");
}

}  // namespace
