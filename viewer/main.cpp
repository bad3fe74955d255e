#include <QApplication>

#include "icons/program_icons.h"
#include "platform/program_folders.h"
#include "platform/program_info.h"
#include "platform/qt_modal.h"
#include "platform/start_arguments.h"
#include "viewer/start.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The window class, and on Wayland the application id: docks match
    // the windows to the orvak.desktop entry by them.
    QApplication::setApplicationName("orvak");
    QApplication::setDesktopFileName("orvak");
    icons::set_program_icon(icons::viewer_icon);
    viewer::ViewerState state(platform::program_folders(platform::program_folder()));
    platform::QtModal modal;
    const platform::StartArguments arguments = platform::start_arguments(argc, argv);
    auto window = viewer::start_viewer(arguments.window_text, state, modal, arguments.file);
    window->show();
    return QApplication::exec();
}
