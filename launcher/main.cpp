#include <QApplication>
#include <cstdlib>

#include "icons/program_icons.h"
#include "launcher/main_window.h"
#include "platform/detached_start.h"
#include "platform/program_info.h"
#include "platform/qt_modal.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The window class, and on Wayland the application id: docks match
    // the windows to the kvaro-shell.desktop entry by them.
    QApplication::setApplicationName("kvaro-shell");
    QApplication::setDesktopFileName("kvaro-shell");
    icons::set_program_icon(icons::launcher_icon);
    const char* search_path = std::getenv("PATH");
    platform::DetachedStart process_start(platform::program_folder(),
                                          search_path != nullptr ? search_path : "");
    platform::QtModal modal;
    launcher::Form1 window(process_start, modal);
    window.show();
    return QApplication::exec();
}
