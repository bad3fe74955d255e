// "Output files" (Form7): the BMP catalog typed by the user, kept in
// orvak.ini on Ok.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include "tests/viewer/viewer_rig.h"

namespace {

using namespace viewer_testing;

struct Form7Rig : ViewerRig {
    Form7Rig() : ViewerRig(viewer_defaults_ini) {}
    QWidget* show_dialog() {
        choose("outcat_mnu");
        return top_level("Form7");
    }
    static QLineEdit* text(QWidget* dialog) { return dialog->findChild<QLineEdit*>("Text1"); }
    void ok(QWidget* dialog, const std::string& typed) {
        ASSERT_NE(dialog, nullptr);
        text(dialog)->setText(QString::fromStdString(typed));
        dialog->findChild<QPushButton*>("Command1")->click();
        flush_deletes();
    }
    const std::string& catalog() const { return state.catalogs.value(catalogs::bmp_catalog); }
};

std::string ini_with(const std::string& value) {
    return "*******ORVAK_Ini*******\r\nBMP catalog>\r\n" + value + "\r\n";
}

TEST(ViewerOutputFiles, LayoutAndTheCatalogAsItStands) {
    Form7Rig rig;
    rig.form->move(25, 35);
    QWidget* dialog = rig.show_dialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Output files");
    EXPECT_EQ(dialog->size(), QSize(312, 125));
    EXPECT_EQ(dialog->pos(), rig.form->pos());
    auto* label = dialog->findChild<QLabel*>("Label1");
    EXPECT_EQ(label->text(), "Catalog for BMP files:");
    EXPECT_EQ(label->geometry(), QRect(8, 22, 297, 17));
    EXPECT_EQ(rig.text(dialog)->geometry(), QRect(8, 40, 297, 19));
    auto* ok = dialog->findChild<QPushButton*>("Command1");
    EXPECT_EQ(ok->text(), "Ok");
    EXPECT_EQ(ok->geometry(), QRect(123, 80, 68, 25));
    EXPECT_EQ(rig.text(dialog)->text().toStdString(), rig.folder / "BMP");

    rig.state.catalogs.set(catalogs::bmp_catalog, "/now");
    EXPECT_EQ(rig.show_dialog(), dialog);  // chosen again while open: filled anew
    EXPECT_EQ(rig.text(dialog)->text(), "/now");
}

TEST(ViewerOutputFiles, OkSavesWhatWasTyped) {
    const std::tuple<std::string, std::string, std::string> cases[] = {
        // typed, value line, catalog afterwards ("@" for the default folder)
        {"*bmp", "default", "@"},
        {"*BMP", "*BMP", "*BMP"},
        {"/some/where", "/some/where", "/some/where"}};
    for (const auto& [typed, line, after] : cases) {
        Form7Rig rig;
        QPointer<QWidget> dialog = rig.show_dialog();
        rig.ok(dialog, typed);
        EXPECT_TRUE(dialog.isNull());
        EXPECT_EQ(read_text(rig.folder / "orvak.ini"), ini_with(line)) << typed;
        EXPECT_EQ(rig.catalog(), after == "@" ? rig.folder / "BMP" : after) << typed;
        EXPECT_TRUE(rig.modal.messages.empty());
    }
}

}  // namespace
