// Every checkable or clickable control of the three programs does through
// its accessibility action (as a screen reader operates it) exactly what a
// click or a menu choice does. Each case runs twice on a fresh program, once
// by hand and once accessibly, and compares all that the user can see
// afterwards, with the state that no control shows.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QMainWindow>
#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>
#include <memory>
#include <ostream>
#include <sstream>

#include "converter/m11_window.h"
#include "converter/main_window.h"
#include "formats/m11_file.h"
#include "launcher/main_window.h"
#include "tests/support/accessible_action.h"
#include "tests/support/main_window_rig.h"
#include "tests/support/param_names.h"
#include "viewer/m11_window.h"
#include "viewer/main_window.h"

namespace {

using namespace testing_support;

class RecordedStart : public platform::ProcessStart {
  public:
    std::optional<platform::Failure> start(const std::string& program,
                                           const std::vector<std::string>& arguments) override {
        started += program + (arguments.empty() ? "" : " " + arguments[0]) + ";";
        return std::nullopt;
    }
    std::string started;
};

// One of the programs with its main window over scripted answers, brought
// to where the control under test is enabled.
struct Program {
    // Chooses a menu item of the main window, answering an open dialog with `file`.
    void choose(const QString& item, const std::string& file = {}) {
        if (!file.empty()) modal.files.push_back(file);
        window->findChild<QAction*>(item)->trigger();
    }
    // What no control shows: the program-wide state.
    std::string state() const {
        std::ostringstream out;
        for (bool flag : converter.swap_flags) out << flag;
        for (auto colour : viewer.maps.colour) out << " " << colour;
        for (auto colour : viewer.maps.mono) out << " " << colour;
        out << " " << viewer.dialog_colour << " " << viewer.pressed_button[0]
            << viewer.pressed_button[1] << " " << start.started;
        return out.str();
    }
    TempFolder folder;
    platform::ScriptedModal modal;
    converter::ConverterState converter{folder.path()};
    viewer::ViewerState viewer{folder.path()};
    RecordedStart start;
    std::unique_ptr<QWidget> window;  // goes before what it holds by reference
};

// A program by its window, with a picture or a BK file open, then brought on
// by choosing the menu items named after it, as "Viewer chcol_mnu".
std::unique_ptr<Program> open_program(const QString& how) {
    const QStringList words = how.split(' ');
    auto p = std::make_unique<Program>();
    p->converter.swap_flags[0] = true;  // Check2 of Change_colors then lets Check1 go
    if (words[0] == "Converter")
        p->window = std::make_unique<converter::Form1>(p->converter, p->modal);
    if (words[0] == "Converter11M")
        p->window = std::make_unique<converter::Form6>(p->converter, p->modal);
    if (words[0] == "Viewer") p->window = std::make_unique<viewer::Form1>(p->viewer, p->modal);
    if (words[0] == "Viewer11M") p->window = std::make_unique<viewer::Form2>(p->viewer, p->modal);
    if (words[0] == "Launcher") p->window = std::make_unique<launcher::Form1>(p->start, p->modal);
    p->window->show();
    if (words[0].startsWith("Converter"))
        p->choose("open_mnu", save_bmp(numbered_picture(600, 400), p->folder / "big.bmp"));
    if (words[0].startsWith("Viewer")) {
        std::vector<std::uint8_t> data(16384);
        for (std::size_t i = 0; i < data.size(); ++i) data[i] = std::uint8_t(i * 7);
        const bool m11 = words[0] == "Viewer11M";
        const auto bytes = m11 ? bk::m11::file_bytes({64, 256}, data) : data;
        const std::string file = p->folder / (m11 ? "s.11M" : "s.pic");
        write_text(file, std::string(bytes.begin(), bytes.end()));
        p->choose("openbk_mnu", file);
    }
    for (const QString& item : words.mid(1)) p->choose(item);
    return p;
}

// The visible windows and, in each, what its controls show.
std::string what_the_user_sees(const Program& program) {
    QApplication::processEvents();  // windows take their new sizes
    flush_deletes();
    std::vector<std::string> windows;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!top->isVisible()) continue;
        std::ostringstream out;
        out << top->objectName().toStdString() << " " << top->width() << "x" << top->height();
        for (QObject* child : top->findChildren<QObject*>()) {
            if (child->objectName().isEmpty()) continue;
            out << "\n " << child->objectName().toStdString();
            if (auto* button = qobject_cast<QAbstractButton*>(child)) {
                out << " " << button->isEnabled() << button->isChecked();
            } else if (auto* item = qobject_cast<QAction*>(child)) {
                out << " " << item->isEnabled() << item->isChecked();
            } else if (auto* label = qobject_cast<QLabel*>(child)) {
                out << " " << label->text().toStdString();
            } else if (auto* bar = qobject_cast<QScrollBar*>(child)) {
                out << " " << bar->isEnabled() << " " << bar->value() << "/" << bar->maximum()
                    << " by " << bar->singleStep();
            } else if (auto* picture = qobject_cast<platform::PictureWindow*>(child)) {
                const QImage image = picture->image().convertToFormat(QImage::Format_RGB32);
                out << " " << picture->width() << "x" << picture->height() << " "
                    << qHashBits(image.constBits(), image.sizeInBytes());
            }
        }
        windows.push_back(out.str());
    }
    std::sort(windows.begin(), windows.end());
    std::string all = program.state();
    for (const std::string& window : windows) all += "\n" + window;
    return all;
}

