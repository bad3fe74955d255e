// bkpic reads each input once, whole, from whatever its name opens: a named
// pipe's writer is waited for, and "-" is standard input. The outputs are
// those made from the same bytes in a plain file.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QProcess>

#include "tests/bkpic/bkpic_process.h"
#include "tests/support/temp_folder.h"

namespace {

using namespace testing_support;

enum class Source { named_pipe, standard_input };

struct Piped {
    const char* name;
    QStringList command;  // without the input and -o
    const char* input;    // a file of samples/, or "screen.pic" made here
    const char* output;   // its extension tells what is written
    Source source;
};

void PrintTo(const Piped& piped, std::ostream* out) {
    *out << piped.name;
}

class BkpicPipes : public testing::TestWithParam<Piped> {};

TEST_P(BkpicPipes, GiveWhatTheFileGives) {
    const Piped& p = GetParam();
    TempFolder folder;
    std::string input = folder / p.input;
    if (std::string(p.input) == "screen.pic") {
        std::string screen(16384, '\0');
        for (std::size_t i = 0; i < screen.size(); ++i) screen[i] = char(i * 37 + i / 64);
        write_text(input, screen);
    } else {
        input = sample(p.input);
    }
    const QString plain = QString::fromStdString(folder / "plain" + p.output);
    const QString piped = QString::fromStdString(folder / "piped" + p.output);
    const auto by_file = bkpic_testing::run_bkpic(
        p.command + QStringList{QString::fromStdString(input), "-o", plain});
    ASSERT_EQ(by_file.status, 0) << by_file.err;

    bkpic_testing::ProcessRun run;
    if (p.source == Source::standard_input) {
        run = bkpic_testing::run_bkpic(p.command + QStringList{"-", "-o", piped}, {},
                                       QByteArray::fromStdString(read_text(input)));
    } else {
        const std::string pipe =
            folder / "pipe" + std::string(p.input).substr(std::string(p.input).rfind('.'));
        ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
        QProcess writer;
        writer.start("/bin/sh", {"-c", "exec cat \"$0\" > \"$1\"", QString::fromStdString(input),
                                 QString::fromStdString(pipe)});
        run = bkpic_testing::run_bkpic(p.command +
                                       QStringList{QString::fromStdString(pipe), "-o", piped});
        if (!writer.waitForFinished(1000)) writer.kill();
        writer.waitForFinished();
    }
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(read_bytes(piped.toStdString()), read_bytes(plain.toStdString()));
}

using S = Source;
INSTANTIATE_TEST_SUITE_P(
    Inputs, BkpicPipes,
    testing::Values(Piped{"ConvertNamedPipe",
                          {"convert", "--to", "color"},
                          "gradient.jpg",
                          ".pic",
                          S::named_pipe},
                    Piped{"ConvertStandardInput",
                          {"convert", "--to", "sprite", "--fit"},
                          "quadrants.gif",
                          ".bbd",
                          S::standard_input},
                    Piped{"RenderNamedPipe", {"render"}, "screen.pic", ".bmp", S::named_pipe},
                    Piped{"RenderStandardInput",
                          {"render", "--as", "color"},
                          "screen.pic",
                          ".bmp",
                          S::standard_input}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
