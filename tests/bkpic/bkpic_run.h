#pragma once
// bkpic's command line run in this process, with what it printed.
#include <QStringList>
#include <sstream>
#include <string>

#include "bkpic/command_line.h"

namespace bkpic_testing {

struct Outcome {
    int status;
    std::string out, err;
};

inline Outcome bkpic_run(QStringList arguments) {
    std::ostringstream out, err;
    arguments.prepend("bkpic");
    const int status = bkpic::run_command_line(arguments, out, err);
    return {status, out.str(), err.str()};
}

inline QString q(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace bkpic_testing
