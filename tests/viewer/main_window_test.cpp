// The viewer main window: settings at load, menus, window modes, the
// drawing dispatch, the buffer kept between files, dropping and closing.
#include <gtest/gtest.h>

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "tests/viewer/viewer_rig.h"

namespace {

using namespace viewer_testing;

TEST(ViewerLoad, SettingsFileDecidesTheBmpCatalog) {
    ViewerRig none;
    EXPECT_EQ(shown(none.load_messages),
              (std::vector<Shown>{{"Error 2: No such file or directory", "ORVAK: Load ini-file",
                                   Buttons::ok, Icon::critical}}));
    EXPECT_EQ(none.state.catalogs.value(catalogs::bmp_catalog), "");
    ViewerRig defaults(viewer_defaults_ini);
    EXPECT_TRUE(defaults.load_messages.empty());
    EXPECT_EQ(defaults.state.catalogs.value(catalogs::bmp_catalog), defaults.folder / "BMP");
    ViewerRig foreign("*******KVARO_Ini*******\r\nBMP catalog>\r\n/x\r\n");
    EXPECT_EQ(shown(foreign.load_messages),
              (std::vector<Shown>{{"Error: Bad File " + (foreign.folder / "orvak.ini") + "!",
                                   "ORVAK", Buttons::ok, Icon::exclamation}}));
    EXPECT_EQ(foreign.state.catalogs.value(catalogs::bmp_catalog), "");
}

TEST(ViewerWindow, MenusAtStartAndAfterAFile) {
    ViewerRig rig(viewer_defaults_ini);
    EXPECT_EQ(rig.form->windowTitle(), "ORVAK v.2.0");
    const std::pair<const char*, const char*> menus[] = {
        {"file_mnu", "File: Open Ctrl+O | Output_catalog | Save Ctrl+S off | Exit |"},
        {"window_mnu", "Window: color64x64 | color256x256 on | mono512x256 |"},
        {"view_mnu", "View: Change_colors Ctrl+G off | Redraw Ctrl+R off |"},
        {"hlp_mnu", "?: About | Help F1 |"}};
    for (const auto& [name, summary] : menus) EXPECT_EQ(rig.menu(name), summary);
    rig.choose("openbk_mnu");  // cancelled: changes nothing
    EXPECT_EQ(rig.modal.open_requests.back().filter,
              "PIC Files (*.pic)|*.pic|BIN Files (*.bin)|*.bin|WAV tapes (*.wav)|*.[wW][aA][vV]|");
    EXPECT_EQ(rig.form->file_name(), "");
    rig.choose("sbk512_mnu");
    rig.choose("sbk64_mnu");
    EXPECT_EQ(rig.menu("window_mnu"), "Window: color64x64 on | color256x256 | mono512x256 |");
    rig.open_bytes("s.pic", "");
    EXPECT_EQ(rig.modal.open_requests.back().filter, "BBD Files (*.bbd)|*.bbd|");
    EXPECT_EQ(rig.menu("view_mnu"), "View: Change_colors Ctrl+G | Redraw Ctrl+R |");
    EXPECT_EQ(rig.menu("file_mnu"), "File: Open Ctrl+O | Output_catalog | Save Ctrl+S | Exit |");
}

// Each step's pixels: (x, y, colour).
using Pixels = std::vector<std::tuple<int, int, std::int32_t>>;

void expect_pixels(const ViewerRig& rig, const Pixels& pixels, const char* step) {
    for (const auto& [x, y, colour] : pixels)
        EXPECT_EQ(rig.pixel(x, y), colour) << step << " at " << x << "," << y;
}

TEST(ViewerDispatch, AShortFileIsASpriteAfterAModeChangeButNotAfterRedraw) {
    ViewerRig rig(viewer_defaults_ini);
    rig.state.maps.colour[0] = white;  // zero bytes show
    rig.choose("sbk64_mnu");
    rig.open_bytes("s.bbd", std::string(1024, '\xFF'));
    EXPECT_TRUE(rig.all_of(red));
    const std::pair<const char*, Pixels> steps[] = {
        {"sbk256_mnu", {{63, 63, red}, {64, 0, black}, {0, 64, black}, {255, 255, black}}},
        {"rdraw_mnu", {{255, 15, red}, {0, 16, white}, {255, 255, white}}},  // 16 rows
        {"sbk512_mnu", {{63, 63, red}, {64, 0, black}}},
        {"rdraw_mnu", {{511, 15, white}, {0, 16, black}}}};
    for (const auto& [item, pixels] : steps) {
        rig.choose(item);
        expect_pixels(rig, pixels, item);
    }
}

TEST(ViewerDispatch, AWholeScreenIsRedrawnByTheModeAfterAModeChange) {
    ViewerRig rig(viewer_defaults_ini);
    std::string screen(16384, '\x55');  // blue, or alternating white and black bits
    screen[16] = '\xFF';                // row 0, pixels 64..67 red
    rig.open_bytes("s.pic", screen);
    rig.choose("sbk64_mnu");  // drawn at 16 bytes a row: byte 16 starts row 1
    expect_pixels(rig, {{0, 1, red}, {4, 1, blue}}, "sbk64_mnu");
    rig.choose("sbk512_mnu");
    expect_pixels(rig, {{0, 0, white}, {1, 0, black}, {511, 255, black}}, "sbk512_mnu");
}

TEST(ViewerBuffer, AShorterFileLeavesTheRestOfTheLastOneAndNewColoursShowAtRedraw) {
    ViewerRig rig(viewer_defaults_ini);
    rig.open_bytes("red.pic", std::string(16384, '\xFF'));
    rig.open_bytes("short.pic", std::string(1024, '\x00'));  // 16 rows of black
    expect_pixels(rig, {{255, 15, black}, {0, 16, red}, {255, 255, red}}, "short");
    rig.open_bytes("empty.pic", "");
    EXPECT_TRUE(rig.modal.messages.empty());
    EXPECT_EQ(rig.form->file_name(), rig.files / "empty.pic");
    expect_pixels(rig, {{255, 15, black}, {0, 16, red}}, "empty");
    rig.state.maps.colour[0] = white;
    EXPECT_EQ(rig.pixel(0, 0), black);
    rig.choose("rdraw_mnu");
    expect_pixels(rig, {{0, 0, white}, {255, 255, red}}, "redraw");
}

TEST(ViewerMainWindow, DialogsOpenAtItsCornerAndClosingAsks) {
    ViewerRig rig(viewer_defaults_ini);
    rig.open_bytes("s.pic", "");
    rig.expect_opened_at_corner({{"about_mnu", "frmAbout"},
                                 {"hlp_hlp_mnu", "Form3"},
                                 {"outcat_mnu", "Form7"},
                                 {"chcol_mnu", "Form5"}});
    EXPECT_EQ(top_level("frmAbout")->windowTitle(), "About ORVAK");
    EXPECT_EQ(top_level("Form5")->windowTitle(), "Change color");
    rig.expect_closing_asks();
}

// Drops a list of URLs on the window; whether the window took the drag.
bool drop(QWidget& window, const QList<QUrl>& urls) {
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter({10, 10}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &dropped);
    QCoreApplication::processEvents();
    return dropped.isAccepted();
}

// Of several files dropped, the first opens as Open opens it; a drop of no
// local file is refused.
TEST(ViewerOpen, ADroppedFileOpensAsOpenWould) {
    ViewerRig rig(viewer_defaults_ini);
    auto local = [&](const char* name) {
        write_text(rig.files / name, std::string(name[0] == 'b' ? 16385 : 16384, '\xFF'));
        return QUrl::fromLocalFile(QString::fromStdString(rig.files / name));
    };
    EXPECT_FALSE(drop(*rig.form, {QUrl("https://example.org/red.pic")}));
    EXPECT_TRUE(drop(*rig.form, {local("red.pic"), local("big.pic")}));
    EXPECT_EQ(rig.form->file_name(), rig.files / "red.pic");
    EXPECT_EQ(rig.pixel(0, 0), red);
    EXPECT_TRUE(drop(*rig.form, {local("big.pic")}));
    EXPECT_EQ(shown(rig.modal.messages),
              (std::vector<Shown>{{"File too large!", "ORVAK", Buttons::ok, Icon::exclamation}}));
    EXPECT_TRUE(rig.modal.open_requests.empty());
    EXPECT_EQ(rig.form->file_name(), rig.files / "red.pic");
}

}  // namespace
