// A screen written by the converter's main window (as .pic or .bbd, and as
// an exported .bin and .wav tape) opens in the viewer showing the pixels the
// converter drew, and saves as an exact BMP.
#include <gtest/gtest.h>

#include <QImage>

#include "tests/support/param_names.h"
#include "tests/viewer/viewer_rig.h"

namespace {

using namespace viewer_testing;

struct Conversion {
    const char* converter_mode;
    const char* convert;  // the converter's Convert item
    const char* sample;
    const char* written;  // in the converter's folder, without the extension
    const char* extension;
    const char* viewer_mode;
};

void PrintTo(const Conversion& c, std::ostream* os) {
    *os << c.sample << " " << c.converter_mode << " " << c.viewer_mode;
}

class ConverterToViewer : public testing::TestWithParam<Conversion> {};

TEST_P(ConverterToViewer, TheViewerShowsWhatTheConverterDrewFromEveryFileKind) {
    const Conversion c = GetParam();
    MainWindowRig kvaro(defaults_ini);
    kvaro.choose(c.converter_mode);
    kvaro.open(sample(c.sample));
    kvaro.choose(c.convert);
    const bool screen = c.extension == std::string(".pic");
    if (screen) {
        kvaro.choose("exportbin_mnu");
        kvaro.choose("exportwav_mnu");
    }
    const QImage converted = kvaro.picture().image().copy();
    const std::string written = kvaro.folder / c.written;

    ViewerRig orvak(viewer_defaults_ini);
    orvak.choose(c.viewer_mode);
    for (std::string extension : {c.extension, ".bin", ".wav"}) {
        if (!screen && extension != c.extension) break;
        orvak.state.maps.colour = {white, white, white, white};  // a stale drawing would show
        orvak.state.maps.mono = {white, white};
        orvak.choose("rdraw_mnu");
        orvak.state.maps = viewer::ColourMaps{};
        orvak.open(written + extension);
        EXPECT_TRUE(orvak.modal.messages.empty()) << extension;
        ASSERT_EQ(orvak.picture().image().size(), converted.size());
        EXPECT_TRUE(shows_part(orvak.picture(), converted, 0, 0)) << extension;
        EXPECT_EQ(orvak.form->file_name(), written + extension);
        EXPECT_EQ(orvak.form->short_file(), !screen) << extension;
    }
    orvak.choose("savebmp_mnu");
    const std::string name = written.substr(written.rfind('/'));
    const QImage saved(QString::fromStdString(orvak.folder / "BMP" + name + ".bmp"), "BMP");
    ASSERT_EQ(saved.size(), converted.size());
    EXPECT_TRUE(shows_part(orvak.picture(), saved, 0, 0));
}

INSTANTIATE_TEST_SUITE_P(Samples, ConverterToViewer,
                         testing::Values(Conversion{"s256_mnu", "convcol_mnu", "testcard.bmp",
                                                    "PIC/testcard", ".pic", "sbk256_mnu"},
                                         Conversion{"s512_mnu", "convbw_mnu", "testcard.bmp",
                                                    "PIC/testcard", ".pic", "sbk512_mnu"},
                                         Conversion{"s64_mnu", "convcol_mnu", "quadrants.gif",
                                                    "BBD/quadrants", ".bbd", "sbk64_mnu"}),
                         testing_support::printed_name);

}  // namespace
