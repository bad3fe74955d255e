// The main window: settings at load, menus, window modes, scroll bars,
// opening pictures and closing.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QScrollBar>
#include <atomic>
#include <thread>

#include "converter/m11_window.h"
#include "converter/start.h"
#include "platform/open_filters.h"
#include "tests/support/main_window_rig.h"

namespace {

using namespace testing_support;
using converter::WindowMode;
using platform::Buttons;
using platform::Icon;
using namespace std::chrono_literals;

QScrollBar& bar(const MainWindowRig& rig, const char* name) {
    return *rig.form->findChild<QScrollBar*>(name);
}

void expect_bar(const QScrollBar& bar, bool enabled, int maximum, int step) {
    EXPECT_EQ(bar.isEnabled(), enabled) << bar.objectName().toStdString();
    EXPECT_EQ(bar.maximum(), maximum) << bar.objectName().toStdString();
    EXPECT_EQ(bar.singleStep(), step) << bar.objectName().toStdString();
}

std::string save_png(const QImage& image, const std::string& path) {
    EXPECT_TRUE(image.save(QString::fromStdString(path), "PNG")) << path;
    return path;
}

const char* const mono_items[] = {"bwlev_mnu", "vm_mnu", "convbw_mnu"};
const char* const colour_items[] = {"collev_mnu", "changecol_mnu", "vcol_mnu", "convcol_mnu"};
const char* const window_items[] = {"ftw_mnu", "rdraw_mnu", "minxscrl_mnu", "minyscrl_mnu"};

void expect_enabled(const MainWindowRig& rig, bool window, bool colour, bool mono) {
    for (const char* name : window_items) EXPECT_EQ(rig.action(name)->isEnabled(), window) << name;
    for (const char* name : colour_items) EXPECT_EQ(rig.action(name)->isEnabled(), colour) << name;
    for (const char* name : mono_items) EXPECT_EQ(rig.action(name)->isEnabled(), mono) << name;
}

TEST(MainWindowLoad, MissingSettingsFileIsReportedAndCatalogsStayEmpty) {
    MainWindowRig rig;
    EXPECT_EQ(shown(rig.load_messages),
              (std::vector<Shown>{{"Error 2: No such file or directory", "KVARO: Load ini-file",
                                   Buttons::ok, Icon::critical}}));
    for (int catalog : {catalogs::bbd_catalog, catalogs::pic_catalog, catalogs::m11_catalog}) {
        EXPECT_EQ(rig.state.catalogs.value(catalog), "");
    }
}

TEST(MainWindowLoad, DefaultResolvesOnlyForBbdAndPic) {
    MainWindowRig rig(defaults_ini);
    EXPECT_TRUE(rig.load_messages.empty());
    EXPECT_EQ(rig.state.catalogs.value(catalogs::bbd_catalog), rig.folder / "BBD");
    EXPECT_EQ(rig.state.catalogs.value(catalogs::pic_catalog), rig.folder / "PIC");
    EXPECT_EQ(rig.state.catalogs.value(catalogs::m11_catalog), "default");
}

TEST(MainWindowLoad, ForeignHeaderIsABadFile) {
    MainWindowRig rig("*******ORVAK_Ini*******\r\nBBD catalog>\r\n/x\r\n");
    EXPECT_EQ(shown(rig.load_messages),
              (std::vector<Shown>{{"Error: Bad File " + (rig.folder / "kvaro.ini") + "!", "KVARO",
                                   Buttons::ok, Icon::exclamation}}));
    EXPECT_EQ(rig.state.catalogs.value(catalogs::bbd_catalog), "");
}

TEST(MainWindow, CaptionMenuStatesAndShortcutsAtStart) {
    MainWindowRig rig;
    EXPECT_EQ(rig.form->windowTitle(), "KVARO v.5.0");
    EXPECT_TRUE(rig.action("s256_mnu")->isChecked());
    EXPECT_FALSE(rig.action("s64_mnu")->isChecked() || rig.action("s512_mnu")->isChecked());
    expect_enabled(rig, false, false, false);
    const std::pair<const char*, const char*> shortcuts[] = {
        {"open_mnu", "Ctrl+O"},      {"ftw_mnu", "Ctrl+F"}, {"rdraw_mnu", "Ctrl+R"},
        {"bwlev_mnu", "Ctrl+B"},     {"vm_mnu", "Ctrl+M"},  {"collev_mnu", "Ctrl+L"},
        {"changecol_mnu", "Ctrl+G"}, {"vcol_mnu", "Ctrl+C"}};
    for (const auto& [name, keys] : shortcuts) {
        EXPECT_EQ(rig.action(name)->shortcut(), QKeySequence(keys)) << name;
    }
}

TEST(MainWindowOpen, CancelChangesNothingAndAPictureEnablesItsItems) {
    MainWindowRig rig;
    rig.choose("open_mnu");
    ASSERT_EQ(rig.modal.open_requests.size(), 1u);
    const auto& request = rig.modal.open_requests[0];
    EXPECT_EQ(request.default_extension, "jpg");
    EXPECT_EQ(request.filter, platform::picture_filter());
    EXPECT_EQ(request.filter_index, 1);
    EXPECT_EQ(rig.form->source_path(), "");
    EXPECT_FALSE(rig.picture().has_picture());
    expect_enabled(rig, false, false, false);

    rig.open(sample("gradient.jpg"));
    EXPECT_TRUE(rig.modal.messages.empty());
    EXPECT_EQ(rig.form->source_path(), sample("gradient.jpg"));
    EXPECT_TRUE(rig.modal.ever_busy);
    EXPECT_EQ(rig.modal.busy_depth, 0);
    expect_enabled(rig, true, true, false);
}

TEST(MainWindowOpen, ANameThatIsNotUtf8Opens) {
    MainWindowRig rig;
    TempFolder files;
    const std::string name = files / "caf\xe9.jpg";  // made in another code page
    write_text(name, read_text(sample("gradient.jpg")));
    rig.open(name);
    EXPECT_TRUE(rig.modal.messages.empty());
    EXPECT_EQ(rig.form->source_path(), name);
}

TEST(MainWindowOpen, FailedOpenKeepsPreviousPictureAndPath) {
    MainWindowRig rig;
    TempFolder bad;
    rig.open(sample("gradient.jpg"));
    const QImage before = rig.picture().image().copy();
    write_text(bad / "x.jpg", "this is not a picture\n");
    write_text(bad / "empty.jpg", "");
    const std::string whole = read_text(sample("gradient.jpg"));
    write_text(bad / "cut.jpg", whole.substr(0, whole.size() / 2));
    // Qt's PNG reader refuses a PNG cut anywhere before its last chunk.
    const std::string png = read_text(save_png(numbered_picture(300, 200), bad / "whole.png"));
    write_text(bad / "cut.png", png.substr(0, png.size() - 13));
    for (const std::string name : {"x.jpg", "empty.jpg", "cut.png", "cut.jpg"}) {
        rig.modal.messages.clear();
        rig.open(bad / name);
        ASSERT_EQ(rig.modal.messages.size(), 1u) << name;
        const auto& message = rig.modal.messages[0];
        EXPECT_EQ(message.text.rfind("Error ", 0), 0u) << message.text;
        EXPECT_EQ(std::tie(message.title, message.buttons, message.icon),
                  std::tuple("KVARO: Open picture", Buttons::ok, Icon::exclamation));
        EXPECT_EQ(rig.picture().image(), before) << name;
        EXPECT_EQ(rig.form->source_path(), sample("gradient.jpg"));
    }
    EXPECT_EQ(rig.modal.messages[0].text, "Error 5: The picture file is cut short");
}

// "kvaro photo.png", "kvaro x.jpg", "kvaro /11m photo.png": the window opens
// the file as its Open would, with the same picture, path and messages.
TEST(ConverterStart, FileOnTheCommandLineOpensAsOpenWould) {
    TempFolder files;
    const std::string png = save_png(numbered_picture(300, 200), files / "photo.png");
    const std::string bad = files / "x.jpg";
    write_text(bad, "this is not a picture\n");
    for (const std::string& file : {png, bad}) {
        MainWindowRig rig(defaults_ini);
        rig.open(file);
        const std::vector<Shown> by_open = shown(rig.modal.messages);
        rig.modal.messages.clear();
        auto window = converter::start_converter("", rig.state, rig.modal, file);
        QCoreApplication::processEvents();
        const auto& form = dynamic_cast<const converter::Form1&>(*window);
        EXPECT_EQ(form.source_path(), rig.form->source_path()) << file;
        EXPECT_EQ(window->findChild<platform::PictureWindow*>("Picture1")->image(),
                  rig.picture().image())
            << file;
        EXPECT_EQ(shown(rig.modal.messages), by_open) << file;
    }
    MainWindowRig rig(defaults_ini);
    auto window = converter::start_converter("/11m", rig.state, rig.modal, png);
    QCoreApplication::processEvents();
    EXPECT_EQ(dynamic_cast<const converter::Form6&>(*window).source_path(), png);
}

// A named pipe gives its bytes once: the picture is read from it once,
// whole, waiting for the writer. A reader that opened it a second time would
// wait for ever; the writer opens it again after a while to end such a wait.
TEST(MainWindowOpen, PictureIsReadOnceFromAPipe) {
    MainWindowRig rig;
    TempFolder folder;
    const std::string pipe = folder / "pipe.gif";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    std::atomic<bool> opened{false};
    std::thread writer([&] {
        write_text(pipe, read_text(sample("quadrants.gif")));
        for (int wait = 0; wait < 30 && !opened; ++wait) std::this_thread::sleep_for(100ms);
        if (!opened) ::close(::open(pipe.c_str(), O_WRONLY | O_NONBLOCK));
    });
    rig.open(pipe);
    opened = true;
    writer.join();
    EXPECT_TRUE(rig.modal.messages.empty()) << rig.modal.messages[0].text;
    EXPECT_EQ(rig.picture().picture_size(), QSize(64, 64));
}

TEST(MainWindowModes, ModeSizesThePictureWindowWithBarsAlongIt) {
    MainWindowRig rig;
    // item, mode, picture window, client area, right end of the separator lines
    const std::tuple<const char*, WindowMode, QSize, QSize, int> modes[] = {
        {"s64_mnu", WindowMode::color64x64, {64, 64}, {301, 302}, 307},
        {"s512_mnu", WindowMode::mono512x256, {512, 256}, {557, 302}, 566},
        {"s256_mnu", WindowMode::color256x256, {256, 256}, {301, 302}, 307},
        {"s256_mnu", WindowMode::color256x256, {256, 256}, {301, 302}, 307}};  // chosen again
    for (const auto& [item, mode, size, client, line_end] : modes) {
        rig.choose(item);
        EXPECT_EQ(rig.form->window_mode(), mode) << item;
        for (const char* other : {"s64_mnu", "s256_mnu", "s512_mnu"}) {
            EXPECT_EQ(rig.action(other)->isChecked(), std::string(other) == item) << item;
        }
        const QRect area = rig.picture().geometry();
        EXPECT_EQ(area, QRect(QPoint(14, 16), size)) << item;
        EXPECT_EQ(rig.picture().pixel_width(), size.width());
        const QRect h = bar(rig, "HScroll1").geometry();
        EXPECT_EQ(QRect(h.left(), h.top() - 1, h.width(), 1),
                  QRect(area.bottomLeft(), QSize(area.width(), 1)));
        const QRect v = bar(rig, "VScroll1").geometry();
        EXPECT_EQ(QRect(v.left() - 1, v.top(), 1, v.height()),
                  QRect(area.topRight(), QSize(1, area.height())));
        EXPECT_EQ(rig.form->centralWidget()->size(), client) << item;
        EXPECT_EQ(rig.form->findChild<QWidget*>("Line1")->geometry(), QRect(0, 0, line_end, 1));
        EXPECT_EQ(rig.form->findChild<QWidget*>("Line2")->geometry(), QRect(0, 1, line_end, 1));
        expect_enabled(rig, false, false, false);
    }
}

TEST(MainWindowModes, MonoModeSwapsColourItemsForMonoItems) {
    MainWindowRig rig;
    rig.open(sample("gradient.jpg"));
    for (const char* mode : {"s512_mnu", "s64_mnu", "s512_mnu"}) {
        rig.choose(mode);
        const bool mono = std::string(mode) == "s512_mnu";
        expect_enabled(rig, true, !mono, mono);
    }
}

TEST(MainWindowScroll, BarsMeasureTheOverhang) {
    MainWindowRig rig;
    rig.open(sample("gradient.jpg"));  // 530 x 300
    expect_bar(bar(rig, "HScroll1"), true, 274, 14);
    expect_bar(bar(rig, "VScroll1"), true, 44, 2);
    rig.choose("s512_mnu");
    expect_bar(bar(rig, "HScroll1"), true, 18, 1);

    MainWindowRig exact;
    TempFolder pictures;
    exact.open(save_bmp(numbered_picture(256, 256), pictures / "fits.bmp"));
    expect_bar(bar(exact, "HScroll1"), false, 0, 1);
    expect_bar(bar(exact, "VScroll1"), false, 0, 1);
    exact.open(save_bmp(numbered_picture(257, 256), pictures / "wider.bmp"));
    expect_bar(bar(exact, "HScroll1"), true, 1, 1);
    EXPECT_FALSE(bar(exact, "VScroll1").isEnabled());
}

TEST(MainWindowScroll, ValuesPickTheShownPartUntilFitToWindow) {
    MainWindowRig rig;
    TempFolder pictures;
    const QImage source = numbered_picture(530, 300);
    rig.open(save_bmp(source, pictures / "numbered.bmp"));
    QScrollBar& h = bar(rig, "HScroll1");
    QScrollBar& v = bar(rig, "VScroll1");
    h.setValue(100);
    EXPECT_TRUE(shows_part(rig.picture(), source, 100, 0));
    v.setValue(30);
    EXPECT_TRUE(shows_part(rig.picture(), source, 100, 30));
    rig.choose("rdraw_mnu");
    EXPECT_EQ(std::pair(h.value(), v.value()), std::pair(100, 30));
    EXPECT_TRUE(shows_part(rig.picture(), source, 100, 30));

    rig.choose("ftw_mnu");
    EXPECT_FALSE(h.isEnabled() || v.isEnabled());
    // Stretched, the window's corners show the picture's corners.
    const QRgb origin = platform::rgb_of(rig.picture().pixel(0, 0));
    EXPECT_TRUE(qRed(origin) <= 2 && qGreen(origin) <= 2 && qBlue(origin) == 0) << origin;
    const QRgb corner = platform::rgb_of(rig.picture().pixel(255, 255));
    EXPECT_NEAR(qRed(corner), 529 & 255, 3);
    EXPECT_NEAR(qGreen(corner), 299 & 255, 3);
    EXPECT_EQ(qBlue(corner), (2 << 4) | 1);

    rig.choose("ftw_mnu");
    EXPECT_EQ(std::pair(h.value(), v.value()), std::pair(0, 0));
    EXPECT_TRUE(h.isEnabled() && v.isEnabled());
    EXPECT_TRUE(shows_part(rig.picture(), source, 0, 0));
}

TEST(MainWindowScroll, MinimalStepStaysUntilUnchecked) {
    MainWindowRig rig;
    rig.open(sample("gradient.jpg"));
    QScrollBar& h = bar(rig, "HScroll1");
    QScrollBar& v = bar(rig, "VScroll1");
    rig.choose("minxscrl_mnu");
    EXPECT_EQ(std::pair(h.singleStep(), v.singleStep()), std::pair(1, 2));
    rig.choose("s64_mnu");  // overhang 466 x 236
    EXPECT_EQ(std::pair(h.singleStep(), v.singleStep()), std::pair(1, 12));
    rig.open(sample("gradient.jpg"));
    EXPECT_EQ(h.singleStep(), 1);
    rig.choose("minxscrl_mnu");
    EXPECT_EQ(h.singleStep(), 23);

    rig.choose("minyscrl_mnu");
    rig.choose("s256_mnu");
    EXPECT_EQ(std::pair(h.singleStep(), v.singleStep()), std::pair(14, 1));
    rig.choose("minyscrl_mnu");
    EXPECT_EQ(v.singleStep(), 2);
}

TEST(MainWindowClose, AsksFirstAndStaysOnNo) {
    MainWindowRig rig;
    rig.form->show();
    rig.modal.answers = {platform::Answer::no, platform::Answer::yes};
    EXPECT_FALSE(rig.form->close());
    EXPECT_TRUE(rig.form->isVisible());
    EXPECT_EQ(shown(rig.modal.messages),
              (std::vector<Shown>{{"Are you sure?", "KVARO", Buttons::yes_no, Icon::question}}));
    EXPECT_TRUE(rig.form->close());
    EXPECT_FALSE(rig.form->isVisible());
}

}  // namespace
