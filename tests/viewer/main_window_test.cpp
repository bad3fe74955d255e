// The viewer main window: settings at load, menus, window modes, Open with
// its limits, the drawing dispatch, and closing.
#include <gtest/gtest.h>

#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

#include "tests/support/param_names.h"
#include "tests/viewer/viewer_rig.h"

namespace {

using namespace viewer_testing;
using platform::Buttons;
using platform::Icon;
using viewer::WindowMode;

const char* const file_items[] = {"savebmp_mnu", "chcol_mnu", "rdraw_mnu"};

void expect_file_items(const ViewerRig& rig, bool enabled) {
    for (const char* name : file_items) EXPECT_EQ(rig.action(name)->isEnabled(), enabled) << name;
}

// Whether the whole picture window shows one colour.
bool all_of(const ViewerRig& rig, std::int32_t colour, int width, int height) {
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (rig.pixel(x, y) != colour) return false;
        }
    }
    return true;
}

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

TEST(ViewerWindow, CaptionMenusAndTheirStatesAtStart) {
    ViewerRig rig(viewer_defaults_ini);
    EXPECT_EQ(rig.form->windowTitle(), "ORVAK v.2.0");
    const std::tuple<const char*, const char*, const char*> menus[] = {
        {"file_mnu", "File", "Open|Output_catalog|Save|Exit"},
        {"window_mnu", "Window", "color64x64|color256x256|mono512x256"},
        {"view_mnu", "View", "Change_colors|Redraw"},
        {"hlp_mnu", "?", "About|Help"}};
    for (const auto& [name, caption, items] : menus) {
        auto* menu = rig.form->findChild<QMenu*>(name);
        ASSERT_NE(menu, nullptr) << name;
        EXPECT_EQ(menu->title(), caption);
        QStringList captions;
        for (QAction* item : menu->actions()) captions << item->text();
        EXPECT_EQ(captions.join('|'), items) << name;
    }
    const std::pair<const char*, const char*> shortcuts[] = {{"openbk_mnu", "Ctrl+O"},
                                                             {"savebmp_mnu", "Ctrl+S"},
                                                             {"chcol_mnu", "Ctrl+G"},
                                                             {"rdraw_mnu", "Ctrl+R"},
                                                             {"hlp_hlp_mnu", "F1"}};
    for (const auto& [name, keys] : shortcuts) {
        EXPECT_EQ(rig.action(name)->shortcut(), QKeySequence(keys)) << name;
    }
    expect_file_items(rig, false);
    EXPECT_TRUE(rig.action("openbk_mnu")->isEnabled());
    EXPECT_TRUE(rig.action("outcat_mnu")->isEnabled());
    EXPECT_TRUE(rig.action("about_mnu")->isEnabled());
    EXPECT_TRUE(rig.action("hlp_hlp_mnu")->isEnabled());
    EXPECT_TRUE(rig.action("sbk256_mnu")->isChecked());
    EXPECT_FALSE(rig.action("sbk64_mnu")->isChecked() || rig.action("sbk512_mnu")->isChecked());
}

TEST(ViewerModes, ModeSizesThePictureWindowAndTheWindowWidth) {
    ViewerRig rig(viewer_defaults_ini);
    const std::tuple<const char*, WindowMode, QSize, int> modes[] = {
        {"sbk64_mnu", WindowMode::color64x64, {64, 64}, 288},
        {"sbk512_mnu", WindowMode::mono512x256, {512, 256}, 544},
        {"sbk256_mnu", WindowMode::color256x256, {256, 256}, 288},
        {"sbk256_mnu", WindowMode::color256x256, {256, 256}, 288}};  // again: stays checked
    for (const auto& [item, mode, size, width] : modes) {
        rig.choose(item);
        EXPECT_EQ(rig.form->window_mode(), mode) << item;
        for (const char* other : {"sbk64_mnu", "sbk256_mnu", "sbk512_mnu"}) {
            EXPECT_EQ(rig.action(other)->isChecked(), std::string(other) == item) << item;
        }
        EXPECT_EQ(rig.picture().geometry(), QRect(QPoint(16, 16), size)) << item;
        EXPECT_EQ(rig.form->centralWidget()->size(), QSize(width, 287)) << item;
        for (const char* line : {"Line1", "Line2"}) {
            EXPECT_EQ(rig.form->findChild<QWidget*>(line)->width(), width) << item << line;
        }
        EXPECT_TRUE(all_of(rig, black, size.width(), size.height())) << item;
        expect_file_items(rig, false);
    }
}

