#include <QApplication>

#include "icons/program_icons.h"
#include "platform/program_folders.h"
#include "platform/program_info.h"
#include "platform/qt_modal.h"
#include "viewer/start.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("orvak");
    icons::set_program_icon(icons::viewer_icon);
    viewer::ViewerState state(platform::program_folders(platform::program_folder()));
    platform::QtModal modal;
    auto window = viewer::start_viewer(platform::argument_text(argc, argv), state, modal);
    window->show();
    return QApplication::exec();
}
