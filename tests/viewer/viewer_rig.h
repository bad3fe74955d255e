#pragma once
// A viewer window (the main window, or the 11M window) over a fresh program
// folder, answered by a script, and the checks both windows share.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <memory>
#include <string>

#include "platform/picture_window.h"
#include "platform/scripted_modal.h"
#include "tests/support/main_window_rig.h"
#include "tests/support/temp_folder.h"
#include "viewer/main_window.h"

namespace viewer_testing {

using namespace testing_support;
using platform::Answer;
using platform::Buttons;
using platform::Icon;

inline const std::string viewer_defaults_ini =
    "*******ORVAK_Ini*******\r\nBMP catalog>\r\ndefault\r\n";

// Packed colours of the initial maps.
inline constexpr std::int32_t black = 0;
inline constexpr std::int32_t blue = 16711680;
inline constexpr std::int32_t green = 65280;
inline constexpr std::int32_t red = 255;
inline constexpr std::int32_t white = 16777215;

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
        auto* found = form->template findChild<QAction*>(name);
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
        return *form->template findChild<platform::PictureWindow*>("Picture1");
    }
    std::int32_t pixel(int x, int y) const { return picture().pixel(x, y); }
    bool all_of(std::int32_t colour) const {
        for (int y = 0; y < picture().pixel_height(); ++y) {
            for (int x = 0; x < picture().pixel_width(); ++x) {
                if (pixel(x, y) != colour) return false;
            }
        }
        return true;
    }
    // A menu as "Title: Item Keys | Item off | Item on |": captions, shortcuts,
    // disabled and checked items.
    std::string menu(const char* name) const {
        auto* found = form->template findChild<QMenu*>(name);
        if (found == nullptr) return "no menu";
        std::string summary = found->title().toStdString() + ":";
        for (QAction* item : found->actions()) {
            summary += " " + item->text().toStdString();
            if (!item->shortcut().isEmpty())
                summary += " " + item->shortcut().toString().toStdString();
            if (!item->isEnabled()) summary += " off";
            if (item->isChecked()) summary += " on";
            summary += " |";
        }
        return summary;
    }
    // Each item opens its window at the main window's corner.
    void expect_opened_at_corner(const std::vector<std::pair<const char*, const char*>>& items) {
        form->move(70, 40);
        form->show();
        for (const auto& [item, window] : items) {
            choose(item);
            QWidget* opened = top_level(window);
            ASSERT_NE(opened, nullptr) << window;
            EXPECT_EQ(opened->pos(), QPoint(70, 40)) << window;
        }
    }
    // Opening `path` shows `message` and changes nothing: not the picture,
    // not the file name, not a byte of the buffer (`redraw` draws the same).
    void expect_refused(const std::string& path, const Shown& message, const char* redraw) {
        const QImage before = picture().image().copy();
        const std::string name = form->file_name();
        const viewer::ColourMaps maps = state.maps;
        state.maps = {{white, white, white, white}, {white, white}};  // a drawing would show
        modal.messages.clear();
        open(path);
        EXPECT_EQ(shown(modal.messages), std::vector<Shown>{message});
        EXPECT_EQ(form->file_name(), name);
        EXPECT_EQ(picture().image(), before);
        state.maps = maps;
        choose(redraw);
        EXPECT_EQ(picture().image(), before);
    }
    // Exit and closing ask every time; only Yes closes.
    void expect_closing_asks() {
        form->show();
        modal.messages.clear();
        modal.answers = {Answer::no};
        choose("exit_mnu");
        EXPECT_TRUE(form->isVisible());
        modal.answers = {Answer::yes};
        form->close();
        EXPECT_FALSE(form->isVisible());
        const Shown question{"Are you sure?", "ORVAK", Buttons::yes_no, Icon::question};
        EXPECT_EQ(shown(modal.messages), (std::vector<Shown>{question, question}));
    }

    TempFolder folder;
    TempFolder files;
    viewer::ViewerState state;
    platform::ScriptedModal modal;
    std::unique_ptr<Window> form;
    std::vector<platform::ShownMessage> load_messages;
};

using ViewerRig = ViewerWindowRig<viewer::Form1>;

}  // namespace viewer_testing
