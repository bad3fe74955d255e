// The 11M viewer window (Form2): layout and menus, Open with its checks and
// its cancel, sizes from the header, the Mono toggle, a buffer that is never
// cleared, the colour dialogs, Save, and closing.
#include "viewer/m11_window.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include "tests/v11/m11_support.h"
#include "tests/viewer/viewer_rig.h"
#include "viewer/colour_swatches.h"

namespace {

using namespace viewer_testing;
using bk::m11::Header;
using platform::Answer;
using platform::Buttons;
using platform::Icon;
using v11_testing::counting_m11_file;
using v11_testing::m11_file;

struct M11Rig : ViewerWindowRig<viewer::Form2> {
    explicit M11Rig(const std::string& ini = viewer_defaults_ini) : ViewerWindowRig(ini) {}
    QSize client() const { return form->centralWidget()->size(); }
    QRect picture_geometry() const { return picture().geometry(); }
    int line_width(const char* name) const { return form->findChild<QWidget*>(name)->width(); }
    // Whether the whole picture window shows one colour.
    bool all_of(std::int32_t colour) const {
        const QImage& image = picture().image();
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (pixel(x, y) != colour) return false;
            }
        }
        return true;
    }
};

const char* const file_items[] = {"savebmp_mnu", "mono_col_mnu", "ch_col11_mnu", "rdraw11_mnu"};

void expect_file_items(const M11Rig& rig, bool enabled) {
    for (const char* name : file_items) EXPECT_EQ(rig.action(name)->isEnabled(), enabled) << name;
}

TEST(M11Window, CaptionLayoutMenusAndTheirStatesAtStart) {
    M11Rig rig;
    EXPECT_TRUE(rig.load_messages.empty());
    EXPECT_EQ(rig.state.catalogs.value(catalogs::bmp_catalog), rig.folder / "BMP");
    EXPECT_EQ(rig.form->windowTitle(), "ORVAK v.2.0 [11M]");
    EXPECT_EQ(rig.client(), QSize(288, 286));
    EXPECT_EQ(rig.picture_geometry(), QRect(16, 16, 256, 256));
    EXPECT_TRUE(rig.all_of(black));
    for (const char* line : {"Line1", "Line2"}) EXPECT_EQ(rig.line_width(line), 288) << line;

    const std::tuple<const char*, const char*, const char*> menus[] = {
        {"file_mnu", "File", "Open|Output_catalog|Save|Exit"},
        {"view_mnu", "View", "Mono|Change_colors|Redraw"},
        {"hlp11_mnu", "?", "About|Help"}};
    QStringList bar;
    for (QAction* menu : rig.form->menuBar()->actions()) bar << menu->text();
    EXPECT_EQ(bar.join('|'), "File|View|?");
    for (const auto& [name, caption, items] : menus) {
        auto* menu = rig.form->findChild<QMenu*>(name);
        ASSERT_NE(menu, nullptr) << name;
        EXPECT_EQ(menu->title(), caption);
        QStringList captions;
        for (QAction* item : menu->actions()) captions << item->text();
        EXPECT_EQ(captions.join('|'), items) << name;
    }
    const std::pair<const char*, const char*> shortcuts[] = {
        {"openbk_mnu", "Ctrl+O"},   {"savebmp_mnu", "Ctrl+S"}, {"mono_col_mnu", "Ctrl+M"},
        {"ch_col11_mnu", "Ctrl+G"}, {"rdraw11_mnu", "Ctrl+R"}, {"hlp11_hlp_mnu", "F1"}};
    for (const auto& [name, keys] : shortcuts) {
        EXPECT_EQ(rig.action(name)->shortcut(), QKeySequence(keys)) << name;
    }
    expect_file_items(rig, false);
    for (const char* name : {"openbk_mnu", "outcat_mnu", "exit_mnu"}) {
        EXPECT_TRUE(rig.action(name)->isEnabled()) << name;
    }
    EXPECT_TRUE(rig.action("mono_col_mnu")->isCheckable());
    EXPECT_FALSE(rig.form->mono());
}

