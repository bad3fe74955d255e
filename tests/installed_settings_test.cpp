// Where the converter keeps kvaro.ini and its default catalogs: in the
// user's XDG folders when it runs from the folder it is installed into,
// even one it may write (as root), beside the program anywhere else; and an
// installed program's first start from the shipped default. The program
// folder is made read-only by a read-only bind mount when running as root,
// by its permissions otherwise.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QLineEdit>
#include <QPushButton>
#include <filesystem>
#include <optional>

#include "platform/program_folders.h"
#include "tests/support/main_window_rig.h"

namespace {

using namespace testing_support;

// Makes a folder unwritable for this process for the life of the object.
struct ReadOnlyFolder {
    explicit ReadOnlyFolder(std::string folder) : path(std::move(folder)) {
        if (::geteuid() != 0) {
            made = ::chmod(path.c_str(), 0555) == 0;
        } else if ((mounted =
                        ::mount(path.c_str(), path.c_str(), nullptr, MS_BIND, nullptr) == 0)) {
            made = ::mount(nullptr, path.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY,
                           nullptr) == 0;
        }
    }
    ~ReadOnlyFolder() {
        if (mounted) ::umount2(path.c_str(), MNT_DETACH);
        if (::geteuid() != 0) ::chmod(path.c_str(), 0755);
    }
    std::string path;
    bool mounted = false;
    bool made = false;
};

// Sets an environment variable for the life of the object.
struct EnvironmentValue {
    EnvironmentValue(const char* name, const std::string& value)
        : name(name), old(qgetenv(name)), was_set(qEnvironmentVariableIsSet(name)) {
        qputenv(name, QByteArray::fromStdString(value));
    }
    ~EnvironmentValue() { was_set ? qputenv(name, old) : qunsetenv(name); }
    const char* name;
    QByteArray old;
    bool was_set;
};

struct Placement {
    const char* name;
    bool installed;
    bool read_only;
    bool shipped_default;  // the package's kvaro.ini in $XDG_CONFIG_DIRS/kvaro
    std::vector<std::string> first_start_titles;
};

std::vector<std::string> titles(const platform::ScriptedModal& modal) {
    std::vector<std::string> titles;
    for (const auto& message : modal.messages) titles.push_back(message.title);
    return titles;
}

class InstalledSettings : public ::testing::TestWithParam<Placement> {};

// First start, Output files "*pic", Convert, second start: the settings
// file and the PIC catalog land in the folders the placement calls for.
TEST_P(InstalledSettings, SettingsAndDefaultCatalogsLandWhereThePlacementSays) {
    const Placement& placement = GetParam();
    TempFolder root;
    const std::string program = root / "bin";
    std::filesystem::create_directory(program);
    const EnvironmentValue config("XDG_CONFIG_HOME", root / "config");
    const EnvironmentValue data("XDG_DATA_HOME", root / "data");
    const EnvironmentValue config_dirs("XDG_CONFIG_DIRS", root / "etc/xdg");
    const std::string shipped = root / "etc/xdg/kvaro/kvaro.ini";
    if (placement.shipped_default) {
        std::filesystem::create_directories(root / "etc/xdg/kvaro");
        std::filesystem::copy_file(desktop_file("kvaro.ini"), shipped);
    }
    std::optional<ReadOnlyFolder> read_only;
    if (placement.read_only) {
        read_only.emplace(program);
        if (!read_only->made) GTEST_SKIP() << "cannot make " << program << " read-only";
    }
    const std::string settings = placement.installed ? root / "config/kvaro" : program;
    const std::string pictures = placement.installed ? root / "data/kvaro" : program;
    const std::vector<std::string> install_folders{placement.installed ? program : "/usr/bin"};

    platform::ScriptedModal modal;
    converter::ConverterState state(platform::program_folders(program, install_folders));
    auto form = std::make_unique<converter::Form1>(state, modal);
    EXPECT_EQ(titles(modal), placement.first_start_titles);
    if (placement.first_start_titles.empty()) {
        EXPECT_EQ(read_text(settings + "/kvaro.ini"), read_text(shipped));
    }
    form->findChild<QAction*>("outcat_mnu")->trigger();
    QWidget* dialog = top_level("Form8");
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QLineEdit*>("Text2")->setText("*pic");
    dialog->findChild<QPushButton*>("Command1")->click();
    EXPECT_EQ(read_text(settings + "/kvaro.ini").substr(0, 23), "*******KVARO_Ini*******");
    EXPECT_EQ(state.catalogs.value(catalogs::pic_catalog), pictures + "/PIC");

    modal.files.push_back(sample("quadrants.gif"));
    form->findChild<QAction*>("open_mnu")->trigger();
    form->findChild<QAction*>("convcol_mnu")->trigger();
    EXPECT_EQ(read_bytes(pictures + "/PIC/quadrants.pic").size(), 16384u);
    form.reset();
    flush_deletes();

    converter::ConverterState second(platform::program_folders(program, install_folders));
    modal.messages.clear();
    converter::Form1 again(second, modal);
    EXPECT_TRUE(modal.messages.empty());
    EXPECT_EQ(second.catalogs.value(catalogs::pic_catalog), pictures + "/PIC");
}

const std::vector<std::string> load_failed{"KVARO: Load ini-file"};

INSTANTIATE_TEST_SUITE_P(
    Placements, InstalledSettings,
    ::testing::Values(Placement{"PortableIgnoresTheDefault", false, false, true, load_failed},
                      Placement{"InstalledAndWritableAsRoot", true, false, false, load_failed},
                      Placement{"InstalledFirstStart", true, true, true, {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
