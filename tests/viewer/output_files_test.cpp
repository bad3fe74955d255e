// "Output files" (Form7) in the viewer: the BMP catalog as it stands, and
// the viewer's own word for the default folder kept in orvak.ini on Ok.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include "tests/viewer/viewer_rig.h"

namespace {

using namespace viewer_testing;

TEST(ViewerOutputFiles, ShowsTheCatalogAndOkKeepsStarBmpAsTheDefault) {
    ViewerRig rig("*******ORVAK_Ini*******\r\nBMP catalog>\r\n/old\r\n");
    rig.choose("outcat_mnu");
    QPointer<QWidget> dialog = top_level("Form7");
    ASSERT_NE(dialog, nullptr);
    auto* text = dialog->findChild<QLineEdit*>("Text1");
    EXPECT_EQ(text->text(), "/old");
    rig.state.catalogs.set(catalogs::bmp_catalog, "/now");
    rig.choose("outcat_mnu");  // chosen again while open: filled anew
    EXPECT_EQ(top_level("Form7"), dialog);
    EXPECT_EQ(text->text(), "/now");
    text->setText("*bmp");
    dialog->findChild<QPushButton*>("Command1")->click();
    flush_deletes();
    EXPECT_TRUE(dialog.isNull());
    EXPECT_EQ(read_text(rig.folder / "orvak.ini"), viewer_defaults_ini);
    EXPECT_EQ(rig.state.catalogs.value(catalogs::bmp_catalog), rig.folder / "BMP");
    EXPECT_TRUE(rig.modal.messages.empty());
}

}  // namespace
