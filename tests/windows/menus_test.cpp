// The menu bar of every main window as the user meets it at load: each menu
// and item in order, with its name, caption, shortcut and state; and the
// help window that each opens, which explains every one of those items.
#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>
#include <cctype>
#include <map>
#include <memory>
#include <ostream>

#include "converter/m11_window.h"
#include "converter/main_window.h"
#include "platform/help_window.h"
#include "tests/support/main_window_rig.h"
#include "viewer/m11_window.h"
#include "viewer/main_window.h"

namespace {

using namespace testing_support;

// One row of a menu bar. State: "menu" for a top-level menu; for an item
// "" when enabled, "disabled", and " [ ]" or " [x]" added for a check mark.
struct MenuRow {
    std::string name;
    std::string caption;
    std::string shortcut;
    std::string state;
    bool operator==(const MenuRow&) const = default;
};

void PrintTo(const MenuRow& row, std::ostream* os) {
    *os << "{" << row.name << ", \"" << row.caption << "\", " << row.shortcut << ", " << row.state
        << "}";
}

std::string state_of(const QAction& item) {
    std::string state = item.isEnabled() ? "" : "disabled";
    if (item.isCheckable()) state += item.isChecked() ? " [x]" : " [ ]";
    return state;
}

std::vector<MenuRow> menu_rows(QMainWindow& window) {
    std::vector<MenuRow> rows;
    for (QAction* top : window.menuBar()->actions()) {
        rows.push_back({top->objectName().toStdString(), top->text().toStdString(), "", "menu"});
        if (top->menu() == nullptr) continue;
        for (QAction* item : top->menu()->actions()) {
            if (item->isSeparator()) {
                rows.push_back({"-", "", "", ""});
                continue;
            }
            rows.push_back({item->objectName().toStdString(), item->text().toStdString(),
                            item->shortcut().toString().toStdString(), state_of(*item)});
        }
    }
    return rows;
}

// Both converter windows: the Window menu from Fit_to_window on, then the
// Mono, Color, Dither and ? menus.
const std::vector<MenuRow> converter_common_rows = {
    {"ftw_mnu", "Fit_to_window", "Ctrl+F", "disabled [ ]"},
    {"ftwstretch_mnu", "Fit_stretch", "", " [x]"},
    {"ftwwhole_mnu", "Fit_whole_picture", "", " [ ]"},
    {"ftwfill_mnu", "Fit_fill", "", " [ ]"},
    {"rdraw_mnu", "Redraw", "Ctrl+R", "disabled"},
    {"minxscrl_mnu", "MinXscroll", "", "disabled [ ]"},
    {"minyscrl_mnu", "MinYscroll", "", "disabled [ ]"},
    {"converttobw_mnu", "Mono", "", "menu"},
    {"bwlev_mnu", "BW_levels", "Ctrl+B", "disabled"},
    {"vm_mnu", "View_mono", "Ctrl+M", "disabled"},
    {"convbw_mnu", "Convert", "", "disabled"},
    {"liveview_mnu", "Live_view", "", " [ ]"},
    {"converttocol_mnu", "Color", "", "menu"},
    {"collev_mnu", "Color_levels", "Ctrl+L", "disabled"},
    {"changecol_mnu", "Change_colors", "Ctrl+G", "disabled"},
    {"vcol_mnu", "View_color", "Ctrl+C", "disabled"},
    {"convcol_mnu", "Convert", "", "disabled"},
    {"liveview_mnu", "Live_view", "", " [ ]"},
    {"dither_mnu", "Dither", "", "menu"},
    {"dnone_mnu", "None", "Ctrl+1", " [x]"},
    {"dfs_mnu", "Floyd-Steinberg", "Ctrl+2", " [ ]"},
    {"datk_mnu", "Atkinson", "Ctrl+3", " [ ]"},
    {"dord_mnu", "Ordered", "Ctrl+4", " [ ]"},
    {"help_mnu", "?", "", "menu"},
    {"about_mnu", "About", "", ""},
    {"dsc_mnu", "Help", "F1", ""},
};

std::vector<MenuRow> then_common(std::vector<MenuRow> rows) {
    rows.insert(rows.end(), converter_common_rows.begin(), converter_common_rows.end());
    return rows;
}

const std::vector<MenuRow> converter_rows = then_common({
    {"file_mnu", "File", "", "menu"},
    {"open_mnu", "Open", "Ctrl+O", ""},
    {"outcat_mnu", "Output_catalog", "", ""},
    {"exportbin_mnu", "Export_bin", "", "disabled"},
    {"exportwav_mnu", "Export_wav", "", "disabled"},
    {"exit_mnu", "Exit", "", ""},
    {"window_mnu", "Window", "", "menu"},
    {"s64_mnu", "color64x64", "", " [ ]"},
    {"s256_mnu", "color256x256", "", " [x]"},
    {"s512_mnu", "mono512x256", "", " [ ]"},
});

const std::vector<MenuRow> converter_11m_rows = then_common({
    {"file_mnu", "File", "", "menu"},
    {"open_mnu", "Open", "Ctrl+O", ""},
    {"outcat11_mnu", "Output_catalog", "", ""},
    {"exit_mnu", "Exit", "", ""},
    {"window_mnu", "Window", "", "menu"},
    {"mono_col_mnu", "Mono", "", " [ ]"},
});

const std::vector<MenuRow> viewer_rows = {
    {"file_mnu", "File", "", "menu"},
    {"openbk_mnu", "Open", "Ctrl+O", ""},
    {"outcat_mnu", "Output_catalog", "", ""},
    {"savebmp_mnu", "Save", "Ctrl+S", "disabled"},
    {"exit_mnu", "Exit", "", ""},
    {"window_mnu", "Window", "", "menu"},
    {"sbk64_mnu", "color64x64", "", " [ ]"},
    {"sbk256_mnu", "color256x256", "", " [x]"},
    {"sbk512_mnu", "mono512x256", "", " [ ]"},
    {"view_mnu", "View", "", "menu"},
    {"chcol_mnu", "Change_colors", "Ctrl+G", "disabled"},
    {"rdraw_mnu", "Redraw", "Ctrl+R", "disabled"},
    {"hlp_mnu", "?", "", "menu"},
    {"about_mnu", "About", "", ""},
    {"hlp_hlp_mnu", "Help", "F1", ""},
};

const std::vector<MenuRow> viewer_11m_rows = {
    {"file_mnu", "File", "", "menu"},
    {"openbk_mnu", "Open", "Ctrl+O", ""},
    {"outcat_mnu", "Output_catalog", "", ""},
    {"savebmp_mnu", "Save", "Ctrl+S", "disabled"},
    {"exit_mnu", "Exit", "", ""},
    {"view_mnu", "View", "", "menu"},
    {"mono_col_mnu", "Mono", "Ctrl+M", "disabled [ ]"},
    {"ch_col11_mnu", "Change_colors", "Ctrl+G", "disabled"},
    {"rdraw11_mnu", "Redraw", "Ctrl+R", "disabled"},
    {"hlp11_mnu", "?", "", "menu"},
    {"about_hlp_mnu", "About", "", ""},
    {"hlp11_hlp_mnu", "Help", "F1", ""},
};

// What the windows keep by reference, over a program folder without settings.
struct Programs {
    TempFolder folder;
    converter::ConverterState converter{folder.path()};
    viewer::ViewerState viewer{folder.path()};
    platform::ScriptedModal modal;
};

struct WindowMenus {
    const char* name;
    std::unique_ptr<QMainWindow> (*open)(Programs&);
    const std::vector<MenuRow>* rows;
};

void PrintTo(const WindowMenus& window, std::ostream* os) {
    *os << window.name;
}

template <class Window>
std::unique_ptr<QMainWindow> open_converter(Programs& programs) {
    return std::make_unique<Window>(programs.converter, programs.modal);
}

template <class Window>
std::unique_ptr<QMainWindow> open_viewer(Programs& programs) {
    return std::make_unique<Window>(programs.viewer, programs.modal);
}

class MainWindowMenus : public ::testing::TestWithParam<WindowMenus> {};

TEST_P(MainWindowMenus, InOrderWithCaptionsShortcutsAndStatesAtLoad) {
    Programs programs;
    std::unique_ptr<QMainWindow> window = GetParam().open(programs);
    EXPECT_EQ(menu_rows(*window), *GetParam().rows);
    window.reset();
    flush_deletes();
}

INSTANTIATE_TEST_SUITE_P(
    Windows, MainWindowMenus,
    ::testing::Values(WindowMenus{"Converter", open_converter<converter::Form1>, &converter_rows},
                      WindowMenus{"Converter11M", open_converter<converter::Form6>,
                                  &converter_11m_rows},
                      WindowMenus{"Viewer", open_viewer<viewer::Form1>, &viewer_rows},
                      WindowMenus{"Viewer11M", open_viewer<viewer::Form2>, &viewer_11m_rows}),
    [](const auto& info) { return std::string(info.param.name); });

// A menu bar, or a help window's grid, as headings with their items'
// captions from the top, in lower case: the help writes "Fit_to_Window" for
// the menu's "Fit_to_window".
using Columns = std::vector<std::pair<std::string, std::vector<std::string>>>;

std::string lower(std::string text) {
    for (char& c : text) c = char(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

Columns menu_commands(QMainWindow& window) {
    Columns columns;
    for (const MenuRow& row : menu_rows(window)) {
        if (row.state == "menu")
            columns.push_back({row.caption, {}});
        else if (row.name != "-")
            columns.back().second.push_back(lower(row.caption));
    }
    return columns;
}

// The headings, left to right, each with the items below it from the top
// (not the 11M window's squares, which are not menu items).
Columns help_items(const QWidget& help) {
    std::map<int, std::pair<std::string, std::map<int, std::string>>> by_left;
    for (QLabel* label : help.findChildren<QLabel*>()) {
        const std::string text = label->text().toStdString();
        if (qobject_cast<platform::HelpItem*>(label) == nullptr) {
            if (label->y() == platform::help_heading_top) by_left[label->x()].first = text;
        } else if (label->height() == platform::help_row_step) {
            by_left[label->x()].second[label->y()] = lower(text);
        }
    }
    Columns columns;
    for (const auto& [left, column] : by_left) {
        columns.push_back({column.first, {}});
        for (const auto& [top, caption] : column.second) columns.back().second.push_back(caption);
    }
    return columns;
}

struct WindowHelp {
    const char* name;
    std::unique_ptr<QMainWindow> (*open)(Programs&);
    const char* help_item;
    const char* help_window;
};

void PrintTo(const WindowHelp& window, std::ostream* os) {
    *os << window.name;
}

class MenuHelp : public ::testing::TestWithParam<WindowHelp> {};

// A menu command added without its help item fails here: give it a row in
// its help window's column (converter/help_texts.h for both converter
// windows).
TEST_P(MenuHelp, TheHelpWindowExplainsEveryMenuCommandInMenuOrder) {
    Programs programs;
    std::unique_ptr<QMainWindow> window = GetParam().open(programs);
    window->findChild<QAction*>(GetParam().help_item)->trigger();
    std::unique_ptr<QWidget> help(top_level(GetParam().help_window));
    ASSERT_NE(help, nullptr) << GetParam().help_window;
    EXPECT_EQ(help_items(*help), menu_commands(*window));
    help.reset();
    window.reset();
    flush_deletes();
}

INSTANTIATE_TEST_SUITE_P(
    Windows, MenuHelp,
    ::testing::Values(
        WindowHelp{"Converter", open_converter<converter::Form1>, "dsc_mnu", "Form5"},
        WindowHelp{"Converter11M", open_converter<converter::Form6>, "dsc_mnu", "Form7"},
        WindowHelp{"Viewer", open_viewer<viewer::Form1>, "hlp_hlp_mnu", "Form3"},
        WindowHelp{"Viewer11M", open_viewer<viewer::Form2>, "hlp11_hlp_mnu", "Form4"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
