// The main window: settings at load, opening pictures, window modes, scroll
// bars and closing.
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

QScrollBar& bar(const MainWindowRig& rig, const char* name) {
    return *rig.form->findChild<QScrollBar*>(name);
}

// Each scroll bar as "enabled maximum/step", the horizontal one first.
std::string bars(const MainWindowRig& rig) {
    std::string text;
    for (const char* name : {"HScroll1", "VScroll1"}) {
        const QScrollBar& b = bar(rig, name);
        text += std::to_string(b.isEnabled()) + " " + std::to_string(b.maximum()) + "/" +
                std::to_string(b.singleStep()) + ";";
    }
    return text;
}

// Enabled items as 0/1: those of the window, the colour ones, the mono ones.
std::string enabled(const MainWindowRig& rig) {
    const std::vector<std::vector<const char*>> groups = {
        {"ftw_mnu", "rdraw_mnu", "minxscrl_mnu", "minyscrl_mnu"},
        {"collev_mnu", "changecol_mnu", "vcol_mnu", "convcol_mnu"},
        {"bwlev_mnu", "vm_mnu", "convbw_mnu"}};
    std::string text;
    for (const auto& group : groups) {
        for (const char* name : group) text += rig.action(name)->isEnabled() ? '1' : '0';
        text += ' ';
    }
    return text;
}

// Missing or foreign files at load: see InstalledSettings and SettingsIo.
TEST(MainWindowLoad, DefaultResolvesOnlyForBbdAndPic) {
    MainWindowRig rig(defaults_ini);
    EXPECT_TRUE(rig.load_messages.empty());
    EXPECT_EQ(std::pair(rig.state.catalogs.value(catalogs::pic_catalog),
                        rig.state.catalogs.value(catalogs::m11_catalog)),
              std::pair(rig.folder / "PIC", std::string("default")));
}

TEST(MainWindowOpen, CancelChangesNothingAndAPictureEnablesTheItemsOfTheMode) {
    MainWindowRig rig;
    rig.choose("open_mnu");
    ASSERT_EQ(rig.modal.open_requests.size(), 1u);
    EXPECT_EQ(rig.modal.open_requests[0].filter, platform::picture_filter());
    EXPECT_FALSE(rig.picture().has_picture());
    EXPECT_EQ(enabled(rig), "0000 0000 000 ");
    rig.open(sample("gradient.jpg"));
    EXPECT_TRUE(rig.modal.messages.empty());
    EXPECT_TRUE(rig.modal.ever_busy && rig.modal.busy_depth == 0);
    EXPECT_EQ(enabled(rig), "1111 1111 000 ");
    rig.choose("s512_mnu");
    EXPECT_EQ(enabled(rig), "1111 0000 111 ");
    rig.choose("s64_mnu");
    EXPECT_EQ(enabled(rig), "1111 1111 000 ");
}

TEST(MainWindowOpen, AnyNameOpensAndAFailedOpenKeepsThePreviousPicture) {
    MainWindowRig rig;
    TempFolder bad;
    const std::string name = bad / "caf\xe9.jpg";  // made in another code page
    const std::string jpeg = read_text(sample("gradient.jpg"));
    write_text(name, jpeg);
    rig.open(name);
    EXPECT_TRUE(rig.modal.messages.empty());
    const QImage before = rig.picture().image().copy();
    write_text(bad / "x.jpg", "this is not a picture\n");
    write_text(bad / "empty.jpg", "");
    write_text(bad / "cut.jpg", jpeg.substr(0, jpeg.size() / 2));
    for (const std::string file : {"x.jpg", "empty.jpg", "cut.jpg"}) {
        rig.modal.messages.clear();
        rig.open(bad / file);
        ASSERT_EQ(rig.modal.messages.size(), 1u) << file;
        const auto& message = rig.modal.messages[0];
        EXPECT_EQ(message.text.rfind("Error ", 0), 0u) << message.text;
        EXPECT_EQ(std::tie(message.title, message.icon),
                  std::tuple("KVARO: Open picture", platform::Icon::exclamation));
        EXPECT_EQ(rig.picture().image(), before) << file;
        EXPECT_EQ(rig.form->source_path(), name);
    }
    EXPECT_EQ(rig.modal.messages[0].text, "Error 5: The picture file is cut short");
}

