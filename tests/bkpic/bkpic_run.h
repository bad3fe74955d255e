#pragma once
// bkpic's command line run in this process, or as users run it: a separate
// process, with its own application object, working folder and standard input.
#include <QProcess>
#include <QStringList>
#include <sstream>
#include <string>

#include "bkpic/command_line.h"

namespace bkpic_testing {

struct Outcome {
    int status = -1;
    std::string out, err;
};

inline Outcome bkpic_run(QStringList arguments) {
    std::ostringstream out, err;
    arguments.prepend("bkpic");
    const int status = bkpic::run_command_line(arguments, out, err);
    return {status, out.str(), err.str()};
}

using ProcessRun = Outcome;  // status -1: did not finish within 20 seconds, and was killed

inline ProcessRun run_bkpic(const QStringList& arguments, const QString& folder = {},
                            const QByteArray& input = {}) {
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(BKPIC_PROGRAM, arguments);
    process.write(input);
    process.closeWriteChannel();
    ProcessRun run;
    if (process.waitForFinished(20000) && process.exitStatus() == QProcess::NormalExit)
        run.status = process.exitCode();
    else
        process.kill();
    process.waitForFinished();
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}

inline QString q(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace bkpic_testing
