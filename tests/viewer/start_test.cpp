// The viewer's start: the window that the command line picks, and the file
// it names opened as Open opens it.
#include "viewer/start.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include "formats/m11_file.h"
#include "platform/start_arguments.h"
#include "tests/viewer/viewer_rig.h"
#include "viewer/m11_window.h"

namespace {

using namespace viewer_testing;

TEST(ViewerStart, Only11mOpensThe11mWindowAndEitherReadsTheSettings) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "Form1"}, {"/11m", "Form2"}, {"/11M", "Form2"}, {" /11m", "Form1"}};
    for (const auto& [text, window_name] : cases) {
        ViewerRig rig(viewer_defaults_ini);
        rig.state.catalogs.set(catalogs::bmp_catalog, "");
        auto window = viewer::start_viewer(text, rig.state, rig.modal);
        ASSERT_NE(window, nullptr) << text;
        EXPECT_EQ(window->objectName(), window_name) << text;
        EXPECT_EQ(rig.state.catalogs.value(catalogs::bmp_catalog), rig.folder / "BMP") << text;
        EXPECT_TRUE(rig.modal.messages.empty());
    }
}

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
    // arguments (the file last), then Form1's mode item, or none for the 11M window
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"x.bbd"}, "sbk64_mnu"},
        {{"x.pic"}, "sbk256_mnu"},
        {{"x.11M"}, nullptr},
        {{"x.dat"}, nullptr},
        {{"missing.pic"}, "sbk256_mnu"},
        {{"/11m", "missing.11M"}, nullptr}};
    for (const auto& [arguments, mode_item] : cases) {
        SCOPED_TRACE(arguments.back());
        const auto parsed = platform::parse_start_arguments(arguments, files.path());
        ViewerRig form1(viewer_defaults_ini);
        ViewerWindowRig<viewer::Form2> form2(viewer_defaults_ini);
        auto window =
            viewer::start_viewer(parsed.window_text, form1.state, form1.modal, parsed.file);
        QCoreApplication::processEvents();
        ASSERT_EQ(window->objectName(), mode_item ? "Form1" : "Form2");
        const std::vector<Shown> by_start = shown(form1.modal.messages);
        form1.modal.messages.clear();
        const platform::PictureWindow* by_open = &form2.picture();
        if (mode_item != nullptr) {
            form1.choose(mode_item);
            form1.open(files / arguments.back());
            by_open = &form1.picture();
            EXPECT_EQ(shown(form1.modal.messages), by_start);
        } else {
            form2.open(files / arguments.back());
            EXPECT_EQ(shown(form2.modal.messages), by_start);
        }
        EXPECT_EQ(window->findChild<platform::PictureWindow*>("Picture1")->image(),
                  by_open->image());
    }
}

}  // namespace
