// The About windows, and how help and About windows are opened: at the
// opener's top-left corner, not modal, one of each, gone with the opener.
#include "platform/about_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QtTest/QTest>

#include "converter/about.h"
#include "converter/help_11m_window.h"
#include "converter/main_help_window.h"
#include "tests/support/main_window_rig.h"
#include "viewer/about.h"
#include "viewer/help_11m_window.h"
#include "viewer/main_help_window.h"

namespace {

using namespace testing_support;

QString text_of(const QWidget& window, const char* name) {
    auto* label = window.findChild<QLabel*>(name);
    return label != nullptr ? label->text() : QString("(missing %1)").arg(name);
}

// A stand-in for a main window that opens secondary windows.
struct Opener {
    Opener() { widget->move(120, 90); }
    ~Opener() { flush_deletes(); }
    std::unique_ptr<QWidget> widget = std::make_unique<QWidget>();
};

struct AboutCase {
    const char* title;
    std::function<void(QWidget&)> open;
    const char* caption;
    const char* version;
    const char* description;
};

void PrintTo(const AboutCase& c, std::ostream* os) {
    *os << c.title;
}

class AboutTexts : public ::testing::TestWithParam<AboutCase> {};

TEST_P(AboutTexts, CaptionVersionDescriptionAndIcon) {
    Opener opener;
    GetParam().open(*opener.widget);
    QWidget* about = top_level("frmAbout");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), GetParam().caption);
    EXPECT_EQ(text_of(*about, "lblVersion"), GetParam().version);
    EXPECT_EQ(text_of(*about, "lblDescription"), QString::fromUtf8(GetParam().description));
    EXPECT_FALSE(text_of(*about, "Label1").isEmpty());
    const QPixmap icon = about->findChild<QLabel*>("picIcon")->pixmap();
    EXPECT_EQ(icon.size(), QSize(32, 32));
}

INSTANTIATE_TEST_SUITE_P(
    Programs, AboutTexts,
    ::testing::Values(
        AboutCase{"Converter", [](QWidget& opener) { converter::open_about(opener); },
                  "About KVARO", "KVARO Version 5.0",
                  "Программа для конвертирования JPG, GIF или BMP- файлов в экранный формат "
                  "БК0010/БК0011/БК0011М"},
        AboutCase{"Viewer", [](QWidget& opener) { viewer::open_about(opener, false); },
                  "About ORVAK", "ORVAK Version 2.0",
                  "Программа для конвертирования файлов экранного формата "
                  "БК0010/БК0011/БК0011М в BMP-файлы "},
        AboutCase{"Viewer11M", [](QWidget& opener) { viewer::open_about(opener, true); },
                  "About ORVAK [11M]", "ORVAK Version 2.0",
                  "Программа для конвертирования файлов формата 11М в BMP-файлы"}),
    [](const auto& info) { return std::string(info.param.title); });

TEST(AboutWindow, LayoutAndEtchedSeparator) {
    Opener opener;
    converter::open_about(*opener.widget);
    QWidget* about = top_level("frmAbout");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->size(), QSize(300, 157));
    const std::pair<const char*, QRect> places[] = {{"picIcon", {16, 16, 32, 32}},
                                                    {"lblVersion", {70, 16, 259, 15}},
                                                    {"Label1", {72, 37, 272, 15}},
                                                    {"lblDescription", {8, 64, 283, 30}}};
    for (const auto& [name, place] : places) {
        auto* label = about->findChild<QLabel*>(name);
        EXPECT_EQ(label->geometry(), place) << name;
        if (label->text().isEmpty()) continue;
        // What shows of each text lies inside the window and inside its label.
        const QRect needed = label->fontMetrics().boundingRect(QRect(QPoint(), label->size()),
                                                               Qt::TextWordWrap, label->text());
        EXPECT_LE(needed.height(), label->height()) << name;
        EXPECT_LE(label->x() + needed.width(), about->width()) << name;
    }
    const auto lines = about->findChildren<QWidget*>("Line1");
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0]->geometry(), QRect(7, 105, 287, 1));
    EXPECT_EQ(lines[0]->palette().color(QPalette::Window), QColor(128, 128, 128));
    EXPECT_EQ(lines[1]->geometry(), QRect(7, 106, 287, 1));
    EXPECT_EQ(lines[1]->palette().color(QPalette::Window), QColor(255, 255, 255));
    auto* ok = about->findChild<QPushButton*>("cmdOK");
    EXPECT_EQ(ok->text(), "OK");
    EXPECT_EQ(ok->geometry(), QRect(112, 120, 84, 23));
}

