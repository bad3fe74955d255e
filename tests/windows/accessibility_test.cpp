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
#include "viewer/m11_window.h"
#include "viewer/main_window.h"

namespace {

using namespace testing_support;

// A program with one main window over scripted answers, brought to where
// the control under test is enabled.
struct Program {
    virtual ~Program() = default;
    // What no control shows: the program-wide state.
    virtual std::string state() const = 0;
    // Chooses a menu item of the main window, answering an open dialog with `file`.
    void choose(const char* item, const std::string& file = {}) {
        if (!file.empty()) modal.files.push_back(file);
        window->findChild<QAction*>(item)->trigger();
    }
    TempFolder folder;
    platform::ScriptedModal modal;
    std::unique_ptr<QWidget> window;
};

template <class Window>
struct Converter : Program {
    Converter() {
        window = std::make_unique<Window>(converter, modal);
        window->show();
        choose("open_mnu", save_bmp(numbered_picture(600, 400), folder / "big.bmp"));
    }
    std::string state() const override {
        std::ostringstream out;
        for (bool flag : converter.swap_flags) out << flag;
        return out.str();
    }
    ~Converter() override { window.reset(); }
    converter::ConverterState converter{folder.path()};
};

template <class Window>
struct Viewer : Program {
    explicit Viewer(const std::string& file) {
        window = std::make_unique<Window>(viewer, modal);
        window->show();
        std::string bytes;
        for (int i = 0; i < 16384; ++i) bytes += static_cast<char>(i * 7);
        if (file.ends_with(".11M")) {
            const std::vector<std::uint8_t> data(bytes.begin(), bytes.end());
            const auto whole = bk::m11::file_bytes({64, 256}, data);
            bytes.assign(whole.begin(), whole.end());
        }
        write_text(folder / file, bytes);
        choose("openbk_mnu", folder / file);
    }
    std::string state() const override {
        std::ostringstream out;
        for (auto colour : viewer.maps.colour) out << colour << " ";
        for (auto colour : viewer.maps.mono) out << colour << " ";
        out << viewer.dialog_colour << " " << viewer.pressed_button[0] << viewer.pressed_button[1];
        return out.str();
    }
    ~Viewer() override { window.reset(); }
    viewer::ViewerState viewer{folder.path()};
};

class RecordedStart : public platform::ProcessStart {
  public:
    std::optional<platform::Failure> start(const std::string& program,
                                           const std::vector<std::string>& arguments) override {
        started += program + (arguments.empty() ? "" : " " + arguments[0]) + ";";
        return std::nullopt;
    }
    std::string started;
};

struct Launcher : Program {
    Launcher() {
        window = std::make_unique<launcher::Form1>(start, modal);
        window->show();
    }
    ~Launcher() override { window.reset(); }
    std::string state() const override { return start.started; }
    RecordedStart start;
};

std::unique_ptr<Program> converter_main() {
    return std::make_unique<Converter<converter::Form1>>();
}
std::unique_ptr<Program> converter_change_colors() {
    auto program = std::make_unique<Converter<converter::Form1>>();
    program->converter.swap_flags[0] = true;
    program->choose("changecol_mnu");
    return program;
}
std::unique_ptr<Program> converter_output_files() {
    auto program = std::make_unique<Converter<converter::Form1>>();
    program->choose("outcat_mnu");
    return program;
}
std::unique_ptr<Program> converter_11m() {
    return std::make_unique<Converter<converter::Form6>>();
}
std::unique_ptr<Program> converter_help() {
    auto program = std::make_unique<Converter<converter::Form1>>();
    program->choose("dsc_mnu");
    return program;
}
std::unique_ptr<Program> converter_11m_help() {
    auto program = std::make_unique<Converter<converter::Form6>>();
    program->choose("dsc_mnu");
    return program;
}
std::unique_ptr<Program> viewer_main() {
    return std::make_unique<Viewer<viewer::Form1>>("s.pic");
}
std::unique_ptr<Program> viewer_change_color() {
    auto program = std::make_unique<Viewer<viewer::Form1>>("s.pic");
    program->choose("chcol_mnu");
    return program;
}
std::unique_ptr<Program> viewer_change_bw() {
    auto program = std::make_unique<Viewer<viewer::Form1>>("s.pic");
    program->choose("sbk512_mnu");
    program->choose("chcol_mnu");
    return program;
}
std::unique_ptr<Program> viewer_11m() {
    return std::make_unique<Viewer<viewer::Form2>>("s.11M");
}
std::unique_ptr<Program> launcher_window() {
    return std::make_unique<Launcher>();
}

std::uint64_t checksum(const QImage& image) {
    std::uint64_t sum = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) sum = sum * 31 + image.pixel(x, y);
    }
    return sum;
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
                out << " " << picture->width() << "x" << picture->height() << " "
                    << checksum(picture->image());
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
    const char* program;
    std::unique_ptr<Program> (*open)();
    const char* window;   // the top-level window holding the control
    const char* control;  // a button or a menu item
};

