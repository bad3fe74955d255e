// The one decision on where a program keeps its settings file and its
// default catalogs, over the environments it may meet.
#include "platform/program_folders.h"

#include <gtest/gtest.h>

namespace {

using Folders = std::vector<std::string>;

struct Case {
    const char* name;
    bool installed;
    platform::UserEnvironment environment;
    const char* settings;
    const char* data;
    Folders defaults;
};
void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

class ProgramFolders : public ::testing::TestWithParam<Case> {};

TEST_P(ProgramFolders, FollowInstallationThenXdgThenHome) {
    const Case& c = GetParam();
    const auto folders = platform::decide_program_folders("/usr/bin", c.installed, c.environment);
    EXPECT_EQ(folders.settings, c.settings);
    EXPECT_EQ(folders.data, c.data);
    EXPECT_EQ(folders.defaults, c.defaults);
}

const Folders etc_xdg{"/etc/xdg/kvaro"};

INSTANTIATE_TEST_SUITE_P(Environments, ProgramFolders,
                         ::testing::Values(Case{"NotInstalledKeepsTheProgramFolder",
                                                false,
                                                {"/h", "/c", "/d", "/x"},
                                                "/usr/bin",
                                                "/usr/bin",
                                                {}},
                                           Case{"XdgFolders",
                                                true,
                                                {"/h", "/c", "/d", "/x:/y"},
                                                "/c/kvaro",
                                                "/d/kvaro",
                                                Folders{"/x/kvaro", "/y/kvaro"}},
                                           Case{"UnsetXdgMeansHomeAndEtcXdg",
                                                true,
                                                {"/h", "", "", ""},
                                                "/h/.config/kvaro",
                                                "/h/.local/share/kvaro",
                                                etc_xdg},
                                           Case{"RelativeXdgIsIgnored",
                                                true,
                                                {"/h", "c", "./d", "x::/y:z"},
                                                "/h/.config/kvaro",
                                                "/h/.local/share/kvaro",
                                                Folders{"/y/kvaro"}},
                                           Case{"NoHomeKeepsTheProgramFolder",
                                                true,
                                                {"", "", "/d", "x"},
                                                "/usr/bin",
                                                "/d/kvaro",
                                                etc_xdg}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
