// The viewer's start: initial state, and the window the command line picks.
#include "viewer/start.h"

#include <gtest/gtest.h>

#include "platform/scripted_modal.h"
#include "tests/viewer/viewer_rig.h"

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

}  // namespace
