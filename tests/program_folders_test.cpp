// The one decision on where a program keeps its settings file and its
// default catalogs, over the environments it may meet.
#include "platform/program_folders.h"

#include <gtest/gtest.h>

#include "tests/support/param_names.h"

namespace {

using Folders = std::vector<std::string>;

struct Case {
    const char* name;
    bool installed;
    platform::UserEnvironment environment;
    Folders expected;  // settings, data, then the defaults
};
void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

const Case environments[] = {
    {"NotInstalledBesideTheProgram", false, {"/h", "/c", "/d", "/x"}, {"/usr/bin", "/usr/bin"}},
    {"XdgFolders",
     true,
     {"/h", "/c", "/d", "/x:/y"},
     {"/c/kvaro", "/d/kvaro", "/x/kvaro", "/y/kvaro"}},
    {"UnsetXdgMeansHomeAndEtcXdg",
     true,
     {"/h", "", "", ""},
     {"/h/.config/kvaro", "/h/.local/share/kvaro", "/etc/xdg/kvaro"}},
    {"RelativeXdgIsIgnored",
     true,
     {"/h", "c", "./d", "x::/y:z"},
     {"/h/.config/kvaro", "/h/.local/share/kvaro", "/y/kvaro"}},
    {"NoHomeBesideTheProgram",
     true,
     {"", "", "/d", "x"},
     {"/usr/bin", "/d/kvaro", "/etc/xdg/kvaro"}},
};

class ProgramFolders : public ::testing::TestWithParam<Case> {};

TEST_P(ProgramFolders, FollowInstallationThenXdgThenHome) {
    const Case& c = GetParam();
    const auto folders = platform::decide_program_folders("/usr/bin", c.installed, c.environment);
    Folders decided{folders.settings, folders.data};
    decided.insert(decided.end(), folders.defaults.begin(), folders.defaults.end());
    EXPECT_EQ(decided, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Environments, ProgramFolders, ::testing::ValuesIn(environments),
                         testing_support::printed_name);

}  // namespace
