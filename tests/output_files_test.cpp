// "Output files" (Form8): the BBD and PIC catalogs typed by the user, kept
// in kvaro.ini on Ok.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <filesystem>

#include "tests/support/main_window_rig.h"

namespace {

using namespace testing_support;

struct OutputFilesRig : MainWindowRig {
    OutputFilesRig() : MainWindowRig(defaults_ini) {
        state.catalogs.set(catalogs::m11_catalog, "/x/y");
    }
    QWidget* show_dialog() {
        choose("outcat_mnu");
        return top_level("Form8");
    }
    static QLineEdit* text(QWidget* dialog, int n) {
        return dialog->findChild<QLineEdit*>(QString("Text%1").arg(n));
    }
    static std::string shown(QWidget* dialog) {
        return (text(dialog, 1)->text() + "|" + text(dialog, 2)->text()).toStdString();
    }
    // Both catalogs, the program folder written as ~.
    std::string catalogs() const {
        std::string text = state.catalogs.value(catalogs::bbd_catalog) + "|" +
                           state.catalogs.value(catalogs::pic_catalog);
        for (std::size_t at; (at = text.find(folder.path())) != std::string::npos;)
            text.replace(at, folder.path().size(), "~");
        return text;
    }
};

std::string ini_with(const std::string& bbd, const std::string& pic) {
    return "*******KVARO_Ini*******\r\nBBD catalog>\r\n" + bbd + "\r\nPIC catalog>\r\n" + pic +
           "\r\n11M catalog>\r\n/x/y\r\n";
}

TEST(OutputFiles, ShowsTheCatalogsAsTheyStandAndClosingWithoutOkChangesNothing) {
    OutputFilesRig rig;
    const std::string defaults = rig.folder / "BBD|" + rig.folder / "PIC";
    QPointer<QWidget> dialog = rig.show_dialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(rig.shown(dialog), defaults);
    rig.state.catalogs.set(catalogs::pic_catalog, "/now");
    EXPECT_EQ(rig.show_dialog(), dialog);  // chosen again while open
    EXPECT_EQ(rig.shown(dialog), rig.folder / "BBD|/now");
    rig.state.catalogs.set(catalogs::pic_catalog, rig.folder / "PIC");

    rig.text(dialog, 1)->setText("/typed/bbd");
    dialog->close();
    flush_deletes();
    EXPECT_TRUE(dialog.isNull());
    EXPECT_EQ(read_text(rig.folder / "kvaro.ini"), defaults_ini);
    EXPECT_EQ(rig.catalogs(), "~/BBD|~/PIC");
    EXPECT_EQ(rig.shown(rig.show_dialog()), defaults);  // a new dialog, filled anew
}

// Only each catalog's own lower-case word means the default folder (~ here);
// each value is kept on one line and bytes not edited stay as they were.
TEST(OutputFiles, OkSavesWhatWasTyped) {
    // typed BBD and PIC catalogs (null: as shown), kvaro.ini's lines, the catalogs
    const std::tuple<const char*, const char*, const char*, const char*, const char*> cases[] = {
        {"*bbd", "*pic", "default", "default", "~/BBD|~/PIC"},
        {"*pic", "*PIC", "*pic", "*PIC", "*pic|*PIC"},
        {"/home/me/pics\n", nullptr, "/home/me/pics", "/pics/caf\xe9",
         "/home/me/pics|/pics/caf\xe9"}};
    for (const auto& [bbd, pic, ini_bbd, ini_pic, expected] : cases) {
        OutputFilesRig rig;
        rig.state.catalogs.set(catalogs::pic_catalog, "/pics/caf\xe9");  // not UTF-8
        QPointer<QWidget> dialog = rig.show_dialog();
        ASSERT_NE(dialog, nullptr);
        rig.text(dialog, 1)->setText(bbd);
        if (pic != nullptr) rig.text(dialog, 2)->setText(pic);
        dialog->findChild<QPushButton*>("Command1")->click();
        flush_deletes();
        EXPECT_TRUE(dialog.isNull());
        EXPECT_EQ(read_text(rig.folder / "kvaro.ini"), ini_with(ini_bbd, ini_pic));
        EXPECT_EQ(rig.catalogs(), expected);
        EXPECT_TRUE(rig.modal.messages.empty());
    }
}

TEST(OutputFiles, ANewCatalogFolderIsMadeByTheFirstWriteNotByOk) {
    OutputFilesRig rig;
    const std::string pic = rig.folder / "new PIC";
    QWidget* dialog = rig.show_dialog();
    rig.text(dialog, 1)->setText(QString::fromStdString(rig.folder / "new BBD"));
    rig.text(dialog, 2)->setText(QString::fromStdString(pic));
    dialog->findChild<QPushButton*>("Command1")->click();
    EXPECT_FALSE(std::filesystem::exists(pic));
    rig.choose("s512_mnu");
    rig.open(save_bmp(numbered_picture(512, 256), rig.folder / "p.bmp"));
    rig.choose("convbw_mnu");
    EXPECT_TRUE(std::filesystem::is_regular_file(pic + "/p.pic"));
    EXPECT_FALSE(std::filesystem::exists(rig.folder / "new BBD"));
}

}  // namespace
