// The menu bar of every main window as the user meets it at load: each menu
// and item in order, with its name, caption, shortcut and state; and the
// help window that each opens, which explains every one of those items.
#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>
#include <map>
#include <memory>

#include "converter/m11_window.h"
#include "converter/main_window.h"
#include "platform/help_window.h"
#include "tests/support/main_window_rig.h"
#include "viewer/m11_window.h"
#include "viewer/main_window.h"

namespace {

using namespace testing_support;

// One line a menu: "name:Caption =", then its items as "name:Caption",
// ":Shortcut" when there is one, " off" when disabled and " [ ]" or " [x]"
// when checkable, separated by ",".
std::string menu_text(const QMainWindow& window) {
    std::string text;
    for (const QAction* menu : window.menuBar()->actions()) {
        text += menu->objectName().toStdString() + ":" + menu->text().toStdString() + " =";
        for (const QAction* item : menu->menu()->actions()) {
            text += " " + item->objectName().toStdString() + ":" + item->text().toStdString();
            if (!item->shortcut().isEmpty())
                text += ":" + item->shortcut().toString().toStdString();
            if (!item->isEnabled()) text += " off";
            if (item->isCheckable()) text += item->isChecked() ? " [x]" : " [ ]";
            text += ",";
        }
        text.back() = '\n';
    }
    return text;
}

// Both converter windows, from Fit_to_window in the Window menu on.
const std::string converter_common =
    " ftw_mnu:Fit_to_window:Ctrl+F off [ ], ftwstretch_mnu:Fit_stretch [x],"
    " ftwwhole_mnu:Fit_whole_picture [ ], ftwfill_mnu:Fit_fill [ ], rdraw_mnu:Redraw:Ctrl+R off,"
    " minxscrl_mnu:MinXscroll off [ ], minyscrl_mnu:MinYscroll off [ ]\n"
    "converttobw_mnu:Mono = bwlev_mnu:BW_levels:Ctrl+B off, vm_mnu:View_mono:Ctrl+M off,"
    " convbw_mnu:Convert off, liveview_mnu:Live_view [ ]\n"
    "converttocol_mnu:Color = collev_mnu:Color_levels:Ctrl+L off,"
    " changecol_mnu:Change_colors:Ctrl+G off, vcol_mnu:View_color:Ctrl+C off,"
    " convcol_mnu:Convert off, liveview_mnu:Live_view [ ]\n"
    "dither_mnu:Dither = dnone_mnu:None:Ctrl+1 [x], dfs_mnu:Floyd-Steinberg:Ctrl+2 [ ],"
    " datk_mnu:Atkinson:Ctrl+3 [ ], dord_mnu:Ordered:Ctrl+4 [ ]\n"
    "help_mnu:? = about_mnu:About, dsc_mnu:Help:F1\n";

// What the windows keep by reference, over a program folder without settings.
struct Programs {
    TempFolder folder;
    converter::ConverterState converter{folder.path()};
    viewer::ViewerState viewer{folder.path()};
    platform::ScriptedModal modal;
};

std::unique_ptr<QMainWindow> open_window(const std::string& name, Programs& p) {
    if (name == "Converter") return std::make_unique<converter::Form1>(p.converter, p.modal);
    if (name == "Converter11M") return std::make_unique<converter::Form6>(p.converter, p.modal);
    if (name == "Viewer") return std::make_unique<viewer::Form1>(p.viewer, p.modal);
    return std::make_unique<viewer::Form2>(p.viewer, p.modal);
}

// A menu bar, or a help window's grid, as headings with their items'
// captions from the top, in lower case: the help writes "Fit_to_Window" for
// the menu's "Fit_to_window".
using Columns = std::vector<std::pair<std::string, std::vector<std::string>>>;

std::string lower(const QString& text) {
    return text.toLower().toStdString();
}

Columns menu_commands(const QMainWindow& window) {
    Columns columns;
    for (const QAction* menu : window.menuBar()->actions()) {
        columns.push_back({menu->text().toStdString(), {}});
        for (const QAction* item : menu->menu()->actions())
            if (!item->isSeparator()) columns.back().second.push_back(lower(item->text()));
    }
    return columns;
}

// The headings, left to right, each with the items below it from the top
// (not the 11M window's squares, which are not menu items).
Columns help_items(const QWidget& help) {
    std::map<int, std::pair<std::string, std::map<int, std::string>>> by_left;
    for (QLabel* label : help.findChildren<QLabel*>()) {
        if (qobject_cast<platform::HelpItem*>(label) == nullptr) {
            if (label->y() == platform::help_heading_top)
                by_left[label->x()].first = label->text().toStdString();
        } else if (label->height() == platform::help_row_step) {
            by_left[label->x()].second[label->y()] = lower(label->text());
        }
    }
    Columns columns;
    for (const auto& [left, column] : by_left) {
        columns.push_back({column.first, {}});
        for (const auto& [top, caption] : column.second) columns.back().second.push_back(caption);
    }
    return columns;
}

struct WindowMenus {
    const char* name;
    std::string menus;
    const char* help_item;
    const char* help_window;
};

void PrintTo(const WindowMenus& window, std::ostream* os) {
    *os << window.name;
}

class MenuHelp : public ::testing::TestWithParam<WindowMenus> {};

// A menu command added without its help item fails here: give it a row in
// its help window's column (converter/help_texts.h for both converter
// windows).
TEST_P(MenuHelp, MenusAtLoadAreAsDescribedAndTheHelpExplainsEachCommandInOrder) {
    Programs programs;
    std::unique_ptr<QMainWindow> window = open_window(GetParam().name, programs);
    EXPECT_EQ(menu_text(*window), GetParam().menus);
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
        WindowMenus{"Converter",
                    "file_mnu:File = open_mnu:Open:Ctrl+O, outcat_mnu:Output_catalog,"
                    " exportbin_mnu:Export_bin off, exportwav_mnu:Export_wav off, exit_mnu:Exit\n"
                    "window_mnu:Window = s64_mnu:color64x64 [ ], s256_mnu:color256x256 [x],"
                    " s512_mnu:mono512x256 [ ]," +
                        converter_common,
                    "dsc_mnu", "Form5"},
        WindowMenus{"Converter11M",
                    "file_mnu:File = open_mnu:Open:Ctrl+O, outcat11_mnu:Output_catalog,"
                    " exit_mnu:Exit\nwindow_mnu:Window = mono_col_mnu:Mono [ ]," +
                        converter_common,
                    "dsc_mnu", "Form7"},
        WindowMenus{
            "Viewer",
            "file_mnu:File = openbk_mnu:Open:Ctrl+O, outcat_mnu:Output_catalog,"
            " savebmp_mnu:Save:Ctrl+S off, exit_mnu:Exit\n"
            "window_mnu:Window = sbk64_mnu:color64x64 [ ], sbk256_mnu:color256x256 [x],"
            " sbk512_mnu:mono512x256 [ ]\n"
            "view_mnu:View = chcol_mnu:Change_colors:Ctrl+G off, rdraw_mnu:Redraw:Ctrl+R off\n"
            "hlp_mnu:? = about_mnu:About, hlp_hlp_mnu:Help:F1\n",
            "hlp_hlp_mnu", "Form3"},
        WindowMenus{"Viewer11M",
                    "file_mnu:File = openbk_mnu:Open:Ctrl+O, outcat_mnu:Output_catalog,"
                    " savebmp_mnu:Save:Ctrl+S off, exit_mnu:Exit\n"
                    "view_mnu:View = mono_col_mnu:Mono:Ctrl+M off [ ],"
                    " ch_col11_mnu:Change_colors:Ctrl+G off, rdraw11_mnu:Redraw:Ctrl+R off\n"
                    "hlp11_mnu:? = about_hlp_mnu:About, hlp11_hlp_mnu:Help:F1\n",
                    "hlp11_hlp_mnu", "Form4"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
