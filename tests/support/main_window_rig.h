#pragma once
// The converter's main window over a fresh program folder, answered by a
// script, and the helpers the window tests share.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "converter/main_window.h"
#include "platform/picture_window.h"
#include "platform/scripted_modal.h"
#include "tests/support/temp_folder.h"

namespace testing_support {

inline const std::string defaults_ini =
    "*******KVARO_Ini*******\r\nBBD catalog>\r\ndefault\r\nPIC catalog>\r\ndefault\r\n"
    "11M catalog>\r\ndefault\r\n";

// Deletes the windows that closed themselves (WA_DeleteOnClose).
inline void flush_deletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

inline QWidget* top_level(const char* name) {
    flush_deletes();
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name) return widget;
    }
    return nullptr;
}

struct MainWindowRig {
    // `ini` becomes kvaro.ini unless empty; what loading showed goes to load_messages.
    explicit MainWindowRig(const std::string& ini = {}) : state(folder.path()) {
        if (!ini.empty()) write_text(folder / "kvaro.ini", ini);
        form = std::make_unique<converter::Form1>(state, modal);
        load_messages.swap(modal.messages);
    }
    ~MainWindowRig() {
        form.reset();
        flush_deletes();
    }
    QAction* action(const char* name) const {
        auto* found = form->findChild<QAction*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void choose(const char* name) {
        if (QAction* found = action(name)) found->trigger();
    }
    void open(const std::string& path) {
        modal.files.push_back(path);
        choose("open_mnu");
    }
    platform::PictureWindow& picture() const {
        return *form->findChild<platform::PictureWindow*>("Picture1");
    }

    TempFolder folder;
    converter::ConverterState state;
    platform::ScriptedModal modal;
    std::unique_ptr<converter::Form1> form;
    std::vector<platform::ShownMessage> load_messages;
};

// Every pixel its own colour: red x % 256, green y % 256, blue (x / 256) * 16 + y / 256.
inline QImage numbered_picture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, qRgb(x & 255, y & 255, ((x >> 8) << 4) | (y >> 8)));
        }
    }
    return image;
}

inline std::string save_bmp(const QImage& image, const std::string& path) {
    EXPECT_TRUE(image.save(QString::fromStdString(path), "BMP")) << path;
    return path;
}

// Messages as comparable tuples: text, title, buttons, icon.
using Shown = std::tuple<std::string, std::string, platform::Buttons, platform::Icon>;
inline std::vector<Shown> shown(const std::vector<platform::ShownMessage>& messages) {
    std::vector<Shown> result;
    for (const auto& m : messages) result.emplace_back(m.text, m.title, m.buttons, m.icon);
    return result;
}

inline std::int32_t packed(QRgb rgb) {
    return qRed(rgb) + 256 * qGreen(rgb) + 65536 * qBlue(rgb);
}

// The window shows, pixel for pixel, the part of `source` whose top-left corner is (left, top).
inline ::testing::AssertionResult shows_part(const platform::PictureWindow& window,
                                             const QImage& source, int left, int top) {
    for (int y = 0; y < window.pixel_height(); ++y) {
        for (int x = 0; x < window.pixel_width(); ++x) {
            if (window.pixel(x, y) != packed(source.pixel(left + x, top + y))) {
                return ::testing::AssertionFailure() << "differs at (" << x << "," << y << ")";
            }
        }
    }
    return ::testing::AssertionSuccess();
}

}  // namespace testing_support
