#pragma once
// The bkpic program run as users run it: a separate process, with its own
// application object, working folder and standard input.
#include <QProcess>
#include <QStringList>
#include <string>

namespace bkpic_testing {

struct ProcessRun {
    int status = -1;  // -1: did not finish within 20 seconds, and was killed
    std::string out, err;
};

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

}  // namespace bkpic_testing
