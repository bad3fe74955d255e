#include <QApplication>

#include "converter/start.h"
#include "platform/program_info.h"
#include "platform/qt_modal.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("kvaro");
    converter::ConverterState state(platform::program_folder());
    platform::QtModal modal;
    auto window = converter::start_converter(platform::argument_text(argc, argv), state, modal);
    window->show();
    return QApplication::exec();
}