TEST(ViewerOpen, TheDialogFollowsTheModeAndCancelChangesNothing) {
    ViewerRig rig(viewer_defaults_ini);
    rig.choose("openbk_mnu");
    rig.choose("sbk64_mnu");
    rig.choose("openbk_mnu");
    ASSERT_EQ(rig.modal.open_requests.size(), 2u);
    EXPECT_EQ(rig.modal.open_requests[0].default_extension, "pic");
    EXPECT_EQ(rig.modal.open_requests[0].filter,
              "PIC Files (*.pic)|*.pic|BIN Files (*.bin)|*.bin|WAV tapes (*.wav)|*.[wW][aA][vV]|");
    EXPECT_EQ(rig.modal.open_requests[1].default_extension, "bbd");
    EXPECT_EQ(rig.modal.open_requests[1].filter, "BBD Files (*.bbd)|*.bbd|");
    EXPECT_TRUE(rig.modal.messages.empty());
    EXPECT_EQ(rig.form->file_name(), "");
    expect_file_items(rig, false);
}

struct LimitCase {
    const char* mode;
    std::size_t length;
    bool accepted;
};

void PrintTo(const LimitCase& c, std::ostream* os) {
    *os << c.mode << " " << c.length << " bytes";
}

class ViewerLimits : public testing::TestWithParam<LimitCase> {};

