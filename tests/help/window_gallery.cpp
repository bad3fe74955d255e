// Shows every launcher, help and About window at once, each help window with
// its longest description on show, for a look at them as a person sees them:
//   /work/shared/tools/screenshot shot.png -- build/dev/bin/help_window_gallery [11m]
// With "11m" the viewer's About window shows its 11M texts.
#include <QApplication>
#include <QLabel>
#include <QtTest/QTest>
#include <memory>
#include <vector>

#include "converter/about.h"
#include "converter/help_11m_window.h"
#include "converter/main_help_window.h"
#include "icons/program_icons.h"
#include "launcher/main_window.h"
#include "platform/detached_start.h"
#include "platform/scripted_modal.h"
#include "viewer/about.h"
#include "viewer/help_11m_window.h"
#include "viewer/main_help_window.h"

namespace {

void click(const char* window, const char* item) {
    for (QWidget* each : QApplication::topLevelWidgets()) {
        if (each->objectName() != window) continue;
        if (auto* label = each->findChild<QLabel*>(item)) QTest::mouseClick(label, Qt::LeftButton);
    }
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const bool from_11m = argc > 1 && QString(argv[1]) == "11m";
    icons::set_program_icon(icons::launcher_icon);
    platform::DetachedStart start("", "");
    platform::ScriptedModal modal;
    launcher::Form1 launcher(start, modal);
    launcher.move(8, 8);
    launcher.show();

    std::vector<std::unique_ptr<QWidget>> openers;
    auto opener_at = [&openers](int x, int y) -> QWidget& {
        openers.push_back(std::make_unique<QWidget>());
        openers.back()->move(x, y);
        return *openers.back();
    };
    converter::open_main_help(opener_at(340, 8));
    converter::open_11m_help(opener_at(340, 440));
    converter::open_about(opener_at(8, 260));
    viewer::open_main_help(opener_at(340, 260));
    viewer::open_11m_help(opener_at(680, 260));
    viewer::open_about(opener_at(8, 440), from_11m);
    click("Form5", "exportwav_item");
    click("Form7", "dfs_item");
    click("Form3", "open_item");
    click("Form4", "help_item");
    return QApplication::exec();
}
