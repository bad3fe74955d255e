// bkpic reads each input once, whole, from whatever its name opens: a named
// pipe's writer is waited for, and "-" is standard input. The outputs are
// those made from the same bytes in a plain file.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QProcess>

#include "tests/bkpic/bkpic_run.h"
#include "tests/support/param_names.h"
#include "tests/support/temp_folder.h"

namespace {

using namespace testing_support;
using bkpic_testing::q;

struct Piped {
    const char* command;  // without the input and -o
    const char* input;    // a file of samples/, or "screen.pic" made here
    const char* output;   // its extension tells what is written
    bool named_pipe;      // else standard input
};

void PrintTo(const Piped& p, std::ostream* out) {
    *out << p.command << (p.named_pipe ? " named pipe" : " standard input");
}

class BkpicPipes : public testing::TestWithParam<Piped> {};

TEST_P(BkpicPipes, GiveWhatTheFileGives) {
    const Piped& p = GetParam();
    TempFolder folder;
    std::string input = sample(p.input);
    if (std::string(p.input) == "screen.pic") {
        std::string screen(16384, '\0');
        for (std::size_t i = 0; i < screen.size(); ++i) screen[i] = char(i * 37 + i / 64);
        input = folder / p.input;
        write_text(input, screen);
    }
    const QStringList command = QString(p.command).split(' ');
    const std::string plain = folder / "plain" + p.output, piped = folder / "piped" + p.output;
    const auto by_file = bkpic_testing::run_bkpic(command + QStringList{q(input), "-o", q(plain)});
    ASSERT_EQ(by_file.status, 0) << by_file.err;

    bkpic_testing::ProcessRun run;
    if (!p.named_pipe) {
        run = bkpic_testing::run_bkpic(command + QStringList{"-", "-o", q(piped)}, {},
                                       QByteArray::fromStdString(read_text(input)));
    } else {
        const std::string pipe = folder / "pipe" + input.substr(input.rfind('.'));
        ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
        QProcess writer;
        writer.start("/bin/sh", {"-c", "exec cat \"$0\" > \"$1\"", q(input), q(pipe)});
        run = bkpic_testing::run_bkpic(command + QStringList{q(pipe), "-o", q(piped)});
        if (!writer.waitForFinished(1000)) writer.kill();
        writer.waitForFinished();
    }
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(read_bytes(piped), read_bytes(plain));
}

INSTANTIATE_TEST_SUITE_P(Inputs, BkpicPipes,
                         testing::Values(Piped{"convert --to color", "gradient.jpg", ".pic", true},
                                         Piped{"convert --to sprite --fit", "quadrants.gif", ".bbd",
                                               false},
                                         Piped{"render", "screen.pic", ".bmp", true},
                                         Piped{"render --as color", "screen.pic", ".bmp", false}),
                         printed_name);

}  // namespace