// "kvaro photo.png", "kvaro x.jpg", "kvaro /11m photo.png": the window opens
// the file as its Open would, with the same picture, path and messages.
TEST(ConverterStart, FileOnTheCommandLineOpensAsOpenWould) {
    TempFolder files;
    const std::string png = files / "photo.png";
    ASSERT_TRUE(numbered_picture(300, 200).save(QString::fromStdString(png), "PNG"));
    write_text(files / "x.jpg", "this is not a picture\n");
    for (const std::string& file : {png, files / "x.jpg"}) {
        MainWindowRig rig(defaults_ini);
        rig.open(file);
        const std::vector<Shown> by_open = shown(rig.modal.messages);
        rig.modal.messages.clear();
        auto window = converter::start_converter("", rig.state, rig.modal, file);
        QCoreApplication::processEvents();
        EXPECT_EQ(dynamic_cast<const converter::Form1&>(*window).source_path(),
                  rig.form->source_path());
        EXPECT_EQ(window->findChild<platform::PictureWindow*>("Picture1")->image(),
                  rig.picture().image());
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
    const std::string pipe = rig.folder / "pipe.gif";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    std::atomic<bool> opened{false};
    std::thread writer([&] {
        write_text(pipe, read_text(sample("quadrants.gif")));
        for (int wait = 0; wait < 30 && !opened; ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        if (!opened) ::close(::open(pipe.c_str(), O_WRONLY | O_NONBLOCK));
    });
    rig.open(pipe);
    opened = true;
    writer.join();
    EXPECT_EQ(shown(rig.modal.messages), std::vector<Shown>{});
    EXPECT_EQ(rig.picture().picture_size(), QSize(64, 64));
}

// The picture window's size in each mode shows in the scroll bars' overhang.
TEST(MainWindowModes, OneModeCheckedAtATime) {
    MainWindowRig rig;
    const std::pair<const char*, WindowMode> modes[] = {{"s64_mnu", WindowMode::color64x64},
                                                        {"s512_mnu", WindowMode::mono512x256},
                                                        {"s256_mnu", WindowMode::color256x256},
                                                        {"s256_mnu", WindowMode::color256x256}};
    for (const auto& [item, mode] : modes) {
        rig.choose(item);
        EXPECT_EQ(rig.form->window_mode(), mode) << item;
        for (const char* other : {"s64_mnu", "s256_mnu", "s512_mnu"})
            EXPECT_EQ(rig.action(other)->isChecked(), std::string(other) == item) << item;
    }
}

TEST(MainWindowScroll, BarsMeasureTheOverhangAndTheMinimalStepStaysUntilUnchecked) {
    MainWindowRig rig;
    rig.open(sample("gradient.jpg"));  // 530 x 300
    EXPECT_EQ(bars(rig), "1 274/14;1 44/2;");
    rig.choose("minxscrl_mnu");
    EXPECT_EQ(bars(rig), "1 274/1;1 44/2;");
    rig.choose("s64_mnu");
    EXPECT_EQ(bars(rig), "1 466/1;1 236/12;");
    rig.open(sample("gradient.jpg"));
    EXPECT_EQ(bars(rig), "1 466/1;1 236/12;");
    rig.choose("minxscrl_mnu");
    rig.choose("minyscrl_mnu");
    EXPECT_EQ(bars(rig), "1 466/23;1 236/1;");
    rig.choose("s512_mnu");
    rig.choose("minyscrl_mnu");
    EXPECT_EQ(bars(rig), "1 18/1;1 44/2;");

    MainWindowRig exact;
    exact.open(save_bmp(numbered_picture(256, 256), exact.folder / "fits.bmp"));
    EXPECT_EQ(bars(exact), "0 0/1;0 0/1;");
    exact.open(save_bmp(numbered_picture(257, 256), exact.folder / "wider.bmp"));
    EXPECT_EQ(bars(exact), "1 1/1;0 0/1;");
}

TEST(MainWindowScroll, ValuesPickTheShownPartUntilFitToWindow) {
    MainWindowRig rig;
    const QImage source = numbered_picture(530, 300);
    rig.open(save_bmp(source, rig.folder / "numbered.bmp"));
    QScrollBar& h = bar(rig, "HScroll1");
    QScrollBar& v = bar(rig, "VScroll1");
    h.setValue(100);
    v.setValue(30);
    EXPECT_TRUE(shows_part(rig.picture(), source, 100, 30));
    rig.choose("rdraw_mnu");
    EXPECT_TRUE(shows_part(rig.picture(), source, 100, 30));

    rig.choose("ftw_mnu");
    EXPECT_FALSE(h.isEnabled() || v.isEnabled());
    // Stretched, the window's corners show the picture's corners.
    const QRgb origin = platform::rgb_of(rig.picture().pixel(0, 0));
    const QRgb corner = platform::rgb_of(rig.picture().pixel(255, 255));
    EXPECT_LE(qRed(origin) + qGreen(origin) + qBlue(origin), 4);
    EXPECT_NEAR(qRed(corner) + qGreen(corner), (529 & 255) + (299 & 255), 6);
    EXPECT_EQ(qBlue(corner), (2 << 4) | 1);
    rig.choose("ftw_mnu");
    EXPECT_EQ(std::tuple(h.value(), v.value(), h.isEnabled()), std::tuple(0, 0, true));
    EXPECT_TRUE(shows_part(rig.picture(), source, 0, 0));
}

TEST(MainWindowClose, AsksFirstAndStaysOnNo) {
    MainWindowRig rig;
    rig.form->show();
    rig.modal.answers = {platform::Answer::no, platform::Answer::yes};
    EXPECT_FALSE(rig.form->close());
    EXPECT_TRUE(rig.form->isVisible());
    EXPECT_EQ(shown(rig.modal.messages),
              (std::vector<Shown>{{"Are you sure?", "KVARO", platform::Buttons::yes_no,
                                   platform::Icon::question}}));
    EXPECT_TRUE(rig.form->close());
    EXPECT_FALSE(rig.form->isVisible());
}

}  // namespace