TEST_P(ViewerLimits, TooLargeIsRefusedAndChangesNothing) {
    const LimitCase c = GetParam();
    ViewerRig rig(viewer_defaults_ini);
    rig.choose(c.mode);
    const std::string first = rig.open_bytes("first.pic", "");
    // Zeros now draw green, so a drawing from the buffer shows.
    rig.state.maps.colour[0] = green;
    rig.state.maps.mono[0] = green;
    const QImage before = rig.picture().image().copy();
    const std::string path = rig.open_bytes("f.pic", std::string(c.length, '\xFF'));
    if (c.accepted) {
        EXPECT_TRUE(rig.modal.messages.empty());
        EXPECT_EQ(rig.form->file_name(), path);
        EXPECT_EQ(rig.pixel(0, 0), red);
    } else {
        EXPECT_EQ(
            shown(rig.modal.messages),
            (std::vector<Shown>{{"File too large!", "ORVAK", Buttons::ok, Icon::exclamation}}));
        EXPECT_EQ(rig.form->file_name(), first);
        EXPECT_EQ(rig.picture().image(), before);
        rig.choose("rdraw_mnu");  // the buffer holds no byte of the refused file
        EXPECT_EQ(rig.pixel(0, 0), green);
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, ViewerLimits,
                         testing::Values(LimitCase{"sbk64_mnu", 1024, true},
                                         LimitCase{"sbk64_mnu", 1025, false},
                                         LimitCase{"sbk256_mnu", 16384, true},
                                         LimitCase{"sbk256_mnu", 16385, false},
                                         LimitCase{"sbk512_mnu", 16385, false}),
                         testing_support::printed_name);

TEST(ViewerOpen, AFileThatCannotBeReadIsReportedAndChangesNothing) {
    ViewerRig rig(viewer_defaults_ini);
    const std::string first = rig.open_bytes("first.pic", std::string(16384, '\xE4'));
    const QImage before = rig.picture().image().copy();
    const std::pair<std::string, std::string> cases[] = {
        {rig.files / "missing.pic", "Error 2: No such file or directory"},
        {rig.files.path(), "Error 21: Is a directory"}};
    for (const auto& [path, text] : cases) {
        rig.modal.messages.clear();
        rig.open(path);
        EXPECT_EQ(shown(rig.modal.messages),
                  (std::vector<Shown>{{text, "ORVAK: Open", Buttons::ok, Icon::exclamation}}));
        EXPECT_EQ(rig.form->file_name(), first);
        EXPECT_EQ(rig.picture().image(), before);
        EXPECT_FALSE(rig.form->short_file());
    }
}

TEST(ViewerOpen, FourColourAndMonoScreensThroughTheirMaps) {
    ViewerRig rig(viewer_defaults_ini);
    std::string screen(16384, '\0');
    screen[0] = '\xE4';   // indices 0, 1, 2, 3 from the left
    screen[64] = '\x01';  // row 1: bit 1 leftmost
    rig.open_bytes("s.pic", screen);
    EXPECT_EQ(std::vector<std::int32_t>({rig.pixel(0, 0), rig.pixel(1, 0), rig.pixel(2, 0),
                                         rig.pixel(3, 0), rig.pixel(0, 1), rig.pixel(1, 1)}),
              (std::vector<std::int32_t>{black, blue, green, red, blue, black}));
    expect_file_items(rig, true);
    EXPECT_FALSE(rig.form->short_file());

    rig.choose("sbk512_mnu");  // the same bytes as a monochrome screen
    EXPECT_EQ(std::vector<std::int32_t>({rig.pixel(0, 0), rig.pixel(1, 0), rig.pixel(2, 0),
                                         rig.pixel(5, 0), rig.pixel(0, 1), rig.pixel(1, 1)}),
              (std::vector<std::int32_t>{black, black, white, white, white, black}));
    EXPECT_EQ(rig.pixel(511, 255), black);
}

TEST(ViewerDispatch, AShortFileIsASpriteAfterAModeChangeButNotAfterRedraw) {
    ViewerRig rig(viewer_defaults_ini);
    rig.state.maps.colour[0] = white;  // zero bytes show
    rig.choose("sbk64_mnu");
    rig.open_bytes("s.bbd", std::string(1024, '\xFF'));
    EXPECT_TRUE(rig.form->short_file());
    EXPECT_TRUE(all_of(rig, red, 64, 64));

    rig.choose("sbk256_mnu");  // drawn by drawbbd: the sprite in the corner
    for (const auto& [x, y, colour] :
         {std::tuple{63, 63, red}, {64, 0, black}, {0, 64, black}, {255, 255, black}}) {
        EXPECT_EQ(rig.pixel(x, y), colour) << x << "," << y;
    }
    rig.choose("rdraw_mnu");  // drawcolorpic: the 1024 bytes fill 16 rows
    for (const auto& [x, y, colour] :
         {std::tuple{255, 15, red}, {0, 16, white}, {255, 255, white}}) {
        EXPECT_EQ(rig.pixel(x, y), colour) << x << "," << y;
    }
    rig.choose("sbk512_mnu");  // a sprite again, in the mono mode too
    EXPECT_EQ(rig.pixel(63, 63), red);
    EXPECT_EQ(rig.pixel(64, 0), black);
    rig.choose("rdraw_mnu");  // drawmonopic: 0xFF bytes are white bits
    EXPECT_EQ(rig.pixel(511, 15), white);
    EXPECT_EQ(rig.pixel(0, 16), black);
}

TEST(ViewerDispatch, AWholeScreenIsRedrawnByTheModeAfterAModeChange) {
    ViewerRig rig(viewer_defaults_ini);
    std::string screen(16384, '\x55');  // blue, or alternating white and black bits
    screen[16] = '\xFF';                // row 0, pixels 64..67 red
    rig.open_bytes("s.pic", screen);
    rig.choose("sbk64_mnu");  // drawcolorpic at 16 bytes a row: byte 16 starts row 1
    EXPECT_EQ(rig.picture().geometry().size(), QSize(64, 64));
    EXPECT_EQ(rig.pixel(0, 1), red);
    EXPECT_EQ(rig.pixel(4, 1), blue);
    rig.choose("sbk512_mnu");
    EXPECT_EQ(rig.pixel(0, 0), white);
    EXPECT_EQ(rig.pixel(1, 0), black);
    EXPECT_EQ(rig.pixel(511, 255), black);
}

TEST(ViewerBuffer, AShorterFileLeavesTheRestOfTheLastOne) {
    ViewerRig rig(viewer_defaults_ini);
    rig.open_bytes("red.pic", std::string(16384, '\xFF'));
    rig.open_bytes("short.pic", std::string(1024, '\x00'));  // 16 rows of black
    EXPECT_TRUE(rig.form->short_file());
    EXPECT_EQ(rig.pixel(255, 15), black);
    EXPECT_EQ(rig.pixel(0, 16), red);
    EXPECT_EQ(rig.pixel(255, 255), red);

    rig.open_bytes("empty.pic", "");  // accepted, and drawn from the buffer as it stands
    EXPECT_TRUE(rig.modal.messages.empty());
    EXPECT_TRUE(rig.form->short_file());
    EXPECT_EQ(rig.form->file_name(), rig.files / "empty.pic");
    EXPECT_EQ(rig.pixel(0, 16), red);
}

TEST(ViewerDispatch, NewColoursShowAtTheNextDrawing) {
    ViewerRig rig(viewer_defaults_ini);
    rig.open_bytes("s.pic", std::string(16384, '\0'));
    rig.state.maps.colour[0] = white;
    EXPECT_EQ(rig.pixel(0, 0), black);
    rig.choose("rdraw_mnu");
    EXPECT_TRUE(all_of(rig, white, 256, 256));
}

TEST(ViewerClose, AskedEveryTimeAndOnlyYesCloses) {
    ViewerRig rig(viewer_defaults_ini);
    rig.form->show();
    rig.open_bytes("s.pic", std::string(16384, '\xFF'));
    const Shown question{"Are you sure?", "ORVAK", Buttons::yes_no, Icon::question};
    rig.modal.answers = {platform::Answer::no};
    rig.choose("exit_mnu");
    EXPECT_TRUE(rig.form->isVisible());
    EXPECT_EQ(rig.pixel(0, 0), red);
    rig.modal.answers = {platform::Answer::yes};
    rig.form->close();
    EXPECT_FALSE(rig.form->isVisible());
    EXPECT_EQ(shown(rig.modal.messages), (std::vector<Shown>{question, question}));
}

TEST(ViewerMainWindow, QuestionMarkMenuOpensAboutAndHelpAtItsCorner) {
    ViewerRig rig(viewer_defaults_ini);
    rig.form->move(70, 40);
    for (const auto& [item, window] :
         {std::pair{"about_mnu", "frmAbout"}, {"hlp_hlp_mnu", "Form3"}}) {
        rig.choose(item);
        QWidget* opened = top_level(window);
        ASSERT_NE(opened, nullptr) << window;
        EXPECT_EQ(opened->pos(), QPoint(70, 40)) << window;
    }
    EXPECT_EQ(top_level("frmAbout")->windowTitle(), "About ORVAK");
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

// A file dropped from a file manager opens as Open opens it; of several,
// the first. A drop of no local file is refused.
TEST(ViewerOpen, ADroppedFileOpensAsOpenWould) {
    ViewerRig rig(viewer_defaults_ini);
    write_text(rig.files / "red.pic", std::string(16384, '\xFF'));
    write_text(rig.files / "big.pic", std::string(16385, '\xFF'));
    EXPECT_FALSE(drop(*rig.form, {QUrl("https://example.org/red.pic")}));
    EXPECT_TRUE(
        drop(*rig.form, {QUrl::fromLocalFile(QString::fromStdString(rig.files / "red.pic")),
                         QUrl::fromLocalFile(QString::fromStdString(rig.files / "big.pic"))}));
    EXPECT_EQ(rig.form->file_name(), rig.files / "red.pic");
    EXPECT_EQ(rig.pixel(0, 0), red);
    EXPECT_TRUE(rig.modal.open_requests.empty());
    EXPECT_TRUE(
        drop(*rig.form, {QUrl::fromLocalFile(QString::fromStdString(rig.files / "big.pic"))}));
    EXPECT_EQ(shown(rig.modal.messages),
              (std::vector<Shown>{{"File too large!", "ORVAK", Buttons::ok, Icon::exclamation}}));
    EXPECT_EQ(rig.form->file_name(), rig.files / "red.pic");
}

}  // namespace
