// The one decision on where a program keeps its settings file and its
// default catalogs, over the environments it may meet.
#include "platform/program_folders.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* name;
    bool writable;
    platform::UserEnvironment environment;
    const char* settings;
    const char* data;
};
void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

class ProgramFolders : public ::testing::TestWithParam<Case> {};

TEST_P(ProgramFolders, FollowWritabilityThenXdgThenHome) {
    const Case& c = GetParam();
    const auto folders = platform::decide_program_folders("/usr/bin", c.writable, c.environment);
    EXPECT_EQ(folders.settings, c.settings);
    EXPECT_EQ(folders.data, c.data);
}

INSTANTIATE_TEST_SUITE_P(
    Environments, ProgramFolders,
    ::testing::Values(
        Case{"WritableKeepsTheProgramFolder", true, {"/h", "/c", "/d"}, "/usr/bin", "/usr/bin"},
        Case{"XdgFolders", false, {"/h", "/c", "/d"}, "/c/kvaro", "/d/kvaro"},
        Case{"UnsetXdgMeansHome",
             false,
             {"/h", "", ""},
             "/h/.config/kvaro",
             "/h/.local/share/kvaro"},
        Case{"RelativeXdgIsIgnored",
             false,
             {"/h", "c", "./d"},
             "/h/.config/kvaro",
             "/h/.local/share/kvaro"},
        Case{"NoHomeKeepsTheProgramFolder", false, {"", "", "/d"}, "/usr/bin", "/d/kvaro"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