struct ControlCase {
    const char* program;  // as open_program takes it
    const char* window;   // the top-level window holding the control
    std::string control;  // a button or a menu item
};

void PrintTo(const ControlCase& c, std::ostream* os) {
    *os << c.program << " " << c.window << " " << c.control;
}

QObject* find_control(const ControlCase& c) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->isVisible() && top->objectName() == c.window) {
            return top->findChild<QObject*>(QString::fromStdString(c.control));
        }
    }
    return nullptr;
}

// A menu choice, a click on a button, or the mouse on a help item.
void operate_by_hand(QObject& control) {
    if (auto* item = qobject_cast<QAction*>(&control)) return item->trigger();
    if (auto* button = qobject_cast<QAbstractButton*>(&control)) return button->click();
    auto& widget = static_cast<QWidget&>(control);
    const QPointF centre = QRectF(widget.rect()).center();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent mouse(type, centre, widget.mapToGlobal(centre), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(&widget, &mouse);
    }
}

class AccessibleControl : public ::testing::TestWithParam<ControlCase> {
  protected:
    // What the user sees before and after operating the control.
    std::pair<std::string, std::string> operate(bool accessibly) {
        const std::unique_ptr<Program> program = open_program(GetParam().program);
        const std::string before = what_the_user_sees(*program);
        QObject* control = find_control(GetParam());
        EXPECT_NE(control, nullptr);
        if (control == nullptr) return {};
        accessibly ? operate_accessibly(*control) : operate_by_hand(*control);
        return {before, what_the_user_sees(*program)};
    }
};

TEST_P(AccessibleControl, DoesWhatAClickDoes) {
    const auto [before, clicked] = operate(false);
    EXPECT_NE(clicked, before) << "the control changes nothing";
    EXPECT_EQ(operate(true).second, clicked);
    flush_deletes();
}

// Each program, window and the controls tried in it.
std::vector<ControlCase> control_cases() {
    const std::tuple<const char*, const char*, QString> controls[] = {
        {"Converter", "Form1",
         "s64_mnu s512_mnu ftw_mnu ftwwhole_mnu ftwfill_mnu minxscrl_mnu minyscrl_mnu "
         "liveview_mnu"},
        {"Converter changecol_mnu", "Form4", "Check1 Check2 Check12 Command1"},
        {"Converter outcat_mnu", "Form8", "Command1"},
        {"Converter11M", "Form6",
         "mono_col_mnu ftw_mnu ftwwhole_mnu liveview_mnu Check1 Check2 Command1 Command2 Command3 "
         "Command4"},
        {"Converter dsc_mnu", "Form5", "open_item"},
        {"Converter11M dsc_mnu", "Form7", "X_button"},
        {"Viewer", "Form1", "sbk64_mnu sbk512_mnu"},
        {"Viewer chcol_mnu", "Form5", "Option15 Label8 Command1"},
        {"Viewer sbk512_mnu chcol_mnu", "Form6", "Option7 Label2"},
        {"Viewer11M", "Form2", "mono_col_mnu"},
        {"Launcher", "Form1", "Command1 Command4 Command5"}};
    std::vector<ControlCase> cases;
    for (const auto& [program, window, names] : controls)
        for (const QString& control : names.split(' '))
            cases.push_back({program, window, control.toStdString()});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(AllWindows, AccessibleControl, ::testing::ValuesIn(control_cases()),
                         printed_name);

}  // namespace