struct CloseCase {
    const char* name;
    std::function<void(QWidget&)> close;
};

void PrintTo(const CloseCase& c, std::ostream* os) {
    *os << c.name;
}

class AboutCloses : public ::testing::TestWithParam<CloseCase> {};

TEST_P(AboutCloses, ByOkEnterOrEsc) {
    Opener opener;
    converter::open_about(*opener.widget);
    ASSERT_NE(top_level("frmAbout"), nullptr);
    GetParam().close(*top_level("frmAbout"));
    EXPECT_EQ(top_level("frmAbout"), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, AboutCloses,
    ::testing::Values(
        CloseCase{"Ok", [](QWidget& about) { about.findChild<QPushButton*>("cmdOK")->click(); }},
        CloseCase{"Enter", [](QWidget& about) { QTest::keyClick(&about, Qt::Key_Return); }},
        CloseCase{"Esc", [](QWidget& about) { QTest::keyClick(&about, Qt::Key_Escape); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AboutWindow, TakesTheTextsOfTheLatestOpener) {
    Opener opener;
    viewer::open_about(*opener.widget, true);
    viewer::open_about(*opener.widget, false);
    QWidget* about = top_level("frmAbout");
    EXPECT_EQ(about->windowTitle(), "About ORVAK");
    EXPECT_EQ(text_of(*about, "lblDescription"),
              QString::fromUtf8("Программа для конвертирования файлов экранного формата "
                                "БК0010/БК0011/БК0011М в BMP-файлы "));
}

struct OpenCase {
    const char* name;
    std::function<void(QWidget&)> open;
};

void PrintTo(const OpenCase& c, std::ostream* os) {
    *os << c.name;
}

class Opening : public ::testing::TestWithParam<OpenCase> {};

TEST_P(Opening, AtTheOpenersCornerNotModalOnceAndGoneWithTheOpener) {
    Opener opener;
    GetParam().open(*opener.widget);
    QWidget* window = top_level(GetParam().name);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(window->pos(), QPoint(120, 90));
    window->move(400, 300);
    opener.widget->move(20, 30);
    GetParam().open(*opener.widget);
    EXPECT_EQ(top_level(GetParam().name), window);
    EXPECT_EQ(window->pos(), QPoint(20, 30));
    int count = 0;
    for (QWidget* each : QApplication::topLevelWidgets()) {
        count += each->objectName() == GetParam().name;
    }
    EXPECT_EQ(count, 1);
    opener.widget.reset();
    EXPECT_EQ(top_level(GetParam().name), nullptr);
}

TEST_P(Opening, AClosedWindowOpensAfresh) {
    Opener opener;
    GetParam().open(*opener.widget);
    top_level(GetParam().name)->close();
    EXPECT_EQ(top_level(GetParam().name), nullptr);
    GetParam().open(*opener.widget);
    EXPECT_NE(top_level(GetParam().name), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, Opening,
    ::testing::Values(OpenCase{"Form5", [](QWidget& opener) { converter::open_main_help(opener); }},
                      OpenCase{"Form7", [](QWidget& opener) { converter::open_11m_help(opener); }},
                      OpenCase{"Form3", [](QWidget& opener) { viewer::open_main_help(opener); }},
                      OpenCase{"Form4", [](QWidget& opener) { viewer::open_11m_help(opener); }},
                      OpenCase{"frmAbout",
                               [](QWidget& opener) { viewer::open_about(opener, true); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ConverterMainWindow, QuestionMarkMenuOpensAboutAndHelp) {
    MainWindowRig rig;
    rig.form->move(60, 50);
    EXPECT_EQ(rig.action("dsc_mnu")->shortcut(), QKeySequence("F1"));
    for (const auto& [item, window] : {std::pair{"about_mnu", "frmAbout"}, {"dsc_mnu", "Form5"}}) {
        EXPECT_TRUE(rig.action(item)->isEnabled()) << item;
        rig.choose(item);
        QWidget* opened = top_level(window);
        ASSERT_NE(opened, nullptr) << window;
        EXPECT_EQ(opened->pos(), QPoint(60, 50)) << window;
    }
    EXPECT_EQ(top_level("frmAbout")->windowTitle(), "About KVARO");
    rig.form.reset();
    EXPECT_EQ(top_level("frmAbout"), nullptr);
    EXPECT_EQ(top_level("Form5"), nullptr);
}

}  // namespace
