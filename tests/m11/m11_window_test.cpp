// The 11M window: settings at load, controls and menus, sizing the area with
// the buttons, scrolling, dialogs and closing.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include "tests/m11/m11_window_rig.h"

namespace {

using namespace testing_support;
using platform::Buttons;
using platform::Icon;

// Enabled states of the window, colour and mono menu items, each a 0 or 1.
std::string items(const M11Rig& rig) {
    std::string states;
    for (const char* name :
         {"ftw_mnu", "rdraw_mnu", "minxscrl_mnu", "minyscrl_mnu", " ", "collev_mnu",
          "changecol_mnu", "vcol_mnu", "convcol_mnu", " ", "bwlev_mnu", "vm_mnu", "convbw_mnu"}) {
        states += name[0] == ' ' ? ' ' : rig.action(name)->isEnabled() ? '1' : '0';
    }
    return states;
}

const char* const size_controls[] = {"Command1", "Command2", "Command3",
                                     "Command4", "Check1",   "Check2"};

// Enabled states of the size controls.
std::string arrows(const M11Rig& rig) {
    std::string states;
    for (const char* name : size_controls) states += rig.button(name)->isEnabled() ? '1' : '0';
    return states;
}

TEST(M11WindowLoad, ResolvesOnlyThe11mCatalogOrReportsAMissingFile) {
    M11Rig rig;
    EXPECT_TRUE(rig.load_messages.empty());
    EXPECT_EQ(rig.state.catalogs.value(catalogs::m11_catalog), rig.folder / "11M");
    EXPECT_EQ(rig.state.catalogs.value(catalogs::bbd_catalog), "default");
    M11Rig without("");
    EXPECT_EQ(shown(without.load_messages),
              (std::vector<Shown>{{"Error 2: No such file or directory", "KVARO: Load ini-file",
                                   Buttons::ok, Icon::critical}}));
    EXPECT_EQ(without.state.catalogs.value(catalogs::m11_catalog), "");
}

TEST(M11Window, AtDesignAndBeforeAnyPictureTheItemsOfTheModeWorkOnTheBlankArea) {
    M11Rig rig;
    EXPECT_EQ(rig.form->windowTitle(), "KVARO v.5.0 [11M]");
    QString texts;
    for (const char* name : size_controls) texts += rig.button(name)->accessibleName() + ",";
    for (int n = 1; n <= 8; ++n) texts += rig.label(n)->text() + " ";
    EXPECT_EQ(
        texts.toStdString(),
        "Narrower,Shorter,Taller,Wider,Width factor,Height step,DX: 256 DY: 256 mX: 1 mY: 1 ");
    EXPECT_EQ(items(rig) + " " + arrows(rig), "0000 0000 000 000000");
    EXPECT_FALSE(rig.bar("HScroll1").isEnabled() || rig.bar("VScroll1").isEnabled());
    rig.expect_laid_out({256, 256}, 301);
    rig.choose("open_mnu");  // cancelled
    EXPECT_EQ(items(rig) + " " + arrows(rig), "0000 1111 000 000000");
    rig.choose("mono_col_mnu");
    EXPECT_TRUE(rig.action("mono_col_mnu")->isChecked());
    EXPECT_EQ(items(rig) + " " + arrows(rig), "0000 0000 111 001100");
    rig.click("Command4");
    rig.click("Command3");
    rig.expect_laid_out({264, 257}, 309);
    for (const char* item : {"vm_mnu", "convbw_mnu", "mono_col_mnu", "vcol_mnu", "convcol_mnu"}) {
        rig.choose(item);
    }
    QImage black(264, 257, QImage::Format_RGB32);
    black.fill(Qt::black);
    EXPECT_EQ(rig.picture().image().size(), black.size());
    EXPECT_TRUE(shows_part(rig.picture(), black, 0, 0));
    EXPECT_TRUE(rig.modal.messages.empty());
    EXPECT_EQ(folder_names(rig.folder.path()), std::vector<std::string>{"kvaro.ini"});
}

TEST(M11WindowOpen, AFailureEnablesNothingTheFirstPictureSetsUpTheAreaLaterOnesKeepIt) {
    M11Rig rig;
    write_text(rig.folder / "x.jpg", "not a picture");
    rig.open(rig.folder / "x.jpg");
    ASSERT_EQ(rig.modal.messages.size(), 1u);
    EXPECT_EQ(std::tie(rig.modal.messages[0].title, rig.modal.messages[0].icon),
              std::tuple("KVARO [11M]: Open picture", Icon::exclamation));
    EXPECT_EQ(items(rig) + " " + arrows(rig), "0000 0000 000 000000");
    EXPECT_EQ(rig.form->source_path(), "");
    rig.modal.messages.clear();
    rig.choose("mono_col_mnu");
    rig.click("Command4", 2);          // before the picture: 272 wide
    rig.open(sample("gradient.jpg"));  // 530 x 300
    EXPECT_TRUE(rig.modal.messages.empty());
    EXPECT_EQ(rig.form->source_path(), sample("gradient.jpg"));
    rig.expect_laid_out({256, 256}, 301);
    EXPECT_EQ(items(rig) + " " + arrows(rig), "1111 0000 111 111111");
    EXPECT_TRUE(rig.bar("HScroll1").isEnabled() && rig.bar("VScroll1").isEnabled());
    rig.click("Check1");
    rig.click("Command4", 40);  // 32 pixels a press until 49144 bytes are reached
    EXPECT_EQ(arrows(rig), "111011");
    rig.open(sample("quadrants.gif"));
    EXPECT_EQ(arrows(rig), "111011");  // narrower than the area
    rig.open(save_bmp(numbered_picture(1600, 100), rig.folder / "wide.bmp"));
    EXPECT_EQ(arrows(rig), "111111");
    rig.expect_laid_out({1504, 256}, 1504 + 45);
}

TEST(M11WindowScroll, ArrowsKeepTheViewAtItsRelativePlace) {
    M11Rig rig;
    const QImage source = numbered_picture(530, 300);
    rig.open(save_bmp(source, rig.folder / "n.bmp"));
    QScrollBar& h = rig.bar("HScroll1");
    h.setValue(137);
    rig.click("Command1");
    EXPECT_EQ(std::tuple(h.maximum(), h.singleStep(), h.value()), std::tuple(278, 6, 139));
    EXPECT_TRUE(shows_part(rig.picture(), source, 139, 0));
    rig.choose("minxscrl_mnu");
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
    rig.choose("ftw_mnu");
    EXPECT_FALSE(rig.bar("HScroll1").isEnabled() || rig.bar("VScroll1").isEnabled());
    EXPECT_EQ(rig.picture().pixel(250, 10), packed(qRgb(0, 0, 255)));
    rig.choose("ftw_mnu");
    EXPECT_TRUE(rig.bar("HScroll1").isEnabled());
    EXPECT_TRUE(shows_part(rig.picture(), source, 0, 0));
}

TEST(M11WindowDialogs, EveryDialogAboutAndHelpOpenAtTheWindowsCorner) {
    M11Rig rig;
    rig.form->move(40, 30);
    rig.open(sample("quadrants.gif"));
    rig.choose("mono_col_mnu");
    rig.choose("bwlev_mnu");
    rig.choose("mono_col_mnu");
    for (const char* item : {"collev_mnu", "changecol_mnu", "outcat11_mnu", "about_mnu", "dsc_mnu"})
        rig.choose(item);
    for (const char* window : {"Form2", "Form3", "Form4", "Form9", "frmAbout", "Form7"}) {
        QWidget* opened = top_level(window);
        ASSERT_NE(opened, nullptr) << window;
        EXPECT_EQ(opened->pos(), QPoint(40, 30)) << window;
    }
}

TEST(M11WindowDialogs, OutputFilesSetsThe11mCatalog) {
    M11Rig rig;
    const auto set_catalog = [&rig](const char* text) {
        rig.choose("outcat11_mnu");
        QPointer<QWidget> dialog = top_level("Form9");
        auto* catalog = dialog->findChild<QLineEdit*>("Text1");
        const std::string shown = catalog->text().toStdString();
        catalog->setText(text);
        dialog->findChild<QPushButton*>("Command1")->click();
        flush_deletes();
        EXPECT_TRUE(dialog.isNull());
        return shown;
    };
    EXPECT_EQ(set_catalog("/bk/11"), rig.folder / "11M");
    EXPECT_EQ(rig.state.catalogs.value(catalogs::m11_catalog), "/bk/11");
    EXPECT_EQ(read_text(rig.folder / "kvaro.ini"),
              "*******KVARO_Ini*******\r\nBBD catalog>\r\ndefault\r\nPIC catalog>\r\ndefault\r\n"
              "11M catalog>\r\n/bk/11\r\n");
    EXPECT_EQ(set_catalog("*11M"), "/bk/11");
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

}  // namespace
