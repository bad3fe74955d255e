// "Output files" (Form8): the BBD and PIC catalogs typed by the user, kept
// in kvaro.ini on Ok.
#include <gtest/gtest.h>

#include <QLabel>
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
    void ok(QWidget* dialog, const std::string& bbd, const std::string& pic) {
        ASSERT_NE(dialog, nullptr);
        text(dialog, 1)->setText(QString::fromStdString(bbd));
        text(dialog, 2)->setText(QString::fromStdString(pic));
        dialog->findChild<QPushButton*>("Command1")->click();
        flush_deletes();
    }
    const std::string& catalog(int index) const { return state.catalogs.value(index); }
};

std::string ini_with(const std::string& bbd, const std::string& pic, const std::string& m11) {
    return "*******KVARO_Ini*******\r\nBBD catalog>\r\n" + bbd + "\r\nPIC catalog>\r\n" + pic +
           "\r\n11M catalog>\r\n" + m11 + "\r\n";
}

TEST(OutputFiles, ShowsTheCatalogsAsTheyStand) {
    OutputFilesRig rig;
    QWidget* dialog = rig.show_dialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Output files");
    EXPECT_EQ(dialog->size(), QSize(312, 199));
    EXPECT_EQ(dialog->findChild<QLabel*>("Label1")->text(), "Catalog for BBD files:");
    EXPECT_EQ(dialog->findChild<QLabel*>("Label2")->text(), "Catalog for PIC files:");
    EXPECT_EQ(dialog->findChild<QPushButton*>("Command1")->text(), "Ok");
    EXPECT_EQ(rig.text(dialog, 1)->text().toStdString(), rig.folder / "BBD");
    EXPECT_EQ(rig.text(dialog, 2)->text().toStdString(), rig.folder / "PIC");

    rig.state.catalogs.set(catalogs::pic_catalog, "/now");
    EXPECT_EQ(rig.show_dialog(), dialog);  // chosen again while open
    EXPECT_EQ(rig.text(dialog, 2)->text(), "/now");
}

TEST(OutputFiles, OkSavesWhatWasTyped) {
    OutputFilesRig rig;
    rig.state.catalogs.set(catalogs::bbd_catalog, "/other/bbd");
    rig.state.catalogs.set(catalogs::pic_catalog, "/other/pic");
    QPointer<QWidget> dialog = rig.show_dialog();
    ASSERT_NE(dialog, nullptr);
    rig.ok(dialog, rig.folder / "BBD", "*pic");
    EXPECT_TRUE(dialog.isNull());
    EXPECT_EQ(read_text(rig.folder / "kvaro.ini"), ini_with("default", "default", "/x/y"));
    EXPECT_EQ(rig.catalog(catalogs::bbd_catalog), rig.folder / "BBD");
    EXPECT_EQ(rig.catalog(catalogs::pic_catalog), rig.folder / "PIC");
    EXPECT_EQ(rig.catalog(catalogs::m11_catalog), "/x/y");
    EXPECT_TRUE(rig.modal.messages.empty());
}

TEST(OutputFiles, ANewCatalogFolderIsMadeByTheFirstWriteNotByOk) {
    OutputFilesRig rig;
    const std::string pic = rig.folder / "new PIC";
    rig.ok(rig.show_dialog(), rig.folder / "new BBD", pic);
    EXPECT_FALSE(std::filesystem::exists(pic));
    EXPECT_FALSE(std::filesystem::exists(rig.folder / "new BBD"));
    rig.choose("s512_mnu");
    rig.open(save_bmp(numbered_picture(512, 256), rig.folder / "p.bmp"));
    rig.choose("convbw_mnu");
    EXPECT_TRUE(std::filesystem::is_regular_file(pic + "/p.pic"));
    EXPECT_FALSE(std::filesystem::exists(rig.folder / "new BBD"));
}

TEST(OutputFiles, OnlyTheCatalogsOwnLowerCaseWordMeansDefault) {
    OutputFilesRig rig;
    rig.ok(rig.show_dialog(), "*pic", "*PIC");
    EXPECT_EQ(read_text(rig.folder / "kvaro.ini"), ini_with("*pic", "*PIC", "/x/y"));
    EXPECT_EQ(rig.catalog(catalogs::bbd_catalog), "*pic");
    EXPECT_EQ(rig.catalog(catalogs::pic_catalog), "*PIC");
}

TEST(OutputFiles, ClosingWithoutOkChangesNothing) {
    OutputFilesRig rig;
    QPointer<QWidget> dialog = rig.show_dialog();
    ASSERT_NE(dialog, nullptr);
    rig.text(dialog, 1)->setText("/typed/bbd");
    rig.text(dialog, 2)->setText("*pic");
    dialog->close();
    flush_deletes();
    EXPECT_TRUE(dialog.isNull());
    EXPECT_EQ(read_text(rig.folder / "kvaro.ini"), defaults_ini);
    EXPECT_EQ(rig.catalog(catalogs::bbd_catalog), rig.folder / "BBD");

    QWidget* fresh = rig.show_dialog();  // a new dialog, filled anew
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(rig.text(fresh, 1)->text().toStdString(), rig.folder / "BBD");
}

TEST(OutputFiles, OkKeepsEachValueOneLineAndUneditedBytesAsTheyWere) {
    OutputFilesRig rig;
    rig.state.catalogs.set(catalogs::pic_catalog, "/pics/caf\xe9");  // not UTF-8
    QWidget* dialog = rig.show_dialog();
    ASSERT_NE(dialog, nullptr);
    OutputFilesRig::text(dialog, 1)->setText("/home/me/pics\n");  // pasted with its line break
    dialog->findChild<QPushButton*>("Command1")->click();
    flush_deletes();
    EXPECT_EQ(read_text(rig.folder / "kvaro.ini"),
              ini_with("/home/me/pics", "/pics/caf\xe9", "/x/y"));
    EXPECT_EQ(rig.catalog(catalogs::bbd_catalog), "/home/me/pics");
}

}  // namespace
