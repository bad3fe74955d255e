#pragma once
#include <QAction>
#include <QToolButton>
#include <filesystem>
#include <string>

#include "bench/sample_path.h"
#include "converter/m11_window.h"
#include "platform/scripted_modal.h"

namespace bench {

// The 11M window with the test card loaded and the area grown with the
// buttons to the largest height: 512 x 767 monochrome or 256 x 767
// four-colour. Files go to a folder of their own.
struct LargestArea {
    explicit LargestArea(bool mono)
        : output(std::filesystem::temp_directory_path() / "kvaro_m11_bench"),
          state(output.string()),
          window(state, modal) {
        std::filesystem::create_directories(output);
        state.catalogs.set(catalogs::m11_catalog, output.string());
        modal.files.push_back(sample_path("testcard.bmp"));
        action("open_mnu")->trigger();
        if (mono) {
            action("mono_col_mnu")->trigger();
            click("Check1");
            click("Command4", 8);
        }
        click("Check2");
        click("Command3", 31);
        click("Check2");
        click("Command3", 16);
        window.show();
        sized = window.area().width() == (mono ? 512 : 256) && window.area().height() == 767;
    }
    ~LargestArea() { std::filesystem::remove_all(output); }
    QAction* action(const char* name) { return window.findChild<QAction*>(name); }
    void click(const char* name, int times = 1) {
        for (int i = 0; i < times; ++i) window.findChild<QToolButton*>(name)->click();
    }
    void convert(const char* item) {
        modal.answers = {platform::Answer::yes};
        modal.messages.clear();
        action(item)->trigger();
    }

    std::filesystem::path output;
    platform::ScriptedModal modal;
    converter::ConverterState state;
    converter::Form6 window;
    bool sized = false;
};

}  // namespace bench
