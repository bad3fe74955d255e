// The 11M viewer window (Form2): menus, Open with its checks and its cancel,
// sizes from the header, the Mono toggle, a buffer that is never cleared,
// the colour dialogs and Save.
#include "viewer/m11_window.h"

#include <gtest/gtest.h>

#include <optional>

#include "tests/v11/m11_support.h"
#include "tests/viewer/viewer_rig.h"
#include "viewer/colour_swatches.h"

namespace {

using namespace viewer_testing;
using bk::m11::Header;
using v11_testing::m11_file;

struct M11Rig : ViewerWindowRig<viewer::Form2> {
    M11Rig() : ViewerWindowRig(viewer_defaults_ini) {}
    QSize client() const { return form->centralWidget()->size(); }
    QRect picture_geometry() const { return picture().geometry(); }
    void expect_file_items(bool enabled) const {
        for (const char* name : {"savebmp_mnu", "mono_col_mnu", "ch_col11_mnu", "rdraw11_mnu"})
            EXPECT_EQ(action(name)->isEnabled(), enabled) << name;
    }
};

TEST(M11Window, MenusAndSizesAtStartDialogsAtItsCornerAndClosingAsks) {
    M11Rig rig;
    EXPECT_EQ(rig.form->windowTitle(), "ORVAK v.2.0 [11M]");
    EXPECT_EQ(rig.client(), QSize(288, 286));
    EXPECT_EQ(rig.picture_geometry(), QRect(16, 16, 256, 256));
    EXPECT_EQ(rig.menu("file_mnu"),
              "File: Open Ctrl+O | Output_catalog | Save Ctrl+S off | Exit |");
    EXPECT_EQ(rig.menu("view_mnu"),
              "View: Mono Ctrl+M off | Change_colors Ctrl+G off | Redraw Ctrl+R off |");
    EXPECT_EQ(rig.menu("hlp11_mnu"), "?: About | Help F1 |");
    rig.expect_opened_at_corner(
        {{"about_hlp_mnu", "frmAbout"}, {"hlp11_hlp_mnu", "Form4"}, {"outcat_mnu", "Form7"}});
    EXPECT_EQ(top_level("frmAbout")->windowTitle(), "About ORVAK [11M]");
    rig.expect_closing_asks();
}

struct Refusal {
    const char* name;                  // "" for the files folder itself
    std::optional<std::string> bytes;  // none: the file is missing
    const char* text;                  // "@" stands for the path
    const char* title;
};

// Every refused file's data is zeros, unlike the accepted file's.
const Refusal refusals[] = {
    {"lower.11M", "11m " + m11_file({16, 64}, 1024, 0).substr(4), "File @ is not file 11M!",
     "ORVAK"},
    {"big.11M", m11_file({8, 6143}, 49145, 0), "File @ too large!", "ORVAK"},
    {"wide.11M", m11_file({4096, 1}, 4096, 0), "File @ has a bad header!", "ORVAK"},
    {"missing.11M", std::nullopt, "Error 2: No such file or directory", "ORVAK: Open"},
    {"", std::nullopt, "Error 21: Is a directory", "ORVAK: Open"}};

TEST(M11Open, RefusalsAreReportedAndLeaveTheWindowAsItWas) {
    for (const Refusal& r : refusals) {
        SCOPED_TRACE(r.text);
        M11Rig rig;
        const std::string path = r.name[0] ? rig.files / r.name : rig.files.path();
        if (r.bytes) write_text(path, *r.bytes);
        std::string text = r.text;
        if (const auto at = text.find('@'); at != text.npos) text.replace(at, 1, path);
        const std::vector<Shown> refusal{{text, r.title, Buttons::ok, Icon::exclamation}};
        rig.open(path);  // as the first file: nothing is drawn or enabled
        EXPECT_EQ(shown(rig.modal.messages), refusal);
        EXPECT_TRUE(rig.all_of(black));
        rig.expect_file_items(false);

        rig.open_bytes("first.11M", m11_file({16, 64}, 1024, 0xFF));
        rig.choose("mono_col_mnu");
        rig.expect_refused(path, refusal.front(), "rdraw11_mnu");
        EXPECT_EQ(rig.client(), QSize(160, 94));
        EXPECT_EQ(rig.form->header(), (Header{16, 64}));
        EXPECT_TRUE(rig.form->mono());
    }
}

TEST(M11Sizes, TheHeaderSizesThePictureWindowAndMonoDoublesItsWidth) {
    M11Rig rig;
    rig.form->show();
    const QSize frame = rig.form->size() - rig.client();
    const std::tuple<Header, QSize, QSize> steps[] = {
        // header of the file opened (or {} for a Mono toggle), picture, client
        {{64, 256}, {256, 256}, {288, 286}}, {{}, {512, 256}, {544, 286}},
        {{16, 64}, {128, 64}, {160, 94}},    {{}, {64, 64}, {96, 94}},
        {{64, 767}, {256, 767}, {288, 797}}, {{}, {512, 767}, {544, 797}},
        {{1, 1}, {8, 1}, {40, 31}}};
    for (const auto& [header, picture, client] : steps) {
        if (header.line_width == 0) {
            rig.choose("mono_col_mnu");
        } else {
            rig.open_bytes("f.11M", m11_file(header, header.data_size(), 0x1B));
        }
        EXPECT_EQ(rig.picture_geometry(), QRect(QPoint(16, 16), picture)) << client.width();
        EXPECT_EQ(rig.client(), client);
        EXPECT_EQ(rig.form->findChild<QWidget*>("Line2")->width(), client.width());
        QCoreApplication::processEvents();
        if (client.width() >= 200) {  // narrower, the menu bar sets the width
            EXPECT_EQ(rig.form->size() - rig.client(), frame) << client.width();
        }
    }
    EXPECT_TRUE(rig.modal.messages.empty());
}

// A cancelled Open draws the buffer again at the current size, and a file
// fills only the start of the buffer, which is never cleared.
TEST(M11Buffer, ACancelOrAShortFileShowsWhatTheBufferHolds) {
    M11Rig rig;
    rig.state.maps.colour[0] = green;  // zero bytes show
    rig.choose("openbk_mnu");
    EXPECT_EQ(rig.modal.open_requests.at(0).filter, "11M Files (*.11M)|*.11M|");
    EXPECT_TRUE(rig.all_of(green));
    rig.expect_file_items(true);
    rig.choose("savebmp_mnu");  // no file name: no extension to replace
    EXPECT_EQ(shown(rig.modal.messages),
              (std::vector<Shown>{{"Error 22: Invalid argument", "ORVAK [11M]: Savebmp",
                                   Buttons::ok, Icon::exclamation}}));
    EXPECT_TRUE(folder_names(rig.folder / "BMP").empty());
    rig.modal.messages.clear();

    rig.open_bytes("red.11M", m11_file({64, 256}, 16384, 0xFF));
    rig.open_bytes("short.11M", m11_file({64, 256}, 64, 0x00));  // one line of zeros
    EXPECT_EQ(rig.pixel(255, 0), green);
    EXPECT_EQ(rig.pixel(0, 1), red);
    rig.open_bytes("empty.11M", m11_file({32, 10}, 0, 0));  // 32-byte lines of the buffer
    EXPECT_EQ(rig.form->file_name(), rig.files / "empty.11M");
    EXPECT_EQ(rig.picture().image().size(), QSize(128, 10));
    EXPECT_EQ(rig.pixel(127, 1), green);
    EXPECT_EQ(rig.pixel(0, 2), red);
    rig.state.maps.colour[3] = white;
    rig.choose("openbk_mnu");
    EXPECT_EQ(rig.picture().image().size(), QSize(128, 10));
    EXPECT_EQ(rig.pixel(0, 2), white);
    EXPECT_EQ(rig.form->file_name(), rig.files / "empty.11M");
    EXPECT_TRUE(rig.modal.messages.empty());
}

TEST(M11Save, TheBitmapHoldsThePictureInTheChangedColours) {
    M11Rig rig;
    rig.form->show();
    // Every byte 0xE4: indices 0, 1, 2, 3, or bits 0 0 1 0 0 1 1 1 from the left.
    rig.open_bytes("title.11M", m11_file({16, 64}, 1024, 0xE4));
    const std::string bmp = rig.folder / "BMP/title.bmp";
    const std::tuple<bool, int, QSize, std::int32_t, std::int32_t> cases[] = {
        // Mono, colour button for Label2, saved size, pixels (0, 0) and (3, 0)
        {false, 5, {64, 64}, black, 33023},          // index 3 (red) drawn orange
        {true, 13, {128, 64}, 16711935, 16711935}};  // bit 0 drawn magenta
    for (const auto& [mono, option, size, left, fourth] : cases) {
        if (mono) rig.choose("mono_col_mnu");
        rig.choose("ch_col11_mnu");
        QWidget* dialog = top_level(mono ? "Form6" : "Form5");
        ASSERT_NE(dialog, nullptr) << mono;
        dialog->findChild<viewer::ColourButton*>(QString("Option%1").arg(option))->click();
        dialog->findChild<viewer::ColourSwatch*>("Label2")->click();
        rig.choose("rdraw11_mnu");
        EXPECT_EQ(rig.pixel(0, 0), left) << option;
        EXPECT_EQ(rig.pixel(3, 0), fourth) << option;
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

}  // namespace
