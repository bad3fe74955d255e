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
using Open = std::function<void(QWidget&)>;

// A stand-in for a main window that opens secondary windows.
struct Opener {
    Opener() { widget->move(120, 90); }
    ~Opener() { flush_deletes(); }
    std::unique_ptr<QWidget> widget = std::make_unique<QWidget>();
};

QString text_of(const QWidget& window, const char* name) {
    auto* label = window.findChild<QLabel*>(name);
    return label != nullptr ? label->text() : QString("(missing %1)").arg(name);
}

TEST(AboutWindow, CaptionVersionDescriptionAndIconFitTheWindow) {
    struct Row {
        Open open;
        const char* caption;
        const char* version;
        const char* description;
    };
    const Row rows[] = {
        {[](QWidget& opener) { converter::open_about(opener); }, "About KVARO", "KVARO Version 5.0",
         "Программа для конвертирования JPG, GIF или BMP- файлов в экранный формат "
         "БК0010/БК0011/БК0011М"},
        {[](QWidget& opener) { viewer::open_about(opener, false); }, "About ORVAK",
         "ORVAK Version 2.0",
         "Программа для конвертирования файлов экранного формата БК0010/БК0011/БК0011М в "
         "BMP-файлы "},
        {[](QWidget& opener) { viewer::open_about(opener, true); }, "About ORVAK [11M]",
         "ORVAK Version 2.0", "Программа для конвертирования файлов формата 11М в BMP-файлы"}};
    for (const Row& row : rows) {
        Opener opener;
        row.open(*opener.widget);
        QWidget* about = top_level("frmAbout");
        ASSERT_NE(about, nullptr) << row.caption;
        EXPECT_EQ(about->windowTitle(), row.caption);
        EXPECT_EQ(text_of(*about, "lblVersion"), row.version);
        EXPECT_EQ(text_of(*about, "lblDescription"), QString::fromUtf8(row.description));
        EXPECT_FALSE(text_of(*about, "Label1").isEmpty());
        EXPECT_EQ(about->findChild<QLabel*>("picIcon")->pixmap().size(), QSize(32, 32));
        // What shows of each text lies inside the window and inside its label.
        for (QLabel* label : about->findChildren<QLabel*>()) {
            const QRect needed = label->fontMetrics().boundingRect(QRect(QPoint(), label->size()),
                                                                   Qt::TextWordWrap, label->text());
            EXPECT_LE(needed.height(), label->height()) << row.caption;
            EXPECT_LE(label->x() + needed.width(), about->width()) << row.caption;
        }
    }
}

TEST(AboutWindow, ClosesByOkEnterOrEsc) {
    const std::function<void(QWidget&)> closers[] = {
        [](QWidget& about) { about.findChild<QPushButton*>("cmdOK")->click(); },
        [](QWidget& about) { QTest::keyClick(&about, Qt::Key_Return); },
        [](QWidget& about) { QTest::keyClick(&about, Qt::Key_Escape); }};
    for (const auto& close : closers) {
        Opener opener;
        converter::open_about(*opener.widget);
        ASSERT_NE(top_level("frmAbout"), nullptr);
        close(*top_level("frmAbout"));
        EXPECT_EQ(top_level("frmAbout"), nullptr);
    }
}

TEST(AboutWindow, TakesTheTextsOfTheLatestOpener) {
    Opener opener;
    viewer::open_about(*opener.widget, true);
    viewer::open_about(*opener.widget, false);
    EXPECT_EQ(top_level("frmAbout")->windowTitle(), "About ORVAK");
}

class Opening : public ::testing::TestWithParam<std::pair<const char*, Open>> {};

TEST_P(Opening, AtTheOpenersCornerNotModalOnceAndGoneWithTheOpener) {
    const auto& [name, open] = GetParam();
    Opener opener;
    open(*opener.widget);
    QWidget* window = top_level(name);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(window->pos(), QPoint(120, 90));
    window->move(400, 300);
    opener.widget->move(20, 30);
    open(*opener.widget);
    EXPECT_EQ(top_level(name), window);
    EXPECT_EQ(window->pos(), QPoint(20, 30));
    const auto windows = QApplication::topLevelWidgets();
    EXPECT_EQ(std::count_if(windows.begin(), windows.end(),
                            [name](QWidget* each) { return each->objectName() == name; }),
              1);
    window->close();
    EXPECT_EQ(top_level(name), nullptr);
    open(*opener.widget);  // afresh
    EXPECT_NE(top_level(name), nullptr);
    opener.widget.reset();
    EXPECT_EQ(top_level(name), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Windows, Opening,
                         ::testing::Values(std::pair{"Form5", Open(converter::open_main_help)},
                                           std::pair{"Form7", Open(converter::open_11m_help)},
                                           std::pair{"Form3", Open(viewer::open_main_help)},
                                           std::pair{"Form4", Open(viewer::open_11m_help)},
                                           std::pair{"frmAbout", Open([](QWidget& opener) {
                                                         viewer::open_about(opener, true);
                                                     })}),
                         [](const auto& info) { return std::string(info.param.first); });

TEST(ConverterMainWindow, QuestionMarkMenuOpensAboutAndHelpAtItsCorner) {
    MainWindowRig rig;
    rig.form->move(60, 50);
    for (const auto& [item, window] : {std::pair{"about_mnu", "frmAbout"}, {"dsc_mnu", "Form5"}}) {
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
