// The help windows of both programs: items that turn red and explain
// themselves when clicked, and texts that fit their places.
#include <gtest/gtest.h>

#include <QLabel>
#include <QtTest/QTest>
#include <functional>
#include <map>
#include <memory>

#include "converter/help_11m_window.h"
#include "converter/main_help_window.h"
#include "viewer/help_11m_window.h"
#include "viewer/main_help_window.h"

namespace {

using platform::HelpItem;
using platform::text_colour;

constexpr int red = 255;

std::unique_ptr<platform::HelpWindow> make(const std::string& name) {
    static const std::map<std::string, std::function<platform::HelpWindow*()>> windows{
        {"Form5", [] { return new converter::Form5; }},
        {"Form7", [] { return new converter::Form7; }},
        {"Form3", [] { return new viewer::Form3; }},
        {"Form4", [] { return new viewer::Form4; }}};
    return std::unique_ptr<platform::HelpWindow>(windows.at(name)());
}

void click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton);
}

// A help window by name, with its caption.
class HelpWindowTest : public ::testing::TestWithParam<std::pair<const char*, const char*>> {
  protected:
    QLabel* description() const { return window->findChild<QLabel*>("Label22"); }
    QList<HelpItem*> items() const { return window->findChildren<HelpItem*>(); }
    std::vector<std::string> red_items() const {
        std::vector<std::string> names;
        for (QLabel* item : items()) {
            if (text_colour(*item) == red) names.push_back(item->objectName().toStdString());
        }
        return names;
    }

    std::unique_ptr<platform::HelpWindow> window = make(GetParam().first);
};

TEST_P(HelpWindowTest, OpensWithTheOpeningTextAndNoItemMarked) {
    EXPECT_EQ(window->objectName(), GetParam().first);
    EXPECT_EQ(window->windowTitle(), GetParam().second);
    EXPECT_EQ(description()->text(), platform::help_opening_text);
    EXPECT_EQ(red_items(), std::vector<std::string>{});
}

TEST_P(HelpWindowTest, EveryTextFitsItsPlace) {
    for (QLabel* each : window->findChildren<QLabel*>()) {
        const std::string name = each->objectName().toStdString();
        EXPECT_TRUE(window->rect().contains(each->geometry())) << name;
        const QFontMetrics metrics(each->font());
        for (const QChar glyph : each->text()) {
            EXPECT_TRUE(metrics.inFont(glyph))
                << name << " lacks U+" << std::hex << int(glyph.unicode());
        }
        if (each == description()) continue;
        const int frame = 2 * each->frameWidth();
        EXPECT_LE(metrics.horizontalAdvance(each->text()) + frame, each->width()) << name;
        EXPECT_LE(metrics.height() + frame, each->height()) << name;
    }
    // Every description, once shown, wraps into the box without being cut.
    const QFontMetrics metrics(description()->font());
    for (HelpItem* item : items()) {
        click(item);
        const int wrap = description()->wordWrap() ? Qt::TextWordWrap : 0;
        const QRect needed = metrics.boundingRect(QRect(QPoint(), description()->size()), wrap,
                                                  description()->text());
        EXPECT_LE(needed.height(), description()->height()) << item->objectName().toStdString();
        EXPECT_LE(needed.width(), description()->width()) << item->objectName().toStdString();
    }
}

// Headings and the box do not react, nor does an item clicked again.
TEST_P(HelpWindowTest, EachClickMarksOnlyThatItemAndExplainsIt) {
    std::vector<QString> shown;
    for (HelpItem* item : items()) {
        const std::string name = item->objectName().toStdString();
        click(item);
        EXPECT_EQ(red_items(), std::vector<std::string>{name});
        const QString text = description()->text();
        EXPECT_TRUE(name.ends_with("_button") || text.startsWith(item->text() + " - ")) << name;
        EXPECT_EQ(std::count(shown.begin(), shown.end(), text), 0) << name;
        shown.push_back(text);
    }
    for (QLabel* other : window->findChildren<QLabel*>()) {
        if (qobject_cast<HelpItem*>(other) == nullptr) click(other);
    }
    click(items().back());
    EXPECT_EQ(red_items(), std::vector<std::string>{items().back()->objectName().toStdString()});
    EXPECT_EQ(description()->text(), shown.back());
}

INSTANTIATE_TEST_SUITE_P(Windows, HelpWindowTest,
                         ::testing::Values(std::pair{"Form5", "Help KVARO"},
                                           std::pair{"Form7", "Help KVARO"},
                                           std::pair{"Form3", "Help ORVAK"},
                                           std::pair{"Form4", "Help ORVAK [11M]"}),
                         [](const auto& info) { return std::string(info.param.first); });

TEST(HelpWindow, ResetItemsTurnsOnlyRedItemsBlack) {
    const auto window = make("Form5");
    auto* open = window->findChild<QLabel*>("open_item");
    auto* exit = window->findChild<QLabel*>("exit_item");
    QPalette green = exit->palette();
    green.setColor(QPalette::WindowText, QColor(0, 128, 0));
    exit->setPalette(green);
    click(open);
    window->reset_items();
    EXPECT_EQ(std::pair(text_colour(*open), text_colour(*exit)), std::pair(0, 128 * 256));
}

// Items of one caption in two columns, and texts the windows do not share.
TEST(HelpWindow, ItemsOfTheSameCaptionHaveTheirOwnTexts) {
    struct Row {
        const char* window;
        const char* item;
        const char* shown;
    };
    const Row rows[] = {
        {"Form5", "bwconv_item",
         "Convert - перекодировка картинки в монохромную и запись её в экранном формате БК."},
        {"Form5", "colconv_item",
         "Convert - перекодировка картинки в цветную и запись её в экранном формате БК."},
        {"Form7", "X_button",
         "Если, нажат переключатель X, ширина перекодируемой области картинки уменьшается "
         "(увеличивается) на вчетверо большее количество пикселей."},
        {"Form7", "hlp_item", "Help - краткая справка по KVARO (подробне в файле kvaro.pdf)."},
        {"Form4", "mono_item", "Mono - Включить (выключить) монохромный режим"}};
    for (const Row& row : rows) {
        const auto window = make(row.window);
        click(window->findChild<QLabel*>(row.item));
        EXPECT_EQ(window->findChild<QLabel*>("Label22")->text(), QString::fromUtf8(row.shown))
            << row.window << " " << row.item;
    }
}

TEST(HelpWindow, SquaresShowTheArrowsAndABoldXAndY) {
    converter::Form7 window;
    QString glyphs;
    for (const char* name :
         {"left_button", "Up_button", "Down_button", "Right_button", "X_button", "Y_button"}) {
        auto* square = window.findChild<QLabel*>(name);
        ASSERT_NE(square, nullptr) << name;
        glyphs += square->text() + (square->font().bold() ? "b" : "");
        EXPECT_FALSE(square->accessibleName().isEmpty()) << name;
    }
    EXPECT_EQ(glyphs, QString::fromUtf8("←↑↓→XbYb"));
}

}  // namespace
