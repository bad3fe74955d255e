// The viewer's start: initial state, and the window the command line picks.
#include "viewer/start.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include "formats/m11_file.h"
#include "platform/scripted_modal.h"
#include "platform/start_arguments.h"
#include "tests/viewer/viewer_rig.h"
#include "viewer/m11_window.h"

namespace {

using namespace viewer_testing;

TEST(ViewerStart, InitialState) {
    const viewer::ViewerState state("/p");
    EXPECT_EQ(state.maps.colour, (std::array<std::int32_t, 4>{0, 16711680, 65280, 255}));
    EXPECT_EQ(state.maps.mono, (std::array<std::int32_t, 2>{0, 16777215}));
    EXPECT_EQ(state.dialog_colour, 65280);
    EXPECT_EQ(state.pressed(viewer::ColourDialog::change_color), 0);
    EXPECT_EQ(state.pressed(viewer::ColourDialog::change_bw), 0);
    EXPECT_EQ(state.catalogs.value(catalogs::bmp_catalog), "");
    EXPECT_EQ(state.catalogs.settings_path(), "/p/orvak.ini");
}

TEST(ViewerStart, OnlyExactly11mOpensThe11mWindow) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "Form1"},      {"/11m", "Form2"}, {"/11M", "Form2"}, {"/11m ", "Form1"},
        {" /11m", "Form1"}, {"/11", "Form1"},  {"x", "Form1"}};
    for (const auto& [text, window_name] : cases) {
        TempFolder folder;
        write_text(folder / "orvak.ini", viewer_defaults_ini);
        viewer::ViewerState state(folder.path());
        platform::ScriptedModal modal;
        auto window = viewer::start_viewer(text, state, modal);
        ASSERT_NE(window, nullptr) << text;
        EXPECT_EQ(window->objectName(), window_name) << text;
        // Either window reads the settings file at load.
        EXPECT_EQ(state.catalogs.value(catalogs::bmp_catalog), folder / "BMP") << text;
        EXPECT_TRUE(modal.messages.empty());
    }
}

struct CommandLineCase {
    const char* name;
    std::vector<std::string> arguments;  // the file last
    const char* window;                  // the window that opens: "Form1" or "Form2"
    const char* mode_item;               // Form1's mode, as its Window item
};

// "orvak x.bbd", "orvak x.11M", "orvak missing.pic": the file's kind picks
// the window and mode, and the window shows what its Open of the file in
// that mode shows, a missing file's message included.
TEST(ViewerStart, TheFileOnTheCommandLineOpensInTheWindowAndModeOfItsKind) {
    TempFolder files;
    std::string screen;
    for (int i = 0; i < 16384; ++i) screen += static_cast<char>(i * 7 + i / 64);
    write_text(files / "x.bbd", screen.substr(0, 1024));
    write_text(files / "x.pic", screen);
    const auto m11 = bk::m11::file_bytes({16, 100}, std::vector<std::uint8_t>(1600, 0x1B));
    write_text(files / "x.11M", std::string(m11.begin(), m11.end()));
    write_text(files / "x.dat", std::string(m11.begin(), m11.end()));
    const CommandLineCase cases[] = {
        {"sprite", {"x.bbd"}, "Form1", "sbk64_mnu"},
        {"screen", {"x.pic"}, "Form1", "sbk256_mnu"},
        {"m11", {"x.11M"}, "Form2", nullptr},
        {"m11_by_its_signature", {"x.dat"}, "Form2", nullptr},
        {"missing", {"missing.pic"}, "Form1", "sbk256_mnu"},
        {"missing_11m", {"/11m", "missing.11M"}, "Form2", nullptr},
    };
    for (const CommandLineCase& c : cases) {
        const auto arguments = platform::parse_start_arguments(c.arguments, files.path());
        ViewerRig form1(viewer_defaults_ini);
        ViewerWindowRig<viewer::Form2> form2(viewer_defaults_ini);
        auto window =
            viewer::start_viewer(arguments.window_text, form1.state, form1.modal, arguments.file);
        QCoreApplication::processEvents();
        ASSERT_EQ(window->objectName(), c.window) << c.name;
        const std::vector<Shown> by_start = shown(form1.modal.messages);
        form1.modal.messages.clear();
        const std::string file = files / c.arguments.back();
        const platform::PictureWindow* by_open = nullptr;
        if (c.mode_item != nullptr) {
            form1.choose(c.mode_item);
            form1.open(file);
            by_open = &form1.picture();
            EXPECT_EQ(shown(form1.modal.messages), by_start) << c.name;
        } else {
            form2.open(file);
            by_open = &form2.picture();
            EXPECT_EQ(shown(form2.modal.messages), by_start) << c.name;
        }
        EXPECT_EQ(window->findChild<platform::PictureWindow*>("Picture1")->image(),
                  by_open->image())
            << c.name;
    }
}

}  // namespace