void PrintTo(const ControlCase& c, std::ostream* os) {
    *os << c.program << " " << c.window << "." << c.control;
}

QObject* find_control(const ControlCase& c) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->isVisible() && top->objectName() == c.window) {
            return top->findChild<QObject*>(c.control);
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
        const std::unique_ptr<Program> program = GetParam().open();
        const std::string before = what_the_user_sees(*program);
        QObject* control = find_control(GetParam());
        EXPECT_NE(control, nullptr);
        if (control == nullptr) return {};
        if (accessibly) {
            operate_accessibly(*control);
        } else {
            operate_by_hand(*control);
        }
        return {before, what_the_user_sees(*program)};
    }
};

TEST_P(AccessibleControl, DoesWhatAClickDoes) {
    const auto [before, clicked] = operate(false);
    EXPECT_NE(clicked, before) << "the control changes nothing";
    EXPECT_EQ(operate(true).second, clicked);
    flush_deletes();
}

const ControlCase control_cases[] = {
    {"Converter", converter_main, "Form1", "s64_mnu"},
    {"Converter", converter_main, "Form1", "s512_mnu"},
    {"Converter", converter_main, "Form1", "ftw_mnu"},
    {"Converter", converter_main, "Form1", "ftwwhole_mnu"},
    {"Converter", converter_main, "Form1", "ftwfill_mnu"},
    {"Converter", converter_main, "Form1", "minxscrl_mnu"},
    {"Converter", converter_main, "Form1", "minyscrl_mnu"},
    {"Converter", converter_main, "Form1", "liveview_mnu"},
    {"Converter", converter_change_colors, "Form4", "Check1"},
    {"Converter", converter_change_colors, "Form4", "Check2"},
    {"Converter", converter_change_colors, "Form4", "Check12"},
    {"Converter", converter_change_colors, "Form4", "Command1"},
    {"Converter", converter_output_files, "Form8", "Command1"},
    {"Converter11M", converter_11m, "Form6", "mono_col_mnu"},
    {"Converter11M", converter_11m, "Form6", "ftw_mnu"},
    {"Converter11M", converter_11m, "Form6", "ftwwhole_mnu"},
    {"Converter11M", converter_11m, "Form6", "liveview_mnu"},
    {"Converter11M", converter_11m, "Form6", "Check1"},
    {"Converter11M", converter_11m, "Form6", "Check2"},
    {"Converter11M", converter_11m, "Form6", "Command1"},
    {"Converter11M", converter_11m, "Form6", "Command2"},
    {"Converter11M", converter_11m, "Form6", "Command3"},
    {"Converter11M", converter_11m, "Form6", "Command4"},
    {"ConverterHelp", converter_help, "Form5", "open_item"},
    {"ConverterHelp", converter_11m_help, "Form7", "X_button"},
    {"Viewer", viewer_main, "Form1", "sbk64_mnu"},
    {"Viewer", viewer_main, "Form1", "sbk512_mnu"},
    {"Viewer", viewer_change_color, "Form5", "Option15"},
    {"Viewer", viewer_change_color, "Form5", "Label8"},
    {"Viewer", viewer_change_color, "Form5", "Command1"},
    {"Viewer", viewer_change_bw, "Form6", "Option7"},
    {"Viewer", viewer_change_bw, "Form6", "Label2"},
    {"Viewer11M", viewer_11m, "Form2", "mono_col_mnu"},
    {"Launcher", launcher_window, "Form1", "Command1"},
    {"Launcher", launcher_window, "Form1", "Command4"},
    {"Launcher", launcher_window, "Form1", "Command5"},
};

INSTANTIATE_TEST_SUITE_P(AllWindows, AccessibleControl, ::testing::ValuesIn(control_cases),
                         [](const auto& info) {
                             return std::string(info.param.program) + "_" + info.param.window +
                                    "_" + info.param.control;
                         });

}  // namespace
