// bkpic runs as a batch: each input on its own, one line per written file,
// one per failure, and exit statuses 0, 1 and 2.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <filesystem>
#include <sstream>

#include "bkpic/command_line.h"
#include "platform/qt_text.h"
#include "tests/bkpic/bkpic_process.h"
#include "tests/bkpic/bkpic_run.h"
#include "tests/support/param_names.h"
#include "tests/support/temp_folder.h"

namespace {

using namespace testing_support;
namespace fs = std::filesystem;

using bkpic_testing::bkpic_run;
using bkpic_testing::Outcome;
using bkpic_testing::q;

struct Pictures {
    Pictures() {
        for (const char* name : {"gradient.jpg", "quadrants.gif", "testcard.bmp"})
            fs::copy_file(sample(name), folder / name);
        // A JPG cut short in the middle of its scan data.
        auto bytes = read_bytes(sample("gradient.jpg"));
        bytes.resize(bytes.size() / 2);
        write_text(folder / "broken.jpg", std::string(bytes.begin(), bytes.end()));
    }
    TempFolder folder;
};

TEST(BkpicBatch, BrokenPictureFailsAloneAndTheOthersAreWritten) {
    Pictures p;
    TempFolder out;
    const Outcome run = bkpic_run({"convert", q(p.folder / "gradient.jpg"),
                                   q(p.folder / "broken.jpg"), q(p.folder / "quadrants.gif"),
                                   "--to", "sprite", "--fit", "--outdir", q(out.path())});
    EXPECT_EQ(run.status, bkpic::some_failed);
    EXPECT_EQ(run.out, p.folder / "gradient.jpg -> " + out / "gradient.bbd\n" +
                           p.folder / "quadrants.gif -> " + out / "quadrants.bbd\n");
    EXPECT_EQ(run.err,
              "bkpic: " + p.folder / "broken.jpg" + ": Error 5: The picture file is cut short\n");
    EXPECT_EQ(folder_names(out.path()),
              (std::vector<std::string>{"gradient.bbd", "quadrants.bbd"}));
    EXPECT_EQ(read_bytes(out / "gradient.bbd").size(), 1024u);
}

// A missing --outdir is made with the folders above it; one that cannot be
// made fails each input.
TEST(BkpicBatch, MissingOutputFolderIsMade) {
    Pictures p;
    const QStringList inputs{q(p.folder / "quadrants.gif"), q(p.folder / "testcard.bmp")};
    const Outcome made = bkpic_run(QStringList{"convert"} + inputs +
                                   QStringList{"--to", "sprite", "--outdir", q(p.folder / "a/b/")});
    EXPECT_EQ(made.status, bkpic::all_done) << made.err;
    EXPECT_EQ(folder_names(p.folder / "a/b"),
              (std::vector<std::string>{"quadrants.bbd", "testcard.bbd"}));
    const std::string under_a_file = p.folder / "gradient.jpg/b";
    const Outcome refused = bkpic_run(QStringList{"convert"} + inputs +
                                      QStringList{"--to", "sprite", "--outdir", q(under_a_file)});
    EXPECT_EQ(refused.status, bkpic::some_failed);
    const std::string why =
        ": cannot make the folder " + under_a_file + ": Error 20: Not a directory\n";
    EXPECT_EQ(refused.err, "bkpic: " + p.folder / "quadrants.gif" + why +
                               "bkpic: " + p.folder / "testcard.bmp" + why);
}

// Any picture Qt reads converts; the output takes the place of the whole
// extension, whatever its length or case.
TEST(BkpicBatch, PngAndJpegPicturesAreNamedWithoutTheirExtension) {
    Pictures p;
    ASSERT_TRUE(QImage(q(sample("testcard.bmp"))).save(q(p.folder / "card.png")));
    fs::copy_file(sample("gradient.jpg"), p.folder / "photo.JPEG");
    const Outcome run = bkpic_run({"convert", q(p.folder / "card.png"), q(p.folder / "photo.JPEG"),
                                   q(p.folder / "testcard.bmp"), "--to", "mono"});
    EXPECT_EQ(run.status, bkpic::all_done) << run.err;
    EXPECT_EQ(run.out, p.folder / "card.png -> " + p.folder / "card.pic\n" +
                           p.folder / "photo.JPEG -> " + p.folder / "photo.pic\n" +
                           p.folder / "testcard.bmp -> " + p.folder / "testcard.pic\n");
    EXPECT_EQ(read_bytes(p.folder / "card.pic"), read_bytes(p.folder / "testcard.pic"));
}

TEST(BkpicBatch, ExistingOutputIsKeptUnlessForced) {
    Pictures p;
    const std::string output = p.folder / "testcard.pic";
    write_text(output, "old");
    const QStringList convert{"convert", q(p.folder / "testcard.bmp"), "--to", "mono"};
    const Outcome refused = bkpic_run(convert);
    EXPECT_EQ(refused.status, bkpic::some_failed);
    EXPECT_EQ(refused.err, "bkpic: " + p.folder / "testcard.bmp" + ": " + output +
                               " exists; use --force to replace it\n");
    EXPECT_EQ(read_text(output), "old");

    const Outcome forced = bkpic_run(convert + QStringList{"--force"});
    EXPECT_EQ(forced.status, bkpic::all_done) << forced.err;
    EXPECT_EQ(read_bytes(output).size(), 16384u);
    EXPECT_EQ(folder_names(p.folder.path()),
              (std::vector<std::string>{"broken.jpg", "gradient.jpg", "quadrants.gif",
                                        "testcard.bmp", "testcard.pic"}));
}

TEST(BkpicBatch, FailedWriteLeavesNoFile) {
    Pictures p;
    const Outcome run = bkpic_run({"convert", q(p.folder / "testcard.bmp"), "--to", "mono", "-o",
                                   q(p.folder / "missing/out.pic")});
    EXPECT_EQ(run.status, bkpic::some_failed);
    EXPECT_EQ(run.err, "bkpic: " + p.folder / "testcard.bmp" + ": cannot write " +
                           p.folder / "missing/out.pic" + ": Error 2: No such file or directory\n");
    EXPECT_FALSE(exists(p.folder / "missing"));
}

TEST(BkpicBatch, OffsetBeyondThePictureFailsForThatPicture) {
    Pictures p;
    const Outcome run = bkpic_run({"convert", q(p.folder / "gradient.jpg"), "--to", "mono",
                                   "--offset", "19,0", "-o", q(p.folder / "out.pic")});
    EXPECT_EQ(run.status, bkpic::some_failed);
    EXPECT_EQ(run.err,
              "bkpic: " + p.folder / "gradient.jpg" +
                  ": offset 19,0 is beyond the scroll range 0..18,0..44 of this picture\n");
    EXPECT_FALSE(exists(p.folder / "out.pic"));
}

TEST(BkpicBatch, PreviewShowsTheConvertedArea) {
    Pictures p;
    const Outcome run =
        bkpic_run({"convert", q(p.folder / "quadrants.gif"), "--to", "11m-color", "--area", "64x64",
                   "-o", q(p.folder / "q.11M"), "--preview", q(p.folder / "q.png")});
    ASSERT_EQ(run.status, bkpic::all_done) << run.err;
    QImage preview(q(p.folder / "q.png"));
    ASSERT_EQ(preview.size(), QSize(64, 64));
    EXPECT_EQ(preview.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(preview.pixel(63, 0), qRgb(0, 255, 0));
    EXPECT_EQ(preview.pixel(0, 63), qRgb(0, 0, 255));
    EXPECT_EQ(preview.pixel(63, 63), qRgb(0, 0, 0));
    EXPECT_EQ(read_bytes(p.folder / "q.11M").size(), 8u + 16 * 64);
}

// The README's `bkpic convert *.gif --to sprite --outdir sprites/`, with
// inputs named without a folder, with a relative one and with an absolute
// one, and the folder named every way.
class BkpicOutdir : public testing::TestWithParam<const char*> {};

TEST_P(BkpicOutdir, TakesInputsWithAndWithoutFolders) {
    Pictures p;
    fs::create_directories(p.folder / "in/sprites");
    fs::copy_file(p.folder / "gradient.jpg", p.folder / "in/gradient.jpg");
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(q(p.folder / "in")));
    std::string outdir = GetParam();
    if (outdir.front() == '@') outdir = p.folder / "in" + outdir.substr(1);
    const Outcome run =
        bkpic_run({"convert", "gradient.jpg", "../quadrants.gif", q(p.folder / "testcard.bmp"),
                   "--to", "sprite", "--outdir", q(outdir)});
    QDir::setCurrent(previous);
    EXPECT_EQ(run.status, bkpic::all_done) << run.err;
    EXPECT_EQ(folder_names(p.folder / "in/sprites"),
              (std::vector<std::string>{"gradient.bbd", "quadrants.bbd", "testcard.bbd"}));
}

INSTANTIATE_TEST_SUITE_P(Folders, BkpicOutdir,
                         testing::Values("sprites/", "sprites", "./sprites//", "@/sprites",
                                         "@/sprites/"),
                         [](const auto& info) { return "Form" + std::to_string(info.index); });

// One line per failed input, bkpic's own: nothing from the JPEG reader
// ("Not a JPEG file") or from libpng ("libpng error: Read Error").
TEST(BkpicErrors, OneLineForEachFailedPictureAndNoDecoderChatter) {
    Pictures p;
    write_text(p.folder / "text.jpg", "not a picture\n");
    const QByteArray png = [] {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImage(q(sample("testcard.bmp"))).save(&buffer, "PNG");
        return bytes;
    }();
    write_text(p.folder / "cut.png", png.left(png.size() / 2).toStdString());
    const bkpic_testing::ProcessRun run =
        bkpic_testing::run_bkpic({"convert", q(p.folder / "text.jpg"), q(p.folder / "cut.png"),
                                  "--to", "sprite", "--outdir", q(p.folder.path())});
    EXPECT_EQ(run.status, bkpic::some_failed);
    EXPECT_EQ(run.err,
              "bkpic: " + p.folder / "text.jpg" + ": Error 4: Unable to read image data\n" +
                  "bkpic: " + p.folder / "cut.png" + ": Error 4: Unable to read image data\n");
}

// Every command reports the platform's error for what failed, and a file
// that never ends is too large for all of them.
TEST(BkpicErrors, SayWhatFailedAlikeInEveryCommand) {
    TempFolder folder;
    const std::string is_a_directory = ": Error 21: Is a directory\n";
    const std::pair<QStringList, std::string> cases[] = {
        {{"convert", q(folder.path()), "--to", "mono"}, folder.path() + is_a_directory},
        {{"render", q(folder.path())}, folder.path() + is_a_directory},
        {{"info", q(folder.path())}, folder.path() + is_a_directory},
        {{"render", "/dev/zero", "-o", q(folder / "zero.bmp")},
         "/dev/zero: too large for this mode: at most 16384 bytes\n"}};
    for (const auto& [arguments, error] : cases) {
        const Outcome run = bkpic_run(arguments);
        EXPECT_EQ(run.status, bkpic::some_failed) << arguments.join(' ').toStdString();
        EXPECT_EQ(run.err, "bkpic: " + error);
    }
    EXPECT_EQ(bkpic_run({"info", "/dev/zero"}).out,
              "/dev/zero: more than 49153 bytes: too large for a PIC screen or a BBD sprite: "
              "refused\n");
}

struct Usage {
    QStringList arguments;
    std::string error;
};

void PrintTo(const Usage& u, std::ostream* os) {
    *os << (u.arguments.isEmpty() ? "nothing" : u.arguments.join(' ').toStdString());
}

class BkpicUsage : public testing::TestWithParam<Usage> {};

TEST_P(BkpicUsage, IsRefusedWithStatusTwoAndNothingWritten) {
    Pictures p;
    QStringList arguments = GetParam().arguments;
    arguments.replaceInStrings("PIC", q(p.folder / "gradient.jpg"));
    const Outcome run = bkpic_run(arguments);
    EXPECT_EQ(run.status, bkpic::usage_error);
    EXPECT_NE(run.err.find(GetParam().error), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(folder_names(p.folder.path()).size(), 4u);
}

INSTANTIATE_TEST_SUITE_P(
    Errors, BkpicUsage,
    testing::Values(
        Usage{{}, "no command given"}, Usage{{"draw", "PIC"}, "unknown command \"draw\""},
        Usage{{"convert", "--to", "mono"}, "no files given"},
        Usage{{"convert", "PIC"}, "--to is required"},
        Usage{{"convert", "PIC", "--to", "grey"}, "unknown target \"grey\""},
        Usage{{"convert", "PIC", "--to", "mono", "--area", "256x256"}, "11M targets only"},
        Usage{{"convert", "PIC", "--to", "11m-mono", "--area", "260x256"},
              "area 260x256: the width must be a multiple of 8 pixels"},
        Usage{{"convert", "PIC", "--to", "11m-color", "--area", "256x60"},
              "each side must be at least 64 pixels"},
        Usage{{"convert", "PIC", "--to", "11m-color", "--area", "768x256"},
              "49152 bytes of picture data, more than the 49144"},
        Usage{{"convert", "PIC", "--to", "mono", "--fit", "--offset", "1,1"}, "not both"},
        Usage{{"convert", "PIC", "--to", "color", "--levels", "1,2"}, "R,G,B"},
        Usage{{"convert", "PIC", "--to", "mono", "--bw-level", "256"}, "out of range 0..255"},
        Usage{{"convert", "PIC", "--to", "color", "--swap", "4,6"}, "flags 4 and 6"},
        Usage{{"convert", "PIC", "--to", "11m-color", "--swap", "3"},
              "flag 3 has no effect in the 11M modes"},
        Usage{{"convert", "PIC", "PIC", "--to", "mono", "-o", "x.pic"}, "-o names one output"},
        Usage{{"convert", "PIC", "--to", "mono", "--outdir", "PIC"}, "is not a folder"},
        Usage{{"convert", "PIC", "--to", "sprite", "--bin"}, "mono and color targets only"},
        Usage{{"convert", "PIC", "--to", "11m-color", "--bin-only"}, "mono and color targets"},
        Usage{{"convert", "PIC", "--to", "color", "--bin", "-o", "x.pic"}, "use --bin-only"},
        Usage{{"convert", "PIC", "--to", "sprite", "--wav"}, "--wav is for the mono and color"},
        Usage{{"convert", "PIC", "--to", "color", "--wav", "-o", "x.wav"}, "use --wav-only"},
        Usage{{"convert", "PIC", "--to", "mono", "--bin-only", "--wav-only", "-o", "x"},
              "give one of --bin-only and --wav-only"},
        Usage{{"extract", "PIC", "--file", "0"}, "--file: "},
        Usage{{"convert", "PIC", "--to", "mono", "--bogus"}, "Unknown option 'bogus'"},
        Usage{{"render", "-", "--outdir", "/tmp"},
              "- reads standard input; name the output with -o"},
        Usage{{"render", "PIC", "-o", "r.xyz"},
              "-o r.xyz: the extension names no picture format that bkpic writes (bmp,"},
        Usage{{"convert", "PIC", "--to", "mono", "--preview", "look"}, "--preview look: the"}),
    testing_support::printed_name);

TEST(BkpicInfo, DescribesEachFileAndFailsForMissingOnes) {
    Pictures p;
    write_text(p.folder / "s.bbd", std::string(1024, '\0'));
    const Outcome run = bkpic_run({"info", q(p.folder / "s.bbd"), q(p.folder / "none.pic")});
    EXPECT_EQ(run.status, bkpic::some_failed);
    EXPECT_EQ(run.out, p.folder / "s.bbd" + ": 1024 bytes: BBD sprite, 64x64 four-colour\n");
    EXPECT_EQ(run.err,
              "bkpic: " + p.folder / "none.pic" + ": Error 2: No such file or directory\n");
}

// A name is bytes: one made in another code page works in every command, and
// the outputs are named from the same bytes.
TEST(BkpicNames, ANameThatIsNotUtf8WorksInEveryCommand) {
    Pictures p;
    const std::string latin1 = p.folder / "caf\xe9";
    fs::copy_file(sample("gradient.jpg"), latin1 + ".jpg");
    const std::pair<std::vector<std::string>, std::string> runs[] = {
        {{"convert", latin1 + ".jpg", "--to", "sprite", "--outdir", latin1 + ".d"},
         latin1 + ".jpg -> " + latin1 + ".d/caf\xe9.bbd\n"},
        {{"render", latin1 + ".d/caf\xe9.bbd", "-o", latin1 + ".bmp"},
         latin1 + ".d/caf\xe9.bbd -> " + latin1 + ".bmp\n"},
        {{"info", latin1 + ".d/caf\xe9.bbd"},
         latin1 + ".d/caf\xe9.bbd: 1024 bytes: BBD sprite, 64x64 four-colour\n"}};
    fs::create_directory(latin1 + ".d");
    for (const auto& [arguments, out] : runs) {
        QStringList names;  // as bkpic's main takes its command line
        for (const std::string& argument : arguments) names << platform::name_to_qt(argument);
        const Outcome run = bkpic_run(names);
        EXPECT_EQ(run.err, "") << arguments[0];
        EXPECT_EQ(run.out, out) << arguments[0];
    }
}

TEST(BkpicHelp, HelpAndVersionSucceed) {
    EXPECT_EQ(bkpic_run({"--version"}).out, "bkpic " KVARO_VERSION "\n");
    const Outcome help = bkpic_run({"convert", "--help"});
    EXPECT_EQ(help.status, bkpic::all_done);
    EXPECT_NE(help.out.find("bkpic convert [options] PICTURE..."), std::string::npos) << help.out;
}

}  // namespace
