#pragma once
// A viewer window (the main window, or the 11M window) over a fresh program
// folder, answered by a script, and the helpers the viewer's window tests
// share.
#include <gtest/gtest.h>

#include <QAction>
#include <memory>
#include <string>

#include "platform/picture_window.h"
#include "platform/scripted_modal.h"
#include "tests/support/main_window_rig.h"
#include "tests/support/temp_folder.h"
#include "viewer/main_window.h"

namespace viewer_testing {

using namespace testing_support;

inline const std::string viewer_defaults_ini =
    "*******ORVAK_Ini*******\r\nBMP catalog>\r\ndefault\r\n";

// The child of a window by its name.
template <class Child>
Child* child(const QObject& window, const char* name) {
    return window.findChild<Child*>(name);
}

template <class Window>
struct ViewerWindowRig {
    // `ini` becomes orvak.ini unless empty; what loading showed goes to load_messages.
    explicit ViewerWindowRig(const std::string& ini = {}) : state(folder.path()) {
        if (!ini.empty()) write_text(folder / "orvak.ini", ini);
        form = std::make_unique<Window>(state, modal);
        load_messages.swap(modal.messages);
    }
    ~ViewerWindowRig() {
        form.reset();
        flush_deletes();
    }
    QAction* action(const char* name) const {
        auto* found = child<QAction>(*form, name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void choose(const char* name) {
        if (QAction* found = action(name)) found->trigger();
    }
    void open(const std::string& path) {
        modal.files.push_back(path);
        choose("openbk_mnu");
    }
    // Writes a BK file of these bytes into `files` and opens it.
    std::string open_bytes(const std::string& name, const std::string& bytes) {
        write_text(files / name, bytes);
        open(files / name);
        return files / name;
    }
    platform::PictureWindow& picture() const {
        return *child<platform::PictureWindow>(*form, "Picture1");
    }
    std::int32_t pixel(int x, int y) const { return picture().pixel(x, y); }

    TempFolder folder;
    TempFolder files;
    viewer::ViewerState state;
    platform::ScriptedModal modal;
    std::unique_ptr<Window> form;
    std::vector<platform::ShownMessage> load_messages;
};

using ViewerRig = ViewerWindowRig<viewer::Form1>;

// Packed colours of the initial maps.
inline constexpr std::int32_t black = 0;
inline constexpr std::int32_t blue = 16711680;
inline constexpr std::int32_t green = 65280;
inline constexpr std::int32_t red = 255;
inline constexpr std::int32_t white = 16777215;

}  // namespace viewer_testing
