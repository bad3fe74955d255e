// bkpic: the converter's conversions and the viewer's drawing from the
// command line. Needs no display.
#include <QCoreApplication>
#include <iostream>

#include "bkpic/command_line.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("bkpic");
    QCoreApplication::setApplicationVersion(KVARO_VERSION);
    return bkpic::run_command_line(QCoreApplication::arguments(), std::cout, std::cerr);
}