TEST(M11Help, QuestionMarkMenuOpensThe11mAboutAndHelpAtItsCorner) {
    M11Rig rig;
    rig.form->move(50, 60);
    for (const auto& [item, window] :
         {std::pair{"about_hlp_mnu", "frmAbout"}, {"hlp11_hlp_mnu", "Form4"}}) {
        EXPECT_TRUE(rig.action(item)->isEnabled()) << item;
        rig.choose(item);
        QWidget* opened = top_level(window);
        ASSERT_NE(opened, nullptr) << window;
        EXPECT_EQ(opened->pos(), QPoint(50, 60)) << window;
    }
    EXPECT_EQ(top_level("frmAbout")->windowTitle(), "About ORVAK [11M]");
}

TEST(M11Open, ACancelledFirstOpenDrawsTheEmptyBufferAndEnablesTheFileItems) {
    M11Rig rig;
    rig.state.maps.colour[0] = green;  // zero bytes show
    rig.choose("openbk_mnu");
    ASSERT_EQ(rig.modal.open_requests.size(), 1u);
    EXPECT_EQ(rig.modal.open_requests[0].file_name, "");
    EXPECT_EQ(rig.modal.open_requests[0].default_extension, "11M");
    EXPECT_EQ(rig.modal.open_requests[0].filter, "11M Files (*.11M)|*.11M|");
    EXPECT_TRUE(rig.modal.messages.empty());
    EXPECT_EQ(rig.picture_geometry(), QRect(16, 16, 256, 256));
    EXPECT_TRUE(rig.all_of(green));
    expect_file_items(rig, true);
    EXPECT_EQ(rig.form->file_name(), "");

    // No file name: no extension to replace.
    rig.choose("savebmp_mnu");
    EXPECT_EQ(shown(rig.modal.messages),
              (std::vector<Shown>{{"Error 22: Invalid argument", "ORVAK [11M]: Savebmp",
                                   Buttons::ok, Icon::exclamation}}));
    EXPECT_TRUE(folder_names(rig.folder / "BMP").empty());

    // Mono shows the same 256 lines of 64 bytes at 8 pixels a byte.
    rig.state.maps.mono[0] = blue;
    rig.choose("mono_col_mnu");
    EXPECT_EQ(rig.picture_geometry(), QRect(16, 16, 512, 256));
    EXPECT_TRUE(rig.all_of(blue));
}

TEST(M11Open, ACancelledOpenDrawsTheBufferAgainAtTheCurrentSize) {
    M11Rig rig;
    rig.open_bytes("a.11M", m11_file({16, 64}, 1024, 0xFF));
    rig.state.maps.colour[3] = white;
    rig.choose("openbk_mnu");
    EXPECT_EQ(rig.picture_geometry(), QRect(16, 16, 64, 64));
    EXPECT_TRUE(rig.all_of(white));
    EXPECT_EQ(rig.form->file_name(), rig.files / "a.11M");
}

struct Refusal {
    const char* what;
    std::string file;
    const char* message_end;
};

void PrintTo(const Refusal& c, std::ostream* os) {
    *os << c.what;
}

class M11Refusals : public testing::TestWithParam<Refusal> {};

