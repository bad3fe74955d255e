// The 11M window: settings at load, controls and menus, sizing the area with
// the buttons, the Mono switch, scrolling, dialogs and closing.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include "converter/start.h"
#include "tests/m11/m11_window_rig.h"

namespace {

using namespace testing_support;
using platform::Buttons;
using platform::Icon;

const char* const mono_items[] = {"bwlev_mnu", "vm_mnu", "convbw_mnu"};
const char* const colour_items[] = {"collev_mnu", "changecol_mnu", "vcol_mnu", "convcol_mnu"};
const char* const window_items[] = {"ftw_mnu", "rdraw_mnu", "minxscrl_mnu", "minyscrl_mnu"};
const char* const size_controls[] = {"Command1", "Command2", "Command3",
                                     "Command4", "Check1",   "Check2"};

void expect_items(const M11Rig& rig, bool window, bool colour, bool mono) {
    for (const char* name : window_items) EXPECT_EQ(rig.action(name)->isEnabled(), window) << name;
    for (const char* name : colour_items) EXPECT_EQ(rig.action(name)->isEnabled(), colour) << name;
    for (const char* name : mono_items) EXPECT_EQ(rig.action(name)->isEnabled(), mono) << name;
}

// Enabled states of Command1..Command4 as a string of 0 and 1.
std::string arrows(const M11Rig& rig) {
    std::string states;
    for (const char* name : {"Command1", "Command2", "Command3", "Command4"}) {
        states += rig.button(name)->isEnabled() ? '1' : '0';
    }
    return states;
}

// The picture window, its bars along it, the client area and the labels'
// row, all from the area's size.
void expect_laid_out(const M11Rig& rig, QSize area, int client_width) {
    EXPECT_EQ(rig.picture().geometry(), QRect(QPoint(14, 33), area));
    EXPECT_EQ(rig.bar("HScroll1").geometry(), QRect(14, 33 + area.height(), area.width(), 17));
    EXPECT_EQ(rig.bar("VScroll1").geometry(), QRect(14 + area.width(), 33, 17, area.height()));
    EXPECT_EQ(rig.client(), QSize(client_width, area.height() + 75));
    for (int n = 1; n <= 8; ++n) EXPECT_EQ(rig.label(n)->y(), area.height() + 56) << n;
    EXPECT_EQ(rig.label_text(2), std::to_string(area.width()));
    EXPECT_EQ(rig.label_text(4), std::to_string(area.height()));
}

TEST(M11WindowLoad, ResolvesOnlyThe11mCatalog) {
    M11Rig rig;
    EXPECT_TRUE(rig.load_messages.empty());
    EXPECT_EQ(rig.state.catalogs.value(catalogs::m11_catalog), rig.folder / "11M");
    EXPECT_EQ(rig.state.catalogs.value(catalogs::bbd_catalog), "default");
    EXPECT_EQ(rig.state.catalogs.value(catalogs::pic_catalog), "default");
}

TEST(M11WindowLoad, MissingSettingsFileIsReported) {
    M11Rig rig("");
    EXPECT_EQ(shown(rig.load_messages),
              (std::vector<Shown>{{"Error 2: No such file or directory", "KVARO: Load ini-file",
                                   Buttons::ok, Icon::critical}}));
    EXPECT_EQ(rig.state.catalogs.value(catalogs::m11_catalog), "");
}

TEST(M11Start, OnlyTheExactArgumentOpensThe11mWindow) {
    TempFolder folder;
    converter::ConverterState state(folder.path());
    platform::ScriptedModal modal;
    const std::pair<const char*, const char*> cases[] = {
        {"/11m", "Form6"}, {"/11M", "Form6"}, {" /11m", "Form1"}, {"", "Form1"}};
    for (const auto& [argument, form] : cases) {
        EXPECT_EQ(converter::start_converter(argument, state, modal)->objectName(), form)
            << argument;
    }
}

TEST(M11Window, DesignState) {
    M11Rig rig;
    EXPECT_EQ(rig.form->windowTitle(), "KVARO v.5.0 [11M]");
    EXPECT_FALSE(rig.action("mono_col_mnu")->isChecked());
    EXPECT_EQ(rig.action("mono_col_mnu")->text(), "Mono");
    EXPECT_EQ(rig.action("outcat11_mnu")->text(), "Output_catalog");
    expect_items(rig, false, false, false);
    EXPECT_TRUE(rig.action("about_mnu") && rig.action("dsc_mnu"));
    const std::pair<const char*, const char*> shortcuts[] = {
        {"open_mnu", "Ctrl+O"},  {"ftw_mnu", "Ctrl+F"},       {"rdraw_mnu", "Ctrl+R"},
        {"bwlev_mnu", "Ctrl+B"}, {"vm_mnu", "Ctrl+M"},        {"collev_mnu", "Ctrl+L"},
        {"vcol_mnu", "Ctrl+C"},  {"changecol_mnu", "Ctrl+G"}, {"dsc_mnu", "F1"}};
    for (const auto& [name, keys] : shortcuts) {
        EXPECT_EQ(rig.action(name)->shortcut(), QKeySequence(keys)) << name;
    }
    const int lefts[] = {16, 64, 112, 160, 208, 256};
    const char* descriptions[] = {"Narrower", "Shorter",      "Taller",
                                  "Wider",    "Width factor", "Height step"};
    for (int i = 0; i < 6; ++i) {
        QToolButton* button = rig.button(size_controls[i]);
        EXPECT_FALSE(button->isEnabled()) << size_controls[i];
        EXPECT_EQ(button->geometry(), QRect(lefts[i], 8, 25, 17)) << size_controls[i];
        EXPECT_EQ(button->accessibleName(), descriptions[i]);
        EXPECT_FALSE(button->icon().isNull());
    }
    EXPECT_FALSE(rig.bar("HScroll1").isEnabled() || rig.bar("VScroll1").isEnabled());
    expect_laid_out(rig, {256, 256}, 301);
    const char* texts[] = {"DX:", "256", "DY:", "256", "mX:", "1", "mY:", "1"};
    const int label_lefts[] = {16, 40, 80, 104, 200, 224, 248, 272};
    for (int n = 1; n <= 8; ++n) {
        EXPECT_EQ(rig.label_text(n), texts[n - 1]);
        EXPECT_EQ(rig.label(n)->pos(), QPoint(label_lefts[n - 1], 312));
    }
}

TEST(M11Window, BeforeAnyPictureTheItemsOfTheModeWorkOnTheBlankArea) {
    M11Rig rig;
    rig.choose("open_mnu");  // cancelled
    expect_items(rig, false, true, false);
    EXPECT_EQ(arrows(rig), "0000");
    rig.choose("mono_col_mnu");
    EXPECT_TRUE(rig.action("mono_col_mnu")->isChecked());
    expect_items(rig, false, false, true);
    EXPECT_EQ(arrows(rig), "0011");
    rig.click("Command4");
    rig.click("Command3");
    expect_laid_out(rig, {264, 257}, 309);
    EXPECT_FALSE(rig.button("Check1")->isEnabled());
    for (const char* item : {"vm_mnu", "convbw_mnu"}) rig.choose(item);
    rig.choose("mono_col_mnu");
    for (const char* item : {"vcol_mnu", "convcol_mnu"}) rig.choose(item);
    const QImage& image = rig.picture().image();
    EXPECT_EQ(image.size(), QSize(264, 257));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ASSERT_EQ(rig.picture().pixel(x, y), 0);
    EXPECT_TRUE(rig.modal.messages.empty());
    EXPECT_EQ(folder_names(rig.folder.path()), std::vector<std::string>{"kvaro.ini"});
}

TEST(M11WindowOpen, FirstPictureSetsUpTheArea) {
    M11Rig rig;
    rig.choose("mono_col_mnu");
    rig.click("Command4", 2);          // before the picture: 272 wide
    rig.open(sample("gradient.jpg"));  // 530 x 300
    EXPECT_TRUE(rig.modal.messages.empty());
    EXPECT_EQ(rig.form->source_path(), sample("gradient.jpg"));
    expect_laid_out(rig, {256, 256}, 301);
    EXPECT_EQ(arrows(rig), "1111");
    EXPECT_TRUE(rig.button("Check1")->isEnabled() && rig.button("Check2")->isEnabled());
    expect_items(rig, true, false, true);
    const QScrollBar& h = rig.bar("HScroll1");
    const QScrollBar& v = rig.bar("VScroll1");
    EXPECT_TRUE(h.isEnabled() && v.isEnabled());
    EXPECT_EQ(std::tuple(h.maximum(), h.singleStep(), h.value()), std::tuple(274, 5, 0));
    EXPECT_EQ(std::tuple(v.maximum(), v.singleStep(), v.value()), std::tuple(44, 1, 0));
}

TEST(M11WindowOpen, FailureHasItsTitleAndEnablesNothing) {
    M11Rig rig;
    write_text(rig.folder / "x.jpg", "not a picture");
    rig.open(rig.folder / "x.jpg");
    ASSERT_EQ(rig.modal.messages.size(), 1u);
    EXPECT_EQ(std::tie(rig.modal.messages[0].title, rig.modal.messages[0].icon),
              std::tuple("KVARO [11M]: Open picture", Icon::exclamation));
    expect_items(rig, false, false, false);
    EXPECT_EQ(arrows(rig), "0000");
    EXPECT_EQ(rig.form->source_path(), "");
}

TEST(M11WindowOpen, LaterPicturesKeepTheAreaAndLargerOnesAllowGrowth) {
    M11Rig rig;
    rig.open(sample("quadrants.gif"));
    rig.click("Check1");
    rig.click("Command4", 40);  // 16 pixels a press until 49144 bytes are reached
    EXPECT_EQ(rig.label_text(2), "752");
    EXPECT_EQ(arrows(rig), "1110");
    rig.open(sample("gradient.jpg"));
    EXPECT_EQ(arrows(rig), "1110");  // 530 pixels is narrower than the area
    rig.open(save_bmp(numbered_picture(800, 100), rig.folder / "wide.bmp"));
    EXPECT_EQ(arrows(rig), "1111");
    expect_laid_out(rig, {752, 256}, 752 + 45);
}

TEST(M11WindowMono, SwitchToFourColourShrinksTheArea) {
    M11Rig rig;
    rig.open(sample("quadrants.gif"));
    rig.choose("mono_col_mnu");
    rig.click("Check1");
    rig.click("Command4", 8);
    rig.click("Check2");
    EXPECT_TRUE(rig.button("Check2")->isChecked());
    EXPECT_EQ(rig.label_text(6) + " " + rig.label_text(8), "4 16");
    rig.click("Command3", 31);
    rig.click("Check2");
    rig.click("Command3", 16);  // the last press is refused
    expect_laid_out(rig, {512, 767}, 512 + 45);
    EXPECT_EQ(arrows(rig), "1101");
    rig.choose("mono_col_mnu");
    EXPECT_FALSE(rig.action("mono_col_mnu")->isChecked());
    expect_items(rig, true, true, false);
    expect_laid_out(rig, {276, 708}, 276 + 45);
    EXPECT_EQ(rig.label(1)->y(), 312 + 511 - 59);
    EXPECT_EQ(arrows(rig), "1101");
    rig.choose("mono_col_mnu");
    EXPECT_EQ(arrows(rig), "1111");
}

TEST(M11WindowScroll, ArrowsKeepTheViewAtItsRelativePlace) {
    M11Rig rig;
    const QImage source = numbered_picture(530, 300);
    rig.open(save_bmp(source, rig.folder / "n.bmp"));
    QScrollBar& h = rig.bar("HScroll1");
    h.setValue(137);
    EXPECT_TRUE(shows_part(rig.picture(), source, 137, 0));
    rig.click("Command1");
    EXPECT_EQ(std::tuple(h.maximum(), h.singleStep(), h.value()), std::tuple(278, 6, 139));
    EXPECT_TRUE(shows_part(rig.picture(), source, 139, 0));
    rig.choose("minxscrl_mnu");
    EXPECT_EQ(h.singleStep(), 1);
    rig.click("Command4");
    EXPECT_EQ(std::tuple(h.maximum(), h.singleStep(), h.value()), std::tuple(274, 1, 137));
    rig.choose("minxscrl_mnu");
    EXPECT_EQ(h.singleStep(), 5);
    rig.bar("VScroll1").setValue(44);
    rig.choose("rdraw_mnu");
    EXPECT_TRUE(shows_part(rig.picture(), source, 137, 44));
}

TEST(M11WindowScroll, FitStretchesAndDisablesTheBars) {
    M11Rig rig;
    QImage source(512, 512, QImage::Format_RGB32);  // red left half, blue right half
    source.fill(qRgb(255, 0, 0));
    for (int y = 0; y < 512; ++y)
        for (int x = 256; x < 512; ++x) source.setPixel(x, y, qRgb(0, 0, 255));
    rig.open(save_bmp(source, rig.folder / "halves.bmp"));
    EXPECT_EQ(rig.picture().pixel(250, 10), packed(qRgb(255, 0, 0)));
    rig.choose("ftw_mnu");
    EXPECT_FALSE(rig.bar("HScroll1").isEnabled() || rig.bar("VScroll1").isEnabled());
    EXPECT_EQ(rig.picture().pixel(10, 10), packed(qRgb(255, 0, 0)));
    EXPECT_EQ(rig.picture().pixel(250, 10), packed(qRgb(0, 0, 255)));
    rig.choose("ftw_mnu");
    EXPECT_TRUE(rig.bar("HScroll1").isEnabled());
    EXPECT_TRUE(shows_part(rig.picture(), source, 0, 0));
}

TEST(M11WindowDialogs, OpenAtTheWindowsCorner) {
    M11Rig rig;
    rig.form->move(40, 30);
    rig.open(sample("quadrants.gif"));
    rig.choose("mono_col_mnu");
    rig.choose("bwlev_mnu");
    rig.choose("mono_col_mnu");
    rig.choose("collev_mnu");
    rig.choose("changecol_mnu");
    rig.choose("outcat11_mnu");
    for (const char* name : {"Form2", "Form3", "Form4", "Form9"}) {
        QWidget* dialog = top_level(name);
        ASSERT_NE(dialog, nullptr) << name;
        EXPECT_EQ(dialog->pos(), rig.form->pos()) << name;
    }
}

TEST(M11WindowDialogs, OutputFilesSetsThe11mCatalog) {
    M11Rig rig;
    rig.choose("outcat11_mnu");
    QPointer<QWidget> dialog = top_level("Form9");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Output files");
    EXPECT_EQ(dialog->size(), QSize(312, 136));
    auto* label = dialog->findChild<QLabel*>("Label1");
    EXPECT_EQ(label->text(), "Catalog for 11M files:");
    EXPECT_EQ(label->geometry(), QRect(8, 32, 297, 17));
    auto* text = dialog->findChild<QLineEdit*>("Text1");
    EXPECT_EQ(text->geometry(), QRect(8, 48, 297, 19));
    EXPECT_EQ(text->text().toStdString(), rig.folder / "11M");
    auto* ok = dialog->findChild<QPushButton*>("Command1");
    EXPECT_EQ(ok->geometry(), QRect(126, 88, 65, 25));
    EXPECT_EQ(dialog->findChild<QLineEdit*>("Text2"), nullptr);

    text->setText("/bk/11");
    ok->click();
    flush_deletes();
    EXPECT_TRUE(dialog.isNull());
    EXPECT_EQ(rig.state.catalogs.value(catalogs::m11_catalog), "/bk/11");
    EXPECT_EQ(read_text(rig.folder / "kvaro.ini"),
              "*******KVARO_Ini*******\r\nBBD catalog>\r\ndefault\r\nPIC catalog>\r\ndefault\r\n"
              "11M catalog>\r\n/bk/11\r\n");

    rig.choose("outcat11_mnu");
    auto* again = top_level("Form9")->findChild<QLineEdit*>("Text1");
    again->setText("*11M");
    top_level("Form9")->findChild<QPushButton*>("Command1")->click();
    EXPECT_EQ(rig.state.catalogs.value(catalogs::m11_catalog), rig.folder / "11M");
    EXPECT_EQ(read_text(rig.folder / "kvaro.ini"), defaults_ini);
}

TEST(M11WindowClose, AsksAndStaysOpenUnlessYes) {
    M11Rig rig;
    rig.form->show();
    rig.choose("exit_mnu");
    EXPECT_TRUE(rig.form->isVisible());
    EXPECT_EQ(shown(rig.modal.messages),
              (std::vector<Shown>{{"Are you sure?", "KVARO", Buttons::yes_no, Icon::question}}));
    rig.modal.answers = {platform::Answer::yes};
    EXPECT_TRUE(rig.form->close());
    EXPECT_FALSE(rig.form->isVisible());
}

TEST(M11Window, QuestionMarkMenuOpensAboutAndTheAreaHelpAtItsCorner) {
    M11Rig rig;
    rig.form->move(90, 30);
    for (const auto& [item, window] : {std::pair{"about_mnu", "frmAbout"}, {"dsc_mnu", "Form7"}}) {
        EXPECT_TRUE(rig.action(item)->isEnabled()) << item;
        rig.action(item)->trigger();
        QWidget* opened = top_level(window);
        ASSERT_NE(opened, nullptr) << window;
        EXPECT_EQ(opened->pos(), QPoint(90, 30)) << window;
    }
}

}  // namespace
