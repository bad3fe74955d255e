// bkpic runs as a batch: each input on its own, one line per written file,
// one per failure, and exit statuses 0, 1 and 2.
#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <filesystem>

#include "bkpic/command_line.h"
#include "platform/qt_text.h"
#include "tests/bkpic/bkpic_run.h"
#include "tests/support/param_names.h"
#include "tests/support/temp_folder.h"

namespace {

using namespace testing_support;
using namespace bkpic_testing;
namespace fs = std::filesystem;

using Names = std::vector<std::string>;
const Names samples{"gradient.jpg", "quadrants.gif", "testcard.bmp"};

struct Pictures {
    Pictures() {
        for (const std::string& name : samples) fs::copy_file(sample(name), folder / name);
    }
    // A command line of words, each "@" in them standing for the folder.
    QStringList arguments(const std::string& words) const {
        return q(with_folder(words)).split(' ', Qt::SkipEmptyParts);
    }
    std::string with_folder(std::string text) const {
        for (auto at = text.find('@'); at != std::string::npos; at = text.find('@', at + 1))
            text.replace(at, 1, folder.path());
        return text;
    }
    TempFolder folder;
};

TEST(BkpicPreview, ShowsTheConvertedArea) {
    Pictures p;
    const Outcome run = bkpic_run(p.arguments(
        "convert @/quadrants.gif --to 11m-color --area 64x64 -o @/q.11M --preview @/q.png"));
    ASSERT_EQ(run.status, bkpic::all_done) << run.err;
    const QImage preview(q(p.folder / "q.png"));
    ASSERT_EQ(preview.size(), QSize(64, 64));
    EXPECT_EQ((std::vector{preview.pixel(0, 0), preview.pixel(63, 0), preview.pixel(0, 63),
                           preview.pixel(63, 63)}),
              (std::vector{qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(0, 0, 0)}));
    EXPECT_EQ(read_bytes(p.folder / "q.11M").size(), 8u + 16 * 64);
}

// The README's `bkpic convert *.gif --to sprite --outdir sprites/`, with
// inputs named without a folder, with a relative one and with an absolute
// one, and the missing folder, made with the one above it, named every way.
class BkpicBatch : public testing::TestWithParam<const char*> {};

TEST_P(BkpicBatch, MissingOutdirIsMadeAndTakesInputsWithAndWithoutFolders) {
    Pictures p;
    fs::create_directory(p.folder / "in");
    fs::copy_file(p.folder / "gradient.jpg", p.folder / "in/gradient.jpg");
    const std::string convert = "convert gradient.jpg ../quadrants.gif @/testcard.bmp --to sprite";
    const auto run =
        run_bkpic(p.arguments(convert + " --outdir " + GetParam()), q(p.folder / "in"));
    EXPECT_EQ(run.status, bkpic::all_done) << run.err;
    EXPECT_EQ(folder_names(p.folder / "in/new/sprites"),
              (Names{"gradient.bbd", "quadrants.bbd", "testcard.bbd"}));
}

INSTANTIATE_TEST_SUITE_P(Folders, BkpicBatch,
                         testing::Values("new/sprites/", "new/sprites", "./new//sprites//",
                                         "@/in/new/sprites", "@/in/new/sprites/"),
                         [](const auto& info) { return "Form" + std::to_string(info.index); });

// Pictures that do not read fail alone, each with one line of bkpic's own:
// nothing from the JPEG reader ("Not a JPEG file") or from libpng ("libpng
// error: Read Error"). Any picture Qt reads converts, named without its whole
// extension whatever its case.
TEST(BkpicErrors, OneLineForEachFailedPictureAndNoDecoderChatter) {
    Pictures p;
    const auto jpg = read_text(sample("gradient.jpg"));
    write_text(p.folder / "broken.jpg", jpg.substr(0, jpg.size() / 2));
    write_text(p.folder / "photo.JPEG", jpg);
    write_text(p.folder / "text.jpg", "not a picture\n");
    ASSERT_TRUE(QImage(q(sample("testcard.bmp"))).save(q(p.folder / "card.png")));
    const auto png = read_text(p.folder / "card.png");
    write_text(p.folder / "cut.png", png.substr(0, png.size() / 2));
    const auto run =
        run_bkpic(p.arguments("convert @/card.png @/broken.jpg @/text.jpg @/photo.JPEG @/cut.png "
                              "@/testcard.bmp --to sprite --fit --outdir @/out"));
    EXPECT_EQ(run.status, bkpic::some_failed);
    EXPECT_EQ(run.out, p.with_folder("@/card.png -> @/out/card.bbd\n@/photo.JPEG -> "
                                     "@/out/photo.bbd\n@/testcard.bmp -> @/out/testcard.bbd\n"));
    EXPECT_EQ(run.err, p.with_folder("bkpic: @/broken.jpg: Error 5: The picture file is cut short\n"
                                     "bkpic: @/text.jpg: Error 4: Unable to read image data\n"
                                     "bkpic: @/cut.png: Error 4: Unable to read image data\n"));
    EXPECT_EQ(read_bytes(p.folder / "out/card.bbd"), read_bytes(p.folder / "out/testcard.bbd"));
    EXPECT_EQ(read_bytes(p.folder / "out/photo.bbd").size(), 1024u);
}

// Every command reports the platform's error for what failed, or what it
// refuses, and writes nothing; a file that never ends is too large, and an
// output that exists is kept unless forced.
TEST(BkpicErrors, SayWhatFailedAndWriteNothing) {
    Pictures p;
    write_text(p.folder / "big.bbd", std::string(1025, '\0'));
    write_text(p.folder / "fake.11M", std::string(100, '\0'));
    write_text(p.folder / "testcard.pic", "old");
    write_text(p.folder / "testcard.bin", "old");
    const std::pair<const char*, const char*> cases[] = {
        {"convert @/testcard.bmp --to mono",
         "@/testcard.bmp: @/testcard.pic exists; use --force to replace it"},
        {"convert @/testcard.bmp --to mono --bin-only",
         "@/testcard.bmp: @/testcard.bin exists; use --force to replace it"},
        {"convert @ --to mono", "@: Error 21: Is a directory"},
        {"render @", "@: Error 21: Is a directory"},
        {"info @", "@: Error 21: Is a directory"},
        {"info @/none.pic", "@/none.pic: Error 2: No such file or directory"},
        {"render /dev/zero -o @/zero.bmp",
         "/dev/zero: too large for this mode: at most 16384 bytes"},
        {"render @/big.bbd", "@/big.bbd: too large for this mode: at most 1024 bytes"},
        {"render @/fake.11M", "@/fake.11M: not an 11M file"},
        {"convert @/testcard.bmp --to sprite --outdir @/gradient.jpg/b",
         "@/testcard.bmp: cannot make the folder @/gradient.jpg/b: Error 20: Not a directory"},
        {"convert @/testcard.bmp --to mono -o @/missing/out.pic",
         "@/testcard.bmp: cannot write @/missing/out.pic: Error 2: No such file or directory"},
        {"convert @/gradient.jpg --to mono --offset 19,0 -o @/out.pic",
         "@/gradient.jpg: offset 19,0 is beyond the scroll range 0..18,0..44 of this picture"}};
    for (const auto& [arguments, error] : cases) {
        const Outcome run = bkpic_run(p.arguments(arguments));
        EXPECT_EQ(run.status, bkpic::some_failed) << arguments;
        EXPECT_EQ(run.err, p.with_folder(std::string("bkpic: ") + error + "\n"));
    }
    EXPECT_EQ(folder_names(p.folder.path()).size(), samples.size() + 4);
    EXPECT_EQ(read_text(p.folder / "testcard.pic") + read_text(p.folder / "testcard.bin"),
              "oldold");
    EXPECT_EQ(bkpic_run(p.arguments("convert @/testcard.bmp --to mono --bin --force")).err, "");
    EXPECT_EQ(
        read_text(p.folder / "testcard.pic").size() + read_text(p.folder / "testcard.bin").size(),
        16384u + 16388u);
    EXPECT_EQ(bkpic_run({"info", "/dev/zero"}).out,
              "/dev/zero: more than 49153 bytes: too large for a PIC screen or a BBD sprite: "
              "refused\n");
}

struct Usage {
    const char* arguments;  // "PIC" stands for a picture
    const char* error;
};

void PrintTo(const Usage& u, std::ostream* os) {
    *os << (*u.arguments ? u.arguments : "nothing");
}

class BkpicUsage : public testing::TestWithParam<Usage> {};

TEST_P(BkpicUsage, IsRefusedWithStatusTwoAndNothingWritten) {
    Pictures p;
    const Outcome run = bkpic_run(
        p.arguments(GetParam().arguments).replaceInStrings("PIC", q(p.folder / "gradient.jpg")));
    EXPECT_EQ(run.status, bkpic::usage_error);
    EXPECT_NE(run.err.find(GetParam().error), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(folder_names(p.folder.path()).size(), samples.size());
}

INSTANTIATE_TEST_SUITE_P(
    Errors, BkpicUsage,
    testing::Values(
        Usage{"", "no command given"}, Usage{"draw PIC", "unknown command \"draw\""},
        Usage{"convert --to mono", "no files given"}, Usage{"convert PIC", "--to is required"},
        Usage{"convert PIC --to grey", "unknown target \"grey\""},
        Usage{"convert PIC --to mono --area 256x256", "11M targets only"},
        Usage{"convert PIC --to 11m-mono --area 260x256",
              "area 260x256: the width must be a multiple of 8 pixels"},
        Usage{"convert PIC --to 11m-color --area 256x60", "each side must be at least 64 pixels"},
        Usage{"convert PIC --to 11m-color --area 768x256",
              "49152 bytes of picture data, more than the 49144"},
        Usage{"convert PIC --to mono --fit --offset 1,1", "not both"},
        Usage{"convert PIC --to color --levels 1,2", "R,G,B"},
        Usage{"convert PIC --to mono --bw-level 256", "out of range 0..255"},
        Usage{"convert PIC --to color --swap 4,6", "flags 4 and 6"},
        Usage{"convert PIC --to 11m-color --swap 3", "flag 3 has no effect in the 11M modes"},
        Usage{"convert PIC PIC --to mono -o @/x.pic", "-o names one output"},
        Usage{"convert PIC --to mono --outdir PIC", "is not a folder"},
        Usage{"convert PIC --to sprite --bin", "mono and color targets only"},
        Usage{"convert PIC --to 11m-color --bin-only", "mono and color targets"},
        Usage{"convert PIC --to color --bin -o @/x.pic", "use --bin-only"},
        Usage{"convert PIC --to sprite --wav", "--wav is for the mono and color"},
        Usage{"convert PIC --to color --wav -o @/x.wav", "use --wav-only"},
        Usage{"convert PIC --to mono --bin-only --wav-only -o @/x",
              "give one of --bin-only and --wav-only"},
        Usage{"extract PIC --file 0", "--file: "},
        Usage{"convert PIC --to mono --bogus", "Unknown option 'bogus'"},
        Usage{"render - --outdir /tmp", "- reads standard input; name the output with -o"},
        Usage{"render PIC -o r.xyz",
              "-o r.xyz: the extension names no picture format that bkpic writes (bmp,"},
        Usage{"convert PIC --to mono --preview look", "--preview look: the"}),
    testing_support::printed_name);

// bkpic reads each input once, whole, from whatever its name opens: a named
// pipe's writer is waited for, and "-" is standard input. The outputs are
// those made from the same bytes in a plain file.
// A convert from a picture, then a render of the .pic it wrote.
TEST(BkpicPipes, ANamedPipeAndStandardInputGiveWhatTheFileGives) {
    Pictures p;
    const char* script = R"(cd "$0" && mkfifo "pipe$4" && { timeout 20 cat "$3" > "pipe$4" & } &&
        "$1" $2 "pipe$4" -o "piped$5" && "$1" $2 - -o "stdin$5" < "$3" && "$1" $2 "$3" -o "plain$5")";
    const char* commands[][4] = {{"convert --to sprite --fit", "gradient.jpg", ".jpg", ".bbd"},
                                 {"render --as color", "plain.bbd", ".bbd", ".bmp"}};
    for (const auto& [command, input, in, out] : commands) {
        QProcess shell;
        shell.start("/bin/sh",
                    {"-c", script, q(p.folder.path()), BKPIC_PROGRAM, command, input, in, out});
        EXPECT_TRUE(shell.waitForFinished(30000) && shell.exitCode() == 0)
            << command << shell.readAllStandardError().toStdString();
        const auto plain = read_bytes(p.folder / "plain" + out);
        EXPECT_FALSE(plain.empty());
        EXPECT_EQ(read_bytes(p.folder / "piped" + out), plain) << command;
        EXPECT_EQ(read_bytes(p.folder / "stdin" + out), plain) << command;
        std::filesystem::remove(p.folder / ("pipe" + std::string(in)));
    }
}

// A name is bytes: one made in another code page works in every command, and
// the outputs are named from the same bytes.
TEST(BkpicNames, ANameThatIsNotUtf8WorksInEveryCommand) {
    Pictures p;
    const std::string latin1 = p.folder / "caf\xe9";
    fs::copy_file(sample("gradient.jpg"), latin1 + ".jpg");
    fs::create_directory(latin1 + ".d");
    const std::string sprite = latin1 + ".d/caf\xe9.bbd";
    const std::pair<std::vector<std::string>, std::string> runs[] = {
        {{"convert", latin1 + ".jpg", "--to", "sprite", "--outdir", latin1 + ".d"},
         latin1 + ".jpg -> " + sprite + "\n"},
        {{"render", sprite, "-o", latin1 + ".bmp"}, sprite + " -> " + latin1 + ".bmp\n"},
        {{"info", sprite}, sprite + ": 1024 bytes: BBD sprite, 64x64 four-colour\n"}};
    for (const auto& [arguments, out] : runs) {
        QStringList names;  // as bkpic's main takes its command line
        for (const std::string& argument : arguments) names << platform::name_to_qt(argument);
        const Outcome run = bkpic_run(names);
        EXPECT_EQ(run.err + run.out, out) << arguments[0];
    }
}

TEST(BkpicHelp, HelpAndVersionSucceed) {
    EXPECT_EQ(bkpic_run({"--version"}).out, "bkpic " KVARO_VERSION "\n");
    const Outcome help = bkpic_run({"convert", "--help"});
    EXPECT_EQ(help.status, bkpic::all_done);
    EXPECT_NE(help.out.find("bkpic convert [options] PICTURE..."), std::string::npos) << help.out;
}

}  // namespace