TEST_P(M11Refusals, AreReportedAndLeaveTheWindowAsItWas) {
    const Refusal& c = GetParam();
    M11Rig rig;
    rig.form->show();
    // As the first file: nothing is drawn or enabled.
    const std::string path = rig.open_bytes("bad.11M", c.file);
    const Shown refusal{"File " + path + c.message_end, "ORVAK", Buttons::ok, Icon::exclamation};
    EXPECT_EQ(shown(rig.modal.messages), std::vector<Shown>{refusal});
    EXPECT_TRUE(rig.all_of(black));
    expect_file_items(rig, false);

    // After a file: its picture, sizes, name and buffer stay.
    const std::string first = rig.open_bytes("first.11M", m11_file({16, 64}, 1024, 0xFF));
    rig.action("mono_col_mnu")->trigger();
    const QImage before = rig.picture().image().copy();
    rig.modal.messages.clear();
    rig.open_bytes("bad.11M", c.file);
    EXPECT_EQ(shown(rig.modal.messages), std::vector<Shown>{refusal});
    EXPECT_EQ(rig.picture().image(), before);
    EXPECT_EQ(rig.picture_geometry(), QRect(16, 16, 128, 64));
    EXPECT_EQ(rig.client(), QSize(160, 94));
    EXPECT_EQ(rig.form->header(), (Header{16, 64}));
    EXPECT_EQ(rig.form->file_name(), first);
    EXPECT_TRUE(rig.form->mono());
    rig.choose("rdraw11_mnu");  // no byte of the refused file reached the buffer
    EXPECT_EQ(rig.picture().image(), before);
}

// Every refused file's data is zeros, unlike the accepted file's.
INSTANTIATE_TEST_SUITE_P(
    Files, M11Refusals,
    testing::Values(Refusal{"lower_case_m", "11m " + m11_file({16, 64}, 1024, 0).substr(4),
                            " is not file 11M!"},
                    Refusal{"three_bytes", "11M", " is not file 11M!"},
                    Refusal{"too_large", m11_file({8, 6143}, 49145, 0), " too large!"},
                    Refusal{"zero_width", m11_file({0, 64}, 1024, 0), " has a bad header!"},
                    Refusal{"negative_lines", m11_file({16, -64}, 1024, 0), " has a bad header!"},
                    Refusal{"too_wide", m11_file({4096, 1}, 4096, 0), " has a bad header!"},
                    Refusal{"over_buffer", m11_file({64, 768}, 1024, 0), " has a bad header!"}),
    [](const testing::TestParamInfo<Refusal>& info) { return std::string(info.param.what); });

TEST(M11Open, AFileThatCannotBeReadIsReportedAndChangesNothing) {
    M11Rig rig;
    const std::string first = rig.open_bytes("first.11M", m11_file({16, 64}, 1024, 0xE4));
    const QImage before = rig.picture().image().copy();
    const std::pair<std::string, std::string> cases[] = {
        {rig.files / "missing.11M", "Error 2: No such file or directory"},
        {rig.files.path(), "Error 21: Is a directory"}};
    for (const auto& [path, text] : cases) {
        rig.modal.messages.clear();
        rig.open(path);
        EXPECT_EQ(shown(rig.modal.messages),
                  (std::vector<Shown>{{text, "ORVAK: Open", Buttons::ok, Icon::exclamation}}));
        EXPECT_EQ(rig.form->file_name(), first);
        EXPECT_EQ(rig.picture().image(), before);
    }
}

TEST(M11Sizes, TheHeaderSizesThePictureWindowAndMonoDoublesItsWidth) {
    M11Rig rig;
    rig.form->show();
    const QSize frame = rig.form->size() - rig.client();
    const std::tuple<Header, const char*, QSize, QSize> steps[] = {
        // header of the file opened (or {} for a Mono toggle), picture, client
        {{64, 256}, nullptr, {256, 256}, {288, 286}}, {{}, "mono_col_mnu", {512, 256}, {544, 286}},
        {{16, 64}, nullptr, {128, 64}, {160, 94}},    {{}, "mono_col_mnu", {64, 64}, {96, 94}},
        {{64, 767}, nullptr, {256, 767}, {288, 797}}, {{}, "mono_col_mnu", {512, 767}, {544, 797}},
        {{1, 1}, nullptr, {8, 1}, {40, 31}}};
    for (const auto& [header, toggle, picture, client] : steps) {
        if (toggle == nullptr) {
            rig.open_bytes("f.11M", counting_m11_file(header));
        } else {
            rig.choose(toggle);
        }
        EXPECT_EQ(rig.picture_geometry(), QRect(QPoint(16, 16), picture)) << client.width();
        EXPECT_EQ(rig.client(), client);
        for (const char* line : {"Line1", "Line2"}) {
            EXPECT_EQ(rig.line_width(line), client.width()) << line;
        }
        QCoreApplication::processEvents();
        if (client.width() >= 200) {  // narrower, the menu bar sets the width
            EXPECT_EQ(rig.form->size() - rig.client(), frame) << client.width();
        }
    }
    EXPECT_TRUE(rig.modal.messages.empty());
}

