// A screen written by the converter's main window opens in the viewer
// showing the same pixels, and saves as an exact BMP.
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
    const char* written;  // in the converter's folder
    const char* viewer_mode;
    const char* saved;  // in the viewer's folder
};

void PrintTo(const Conversion& c, std::ostream* os) {
    *os << c.sample << " " << c.converter_mode << " " << c.viewer_mode;
}

class ConverterToViewer : public testing::TestWithParam<Conversion> {};

TEST_P(ConverterToViewer, TheViewerShowsWhatTheConverterDrew) {
    const Conversion c = GetParam();
    MainWindowRig kvaro(defaults_ini);
    kvaro.choose(c.converter_mode);
    kvaro.open(sample(c.sample));
    kvaro.choose(c.convert);
    const std::string written = kvaro.folder / c.written;
    ASSERT_TRUE(exists(written)) << written;
    const QImage converted = kvaro.picture().image().copy();

    ViewerRig orvak(viewer_defaults_ini);
    orvak.choose(c.viewer_mode);
    orvak.open(written);
    EXPECT_TRUE(orvak.modal.messages.empty());
    ASSERT_EQ(orvak.picture().image().size(), converted.size());
    EXPECT_TRUE(shows_part(orvak.picture(), converted, 0, 0));

    orvak.choose("savebmp_mnu");
    const QImage saved(QString::fromStdString(orvak.folder / c.saved), "BMP");
    ASSERT_EQ(saved.size(), converted.size());
    EXPECT_TRUE(shows_part(orvak.picture(), saved, 0, 0));
}

INSTANTIATE_TEST_SUITE_P(
    Samples, ConverterToViewer,
    testing::Values(Conversion{"s256_mnu", "convcol_mnu", "gradient.jpg", "PIC/gradient.pic",
                               "sbk256_mnu", "BMP/gradient.bmp"},
                    Conversion{"s256_mnu", "convcol_mnu", "testcard.bmp", "PIC/testcard.pic",
                               "sbk256_mnu", "BMP/testcard.bmp"},
                    Conversion{"s512_mnu", "convbw_mnu", "testcard.bmp", "PIC/testcard.pic",
                               "sbk512_mnu", "BMP/testcard.bmp"},
                    Conversion{"s64_mnu", "convcol_mnu", "quadrants.gif", "BBD/quadrants.bbd",
                               "sbk64_mnu", "BMP/quadrants.bmp"}),
    testing_support::printed_name);

}  // namespace
