// Where the converter keeps kvaro.ini and its default catalogs: beside the
// program when it may write there, in the user's XDG folders when it may
// not (installed under /usr). The program folder is made read-only by a
// read-only bind mount when running as root, by its permissions otherwise.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QLineEdit>
#include <QPushButton>
#include <cstdlib>
#include <filesystem>

#include "platform/program_folders.h"
#include "tests/support/main_window_rig.h"

namespace {

using namespace testing_support;

// Makes a folder unwritable for this process for the life of the object.
class ReadOnlyFolder {
  public:
    explicit ReadOnlyFolder(std::string path) : path_(std::move(path)) {
        if (::geteuid() != 0) {
            made_ = ::chmod(path_.c_str(), 0555) == 0;
        } else if (::mount(path_.c_str(), path_.c_str(), nullptr, MS_BIND, nullptr) == 0) {
            mounted_ = true;
            made_ = ::mount(nullptr, path_.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY,
                            nullptr) == 0;
        }
    }
    ~ReadOnlyFolder() {
        if (mounted_) ::umount2(path_.c_str(), MNT_DETACH);
        if (::geteuid() != 0) ::chmod(path_.c_str(), 0755);
    }
    bool made() const { return made_; }

  private:
    std::string path_;
    bool mounted_ = false;
    bool made_ = false;
};

// Sets an environment variable for the life of the object.
class EnvironmentValue {
  public:
    EnvironmentValue(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        ::setenv(name, value.c_str(), 1);
    }
    ~EnvironmentValue() {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

struct Placement {
    const char* name;
    bool read_only;
};
void PrintTo(const Placement& placement, std::ostream* out) {
    *out << placement.name;
}

class InstalledSettings : public ::testing::TestWithParam<Placement> {};

// First start, Output files "*pic", Convert, second start: the settings
// file and the PIC catalog land in the folders the placement calls for.
TEST_P(InstalledSettings, SettingsAndDefaultCatalogsLandWhereTheProgramMayWrite) {
    TempFolder root;
    const std::string program = root / "bin";
    std::filesystem::create_directory(program);
    const EnvironmentValue config("XDG_CONFIG_HOME", root / "config");
    const EnvironmentValue data("XDG_DATA_HOME", root / "data");
    std::optional<ReadOnlyFolder> read_only;
    if (GetParam().read_only) {
        read_only.emplace(program);
        if (!read_only->made()) GTEST_SKIP() << "cannot make " << program << " read-only";
    }
    const std::string settings = GetParam().read_only ? root / "config/kvaro" : program;
    const std::string pictures = GetParam().read_only ? root / "data/kvaro" : program;
    std::filesystem::copy_file(sample("quadrants.gif"), root / "quadrants.gif");

    platform::ScriptedModal modal;
    converter::ConverterState state(platform::program_folders(program));
    auto form = std::make_unique<converter::Form1>(state, modal);
    ASSERT_EQ(modal.messages.size(), 1u);
    EXPECT_EQ(modal.messages[0].title, "KVARO: Load ini-file");
    form->findChild<QAction*>("outcat_mnu")->trigger();
    QWidget* dialog = top_level("Form8");
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QLineEdit*>("Text2")->setText("*pic");
    dialog->findChild<QPushButton*>("Command1")->click();
    EXPECT_EQ(read_text(settings + "/kvaro.ini").substr(0, 23), "*******KVARO_Ini*******");
    EXPECT_EQ(state.catalogs.value(catalogs::pic_catalog), pictures + "/PIC");

    modal.files.push_back(root / "quadrants.gif");
    form->findChild<QAction*>("open_mnu")->trigger();
    form->findChild<QAction*>("convcol_mnu")->trigger();
    EXPECT_EQ(read_bytes(pictures + "/PIC/quadrants.pic").size(), 16384u);
    form.reset();
    flush_deletes();

    converter::ConverterState second(platform::program_folders(program));
    modal.messages.clear();
    converter::Form1 again(second, modal);
    EXPECT_TRUE(modal.messages.empty());
    EXPECT_EQ(second.catalogs.value(catalogs::pic_catalog), pictures + "/PIC");
}

INSTANTIATE_TEST_SUITE_P(Placements, InstalledSettings,
                         ::testing::Values(Placement{"BesideTheProgram", false},
                                           Placement{"InstalledReadOnly", true}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