TEST(M11Mono, TogglingTwiceReturnsToTheSameSizeAndPicture) {
    M11Rig rig;
    rig.open_bytes("f.11M", counting_m11_file({25, 37}));
    const QImage colour = rig.picture().image().copy();
    rig.choose("mono_col_mnu");
    EXPECT_TRUE(rig.form->mono());
    const QImage mono = rig.picture().image().copy();
    EXPECT_EQ(mono.size(), QSize(200, 37));
    rig.choose("mono_col_mnu");
    EXPECT_FALSE(rig.form->mono());
    EXPECT_EQ(rig.picture().image(), colour);
    rig.choose("mono_col_mnu");
    EXPECT_EQ(rig.picture().image(), mono);
}

TEST(M11Draw, LineWidthBytesALineAtFourOrEightPixelsAByte) {
    M11Rig rig;
    const std::string data{'\xE4', '\x00', '\xFF', '\x55', '\xAA', '\x01'};
    rig.open_bytes("f.11M", v11_testing::as_text(bk::m11::file_bytes(
                                {2, 3}, std::vector<std::uint8_t>(data.begin(), data.end()))));
    const std::tuple<int, int, std::int32_t> colour[] = {
        {0, 0, black}, {1, 0, blue}, {2, 0, green}, {3, 0, red},  {4, 0, black},
        {0, 1, red},   {7, 1, blue}, {0, 2, green}, {4, 2, blue}, {5, 2, black}};
    for (const auto& [x, y, c] : colour) EXPECT_EQ(rig.pixel(x, y), c) << x << "," << y;
    EXPECT_EQ(rig.picture().image().size(), QSize(8, 3));

    rig.choose("mono_col_mnu");
    const std::tuple<int, int, std::int32_t> mono[] = {
        {0, 0, black}, {2, 0, white}, {5, 0, white}, {8, 0, black}, {7, 1, white}, {8, 1, white},
        {9, 1, black}, {0, 2, black}, {1, 2, white}, {8, 2, white}, {9, 2, black}};
    for (const auto& [x, y, c] : mono) EXPECT_EQ(rig.pixel(x, y), c) << x << "," << y;
}

TEST(M11Buffer, AShortFileShowsWhatTheBufferHeldPastItsEnd) {
    M11Rig rig;
    rig.open_bytes("red.11M", m11_file({64, 256}, 16384, 0xFF));
    rig.open_bytes("short.11M", m11_file({64, 256}, 64, 0x00));  // one line of black
    EXPECT_TRUE(rig.modal.messages.empty());
    EXPECT_EQ(rig.pixel(255, 0), black);
    EXPECT_EQ(rig.pixel(0, 1), red);
    EXPECT_EQ(rig.pixel(255, 255), red);

    // No data at all: 32-byte lines from the buffer as it stands.
    rig.open_bytes("empty.11M", m11_file({32, 10}, 0, 0));
    EXPECT_TRUE(rig.modal.messages.empty());
    EXPECT_EQ(rig.form->file_name(), rig.files / "empty.11M");
    EXPECT_EQ(rig.picture().image().size(), QSize(128, 10));
    EXPECT_EQ(rig.pixel(127, 1), black);
    EXPECT_EQ(rig.pixel(0, 2), red);
    EXPECT_EQ(rig.pixel(127, 9), red);
}

