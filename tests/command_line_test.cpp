#include "converter/command_line.h"

#include <gtest/gtest.h>

#include "platform/program_info.h"
#include "platform/start_arguments.h"

namespace {

TEST(CommandLine, OnlyTheExactTextOpensThe11mWindow) {
    for (const char* text : {"/11m", "/11M"}) EXPECT_TRUE(converter::asks_for_11m(text)) << text;
    for (const char* other : {"", " /11M", "/11M ", "/11", "/11mm", "11m", "-11m", "/11m /11m"})
        EXPECT_FALSE(converter::asks_for_11m(other)) << '"' << other << '"';
    const char* arguments[] = {"kvaro", "/11m", "x"};
    EXPECT_EQ(platform::argument_text(1, arguments), "");
    EXPECT_EQ(platform::argument_text(3, arguments), "/11m x");
}

// An argument other than the switch names the file to open, whether it is
// there or not: the window reports a missing one as its Open would.
TEST(CommandLine, TheFirstArgumentButTheSwitchIsOpenedAndTheSwitchPicksTheWindow) {
    const std::tuple<std::vector<std::string>, std::string, std::string> cases[] = {
        {{}, "", ""},
        {{"photo.jpg"}, "", "/home/u/photo.jpg"},
        {{".//photo.jpg"}, "", "/home/u/photo.jpg"},
        {{"/pics/a.gif"}, "", "/pics/a.gif"},
        {{"/11M", "view.11M"}, "/11M", "/home/u/view.11M"},
        {{"gone.jpg", "/11m"}, "/11m", "/home/u/gone.jpg"},
        {{"/pics/a.gif", "photo.jpg"}, "", "/pics/a.gif"},
        {{"/home/u"}, "", "/home/u"},
        {{""}, "", ""},
        {{"", "/11m"}, " /11m", ""},
        {{"/11m", "/11M"}, "/11m /11M", ""}};
    for (const auto& [arguments, window_text, file] : cases) {
        const auto parsed = platform::parse_start_arguments(arguments, "/home/u");
        EXPECT_EQ(parsed.window_text + "|" + parsed.file, window_text + "|" + file)
            << testing::PrintToString(arguments);
    }
}

TEST(CommandLine, ProgramFolderIsTheFolderOfTheTestProgram) {
    const std::string folder = platform::program_folder();
    EXPECT_EQ(folder.substr(folder.rfind('/')), "/bin");
}

}  // namespace
