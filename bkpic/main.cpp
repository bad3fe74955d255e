// bkpic: the converter's conversions and the viewer's drawing from the
// command line. Needs no display.
#include <QCoreApplication>
#include <iostream>

#include "bkpic/command_line.h"
#include "bkpic/quiet_decoders.h"
#include "platform/qt_text.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("bkpic");
    QCoreApplication::setApplicationVersion(KVARO_VERSION);
    bkpic::drop_image_io_messages();
    // Not QCoreApplication::arguments(): it loses the bytes of a file name
    // that is not UTF-8.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << platform::name_to_qt(argv[i]);
    return bkpic::run_command_line(arguments, std::cout, std::cerr);
}
