#include <QApplication>

#include "converter/start.h"
#include "icons/program_icons.h"
#include "platform/program_folders.h"
#include "platform/program_info.h"
#include "platform/qt_modal.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("kvaro");
    icons::set_program_icon(icons::converter_icon);
    converter::ConverterState state(platform::program_folders(platform::program_folder()));
    platform::QtModal modal;
    auto window = converter::start_converter(platform::argument_text(argc, argv), state, modal);
    window->show();
    return QApplication::exec();
}
