// Save from the main window: the BMP file holds exactly what the picture
// window shows, at its size in the current mode.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QImage>

#include "tests/viewer/viewer_rig.h"
#include "viewer/colour_swatches.h"

namespace {

using namespace viewer_testing;
using platform::Buttons;
using platform::Icon;

QImage read_bmp(const std::string& path) {
    QImage image(QString::fromStdString(path), "BMP");
    EXPECT_FALSE(image.isNull()) << path;
    return image;
}

// The file shows every pixel of the picture window in its exact colour.
::testing::AssertionResult same_pixels(const QImage& file, const ViewerRig& rig) {
    const QImage& shown = rig.picture().image();
    if (file.size() != shown.size()) return ::testing::AssertionFailure() << "sizes differ";
    for (int y = 0; y < file.height(); ++y) {
        for (int x = 0; x < file.width(); ++x) {
            if (packed(file.pixel(x, y)) != rig.pixel(x, y)) {
                return ::testing::AssertionFailure() << "differs at (" << x << "," << y << ")";
            }
        }
    }
    return ::testing::AssertionSuccess();
}

// A screen whose bytes run through every value.
std::string counting_screen(std::size_t length) {
    std::string bytes(length, '\0');
    for (std::size_t i = 0; i < length; ++i) bytes[i] = char(i * 7 + i / 64);
    return bytes;
}

TEST(ViewerSave, TheBitmapHasThePictureWindowsSizeInEveryMode) {
    ViewerRig rig;  // no settings file: no catalog, the BMP goes beside the BK file
    rig.choose("sbk64_mnu");
    const std::string bbd = rig.open_bytes("sprite.bbd", counting_screen(1024));
    const std::string bmp = rig.files / "sprite.bmp";
    const std::tuple<const char*, QSize> modes[] = {
        {"sbk64_mnu", {64, 64}}, {"sbk256_mnu", {256, 256}}, {"sbk512_mnu", {512, 256}}};
    for (const auto& [mode, size] : modes) {
        rig.choose(mode);
        rig.modal.messages.clear();
        rig.modal.answers = {platform::Answer::yes};
        rig.choose("savebmp_mnu");
        const QImage file = read_bmp(bmp);
        EXPECT_EQ(file.size(), size) << mode;
        EXPECT_TRUE(same_pixels(file, rig)) << mode;
        EXPECT_EQ(shown(rig.modal.messages).back(),
                  Shown("File " + bmp + " saved", "orvak", Buttons::ok, Icon::none));
    }
    // In the larger modes the short file is a sprite in the corner.
    EXPECT_EQ(rig.pixel(100, 100), black);
    EXPECT_EQ(folder_names(rig.files.path()),
              (std::vector<std::string>{"sprite.bbd", "sprite.bmp"}));
}

TEST(ViewerSave, ColoursChangedInTheDialogsAreSavedExactly) {
    ViewerRig rig(viewer_defaults_ini);
    rig.form->show();
    rig.open_bytes("title.pic", counting_screen(16384));
    rig.choose("chcol_mnu");
    QWidget* dialog = top_level("Form5");
    ASSERT_NE(dialog, nullptr);
    const std::pair<int, int> clicks[] = {{5, 2}, {14, 4}, {10, 6}, {15, 8}};  // option, swatch
    for (const auto& [option, swatch] : clicks) {
        dialog->findChild<viewer::ColourButton*>(QString("Option%1").arg(option))->click();
        dialog->findChild<viewer::ColourSwatch*>(QString("Label%1").arg(swatch))->click();
    }
    rig.choose("rdraw_mnu");
    rig.choose("savebmp_mnu");
    const std::string bmp = rig.folder / "BMP/title.bmp";
    const QImage file = read_bmp(bmp);
    EXPECT_TRUE(same_pixels(file, rig));
    // byte 0 is 0: index 0 everywhere, now white; byte 1 is 7: indices 3, 1, 0, 0
    EXPECT_EQ(packed(file.pixel(0, 0)), white);
    EXPECT_EQ(packed(file.pixel(4, 0)), 33023);    // orange for red
    EXPECT_EQ(packed(file.pixel(5, 0)), 8421376);  // teal for blue
    EXPECT_EQ(shown(rig.modal.messages),
              (std::vector<Shown>{{"File " + bmp + " saved", "orvak", Buttons::ok, Icon::none}}));

    rig.choose("sbk512_mnu");
    rig.modal.answers = {platform::Answer::yes};
    rig.choose("savebmp_mnu");
    const QImage mono = read_bmp(bmp);
    EXPECT_EQ(mono.size(), QSize(512, 256));
    EXPECT_TRUE(same_pixels(mono, rig));
}

TEST(ViewerSave, FailuresCarryTheWindowsTitle) {
    ViewerRig rig(viewer_defaults_ini);
    rig.open_bytes("title.pic", counting_screen(16384));
    write_text(rig.folder / "plain", "x");
    rig.state.catalogs.set(catalogs::bmp_catalog, rig.folder / "plain");
    rig.choose("savebmp_mnu");
    EXPECT_EQ(shown(rig.modal.messages),
              (std::vector<Shown>{{"Error 20: Not a directory", "ORVAK: Savebmp", Buttons::ok,
                                   Icon::exclamation}}));
}

TEST(ViewerSave, APipeAtTheNameIsRefusedAndLeftAlone) {
    ViewerRig rig;
    rig.open_bytes("title.pic", counting_screen(16384));
    ASSERT_EQ(::mkfifo((rig.files / "title.bmp").c_str(), 0644), 0);
    rig.modal.answers = {platform::Answer::yes};
    ::alarm(20);  // opening the pipe would wait for a reader for ever
    rig.choose("savebmp_mnu");
    ::alarm(0);
    EXPECT_EQ(shown(rig.modal.messages),
              (std::vector<Shown>{
                  {"File exist. Rewrite?", "ORVAK", Buttons::yes_no_default_no, Icon::question},
                  {"Error 17: File exists", "ORVAK: Savebmp", Buttons::ok, Icon::exclamation}}));
    struct stat info {};
    ASSERT_EQ(::lstat((rig.files / "title.bmp").c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

}  // namespace
