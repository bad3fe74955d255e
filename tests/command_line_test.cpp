#include "converter/command_line.h"

#include <gtest/gtest.h>

#include "platform/program_info.h"
#include "platform/start_arguments.h"

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

struct StartCase {
    const char* name;
    std::vector<std::string> arguments;
    std::string window_text;
    std::string file;
};

// An argument other than the switch names the file to open, whether it is
// there or not: the window reports a missing one as its Open would.
TEST(CommandLine, TheFirstArgumentButTheSwitchIsOpenedAndTheSwitchPicksTheWindow) {
    const StartCase cases[] = {
        {"nothing", {}, "", ""},
        {"relative_file", {"photo.jpg"}, "", "/home/u/photo.jpg"},
        {"dotted_relative_file", {".//photo.jpg"}, "", "/home/u/photo.jpg"},
        {"absolute_file", {"/pics/a.gif"}, "", "/pics/a.gif"},
        {"switch_then_file", {"/11M", "view.11M"}, "/11M", "/home/u/view.11M"},
        {"file_then_switch", {"gone.jpg", "/11m"}, "/11m", "/home/u/gone.jpg"},
        {"first_of_two_files", {"/pics/a.gif", "photo.jpg"}, "", "/pics/a.gif"},
        {"folder", {"/home/u"}, "", "/home/u"},
        {"empty_argument", {""}, "", ""},
        {"empty_argument_and_switch", {"", "/11m"}, " /11m", ""},
        {"switch_twice", {"/11m", "/11M"}, "/11m /11M", ""},
    };
    for (const StartCase& c : cases) {
        const platform::StartArguments parsed =
            platform::parse_start_arguments(c.arguments, "/home/u");
        EXPECT_EQ(parsed.window_text, c.window_text) << c.name;
        EXPECT_EQ(parsed.file, c.file) << c.name;
    }
}

TEST(CommandLine, ProgramFolderIsTheFolderOfTheTestProgram) {
    const std::string folder = platform::program_folder();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '/');
    EXPECT_EQ(folder.substr(folder.rfind('/') + 1), "bin");
}

}  // namespace
