// "Output files" (Form7): the BMP catalog typed by the user, kept in
// orvak.ini on Ok.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include "tests/viewer/viewer_rig.h"

namespace {

using namespace viewer_testing;

// The dialog shows the catalog as it stands, filled anew when chosen again
// while open; Ok keeps what was typed.
TEST(ViewerOutputFiles, ShowsTheCatalogAndOkSavesWhatWasTyped) {
    const std::tuple<std::string, std::string, std::string> cases[] = {
        // typed, value line, catalog afterwards ("@" for the default folder)
        {"*bmp", "default", "@"},
        {"*BMP", "*BMP", "*BMP"},
        {"/some/where", "/some/where", "/some/where"}};
    for (const auto& [typed, line, after] : cases) {
        ViewerRig rig(viewer_defaults_ini);
        rig.choose("outcat_mnu");
        QPointer<QWidget> dialog = top_level("Form7");
        ASSERT_NE(dialog, nullptr);
        auto* text = dialog->findChild<QLineEdit*>("Text1");
        EXPECT_EQ(text->text().toStdString(), rig.folder / "BMP");
        rig.state.catalogs.set(catalogs::bmp_catalog, "/now");
        rig.choose("outcat_mnu");
        EXPECT_EQ(top_level("Form7"), dialog);
        EXPECT_EQ(text->text(), "/now");
        text->setText(QString::fromStdString(typed));
        dialog->findChild<QPushButton*>("Command1")->click();
        flush_deletes();
        EXPECT_TRUE(dialog.isNull());
        EXPECT_EQ(read_text(rig.folder / "orvak.ini"),
                  "*******ORVAK_Ini*******\r\nBMP catalog>\r\n" + line + "\r\n")
            << typed;
        EXPECT_EQ(rig.state.catalogs.value(catalogs::bmp_catalog),
                  after == "@" ? rig.folder / "BMP" : after)
            << typed;
        EXPECT_TRUE(rig.modal.messages.empty());
    }
}

}  // namespace
