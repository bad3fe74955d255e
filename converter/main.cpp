#include <QApplication>

#include "converter/start.h"
#include "icons/program_icons.h"
#include "platform/program_folders.h"
#include "platform/program_info.h"
#include "platform/qt_modal.h"
#include "platform/start_arguments.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The window class, and on Wayland the application id: docks match
    // the windows to the kvaro.desktop entry by them.
    QApplication::setApplicationName("kvaro");
    QApplication::setDesktopFileName("kvaro");
    icons::set_program_icon(icons::converter_icon);
    converter::ConverterState state(platform::program_folders(platform::program_folder()));
    platform::QtModal modal;
    const platform::StartArguments arguments = platform::start_arguments(argc, argv);
    auto window = converter::start_converter(arguments.window_text, state, modal, arguments.file);
    window->show();
    return QApplication::exec();
}