// Opens Change_colors with Mono as given, gives the first target swatch the
// colour of `option`, and redraws.
void recolour(M11Rig& rig, bool mono, int option) {
    if (rig.form->mono() != mono) rig.choose("mono_col_mnu");
    rig.choose("ch_col11_mnu");
    QWidget* dialog = top_level(mono ? "Form6" : "Form5");
    ASSERT_NE(dialog, nullptr) << mono;
    EXPECT_EQ(dialog->pos(), rig.form->pos());
    EXPECT_EQ(top_level(mono ? "Form5" : "Form6"), nullptr);
    dialog->findChild<viewer::ColourButton*>(QString("Option%1").arg(option))->click();
    dialog->findChild<viewer::ColourSwatch*>("Label2")->click();
    dialog->close();
    rig.choose("rdraw11_mnu");
}

TEST(M11Save, TheBitmapHoldsThePictureInTheChangedColours) {
    M11Rig rig;
    rig.form->move(40, 30);
    rig.form->show();
    // Every byte 0xE4: indices 0, 1, 2, 3, or bits 0 0 1 0 0 1 1 1 from the left.
    rig.open_bytes("title.11M", m11_file({16, 64}, 1024, 0xE4));
    const std::string bmp = rig.folder / "BMP/title.bmp";
    const std::tuple<bool, int, QSize, std::int32_t, std::int32_t> cases[] = {
        // Mono, colour button, saved size, pixels (0, 0) and (3, 0)
        {false, 5, {64, 64}, black, 33023},         // index 3 (red) drawn orange
        {true, 13, {128, 64}, 16711935, 16711935},  // bit 0 drawn magenta
        {false, 10, {64, 64}, black, 8421376}};     // index 3 drawn teal
    for (const auto& [mono, option, size, left, fourth] : cases) {
        recolour(rig, mono, option);
        EXPECT_EQ(rig.pixel(0, 0), left) << option;
        EXPECT_EQ(rig.pixel(3, 0), fourth) << option;
        rig.modal.messages.clear();
        rig.modal.answers = {Answer::yes};
        rig.choose("savebmp_mnu");
        EXPECT_EQ(shown(rig.modal.messages).back(),
                  Shown("File " + bmp + " saved", "orvak", Buttons::ok, Icon::none));
        const QImage file(QString::fromStdString(bmp), "BMP");
        ASSERT_EQ(file.size(), size) << option;
        EXPECT_TRUE(shows_part(rig.picture(), file, 0, 0)) << option;
    }
    EXPECT_EQ(folder_names(rig.files.path()), std::vector<std::string>{"title.11M"});
}

TEST(M11Window, OutputCatalogOpensTheBmpCatalogDialogAtTheWindowsCorner) {
    M11Rig rig;
    rig.form->move(25, 35);
    rig.form->show();
    rig.choose("outcat_mnu");
    QWidget* dialog = top_level("Form7");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->pos(), rig.form->pos());
    EXPECT_EQ(dialog->findChild<QLineEdit*>("Text1")->text().toStdString(), rig.folder / "BMP");
}

TEST(M11Window, ClosingAsksEveryTimeAndOnlyYesCloses) {
    M11Rig rig;
    rig.form->show();
    rig.open_bytes("s.11M", m11_file({64, 256}, 16384, 0xFF));
    const Shown question{"Are you sure?", "ORVAK", Buttons::yes_no, Icon::question};
    rig.modal.answers = {Answer::no};
    rig.choose("exit_mnu");
    EXPECT_TRUE(rig.form->isVisible());
    EXPECT_EQ(rig.pixel(0, 0), red);
    rig.modal.answers = {Answer::yes};
    rig.form->close();
    EXPECT_FALSE(rig.form->isVisible());
    EXPECT_EQ(shown(rig.modal.messages), (std::vector<Shown>{question, question}));
}

}  // namespace
