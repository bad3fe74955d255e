// The help windows of both programs: their layout, and items that turn red
// and explain themselves when clicked.
#include <gtest/gtest.h>

#include <QLabel>
#include <QtTest/QTest>
#include <functional>
#include <memory>

#include "converter/help_11m_window.h"
#include "converter/main_help_window.h"
#include "viewer/help_11m_window.h"
#include "viewer/main_help_window.h"

namespace {

using platform::text_colour;

constexpr int red = 255;
constexpr int black = 0;
const QString opening_text =
    QString::fromUtf8("Для вызова справки по какому-либо пункту меню кликните по нему мышью.");

struct Heading {
    const char* name;
    const char* caption;
    int left;
};

struct WindowCase {
    const char* name;
    std::function<platform::HelpWindow*()> make;
    const char* caption;
    QSize client;
    std::vector<Heading> headings;
    // Items in the order of their columns, each column from the top.
    std::vector<std::vector<const char*>> columns;
    QRect description_box;
};

void PrintTo(const WindowCase& c, std::ostream* os) {
    *os << c.name;
}

const std::vector<Heading> converter_headings{{"Label1", "File", 8},     {"Label2", "Window", 88},
                                              {"Label3", "Mono", 184},   {"Label4", "Color", 248},
                                              {"Label6", "Dither", 328}, {"Label5", "?", 424}};
const std::vector<const char*> converter_mono{"bwlev_item", "vm_item", "bwconv_item",
                                              "bwlive_item"};
const std::vector<const char*> converter_colour{"collev_item", "chcol_item", "vc_item",
                                                "colconv_item", "collive_item"};
const std::vector<const char*> converter_dither{"dnone_item", "dfs_item", "datk_item", "dord_item"};

const WindowCase window_cases[] = {
    {"Form5",
     [] { return new converter::Form5; },
     "Help KVARO",
     {480, 256},
     converter_headings,
     {{"open_item", "output_item", "exportbin_item", "exportwav_item", "exit_item"},
      {"c64x64_item", "c256x256_item", "m512x256_item", "ftw_item", "ftwstretch_item",
       "ftwwhole_item", "ftwfill_item", "rdr_item", "mxs_item", "mys_item"},
      converter_mono,
      converter_colour,
      converter_dither,
      {"about_item", "hlp_item"}},
     {8, 200, 465, 49}},
    {"Form7",
     [] { return new converter::Form7; },
     "Help KVARO",
     {464, 241},
     converter_headings,
     {{"open_item", "output_item", "exit_item"},
      {"mono_item", "ftw_item", "ftwstretch_item", "ftwwhole_item", "ftwfill_item", "rdr_item",
       "mxs_item", "mys_item"},
      converter_mono,
      converter_colour,
      converter_dither,
      {"about_item", "hlp_item"}},
     {8, 184, 449, 49}},
    {"Form3",
     [] { return new viewer::Form3; },
     "Help ORVAK",
     {312, 145},
     {{"Label1", "File", 8},
      {"Label5", "Window", 96},
      {"Label9", "View", 184},
      {"Label12", "?", 272}},
     {{"open_item", "outcat_item", "save_item", "exit_item"},
      {"col64_item", "col256_item", "mono512_item"},
      {"chcol_item", "rdraw_item"},
      {"about_item", "help_item"}},
     {8, 96, 297, 41}},
    {"Form4",
     [] { return new viewer::Form4; },
     "Help ORVAK [11M]",
     {280, 145},
     {{"Label1", "File", 8}, {"Label5", "View", 112}, {"Label9", "?", 240}},
     {{"open_item", "outcat_item", "save_item", "exit_item"},
      {"mono_item", "chcol_item", "rdraw_item"},
      {"about_item", "help_item"}},
     {8, 96, 265, 41}},
};

// The squares of Form7 that stand for the 11M window's buttons.
const std::pair<const char*, int> squares[] = {{"left_button", 8},   {"Up_button", 72},
                                               {"Down_button", 136}, {"Right_button", 200},
                                               {"X_button", 272},    {"Y_button", 328}};

class HelpWindowTest : public ::testing::TestWithParam<WindowCase> {
  protected:
    void SetUp() override { window.reset(GetParam().make()); }

    QLabel& label(const char* name) const {
        auto* found = window->findChild<QLabel*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found != nullptr ? *found : *description();
    }
    QLabel* description() const { return window->findChild<QLabel*>("Label22"); }

    std::vector<const char*> items() const {
        std::vector<const char*> names;
        for (const auto& column : GetParam().columns)
            names.insert(names.end(), column.begin(), column.end());
        if (GetParam().name == std::string("Form7")) {
            for (const auto& [name, left] : squares) names.push_back(name);
        }
        return names;
    }

    // The items that are red now.
    std::vector<std::string> red_items() const {
        std::vector<std::string> names;
        for (const char* name : items()) {
            if (text_colour(label(name)) == red) names.push_back(name);
        }
        return names;
    }

    void click(const char* name) { QTest::mouseClick(&label(name), Qt::LeftButton); }

    std::unique_ptr<platform::HelpWindow> window;
};

TEST_P(HelpWindowTest, LayoutAsDesigned) {
    const WindowCase& c = GetParam();
    EXPECT_EQ(window->objectName(), c.name);
    EXPECT_EQ(window->windowTitle(), c.caption);
    EXPECT_EQ(window->size(), c.client);
    for (const Heading& heading : c.headings) {
        QLabel& head = label(heading.name);
        EXPECT_EQ(head.text(), heading.caption);
        EXPECT_EQ(head.pos(), QPoint(heading.left, 8)) << heading.name;
        EXPECT_TRUE(head.font().bold()) << heading.name;
        EXPECT_EQ(head.palette().color(QPalette::Window), QColor(192, 255, 192)) << heading.name;
    }
    for (std::size_t column = 0; column < c.columns.size(); ++column) {
        int top = 24;
        for (const char* name : c.columns[column]) {
            EXPECT_EQ(label(name).pos(), QPoint(c.headings[column].left, top)) << name;
            top += 16;
        }
    }
    EXPECT_EQ(description()->geometry(), c.description_box);
    EXPECT_EQ(description()->text(), opening_text);
    EXPECT_EQ(description()->palette().color(QPalette::Window), QColor(Qt::white));
    for (const char* name : items()) EXPECT_EQ(text_colour(label(name)), black) << name;
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
    for (const char* name : items()) {
        click(name);
        const QRect needed = metrics.boundingRect(QRect(QPoint(), description()->size()),
                                                  Qt::TextWordWrap, description()->text());
        EXPECT_LE(needed.height(), description()->height()) << name;
        EXPECT_LE(needed.width(), description()->width()) << name;
    }
}

TEST_P(HelpWindowTest, EachClickMarksOnlyThatItemAndExplainsIt) {
    std::vector<QString> shown;
    for (const char* name : items()) {
        click(name);
        EXPECT_EQ(red_items(), std::vector<std::string>{name});
        const QString text = description()->text();
        if (!std::string(name).ends_with("_button")) {
            EXPECT_TRUE(text.startsWith(label(name).text() + " - ")) << name;
        }
        EXPECT_EQ(std::count(shown.begin(), shown.end(), text), 0) << name;
        shown.push_back(text);
    }
}

TEST_P(HelpWindowTest, ASecondClickOnTheSameItemChangesNothing) {
    const char* name = items().back();
    click(name);
    const QString text = description()->text();
    click(name);
    EXPECT_EQ(red_items(), std::vector<std::string>{name});
    EXPECT_EQ(description()->text(), text);
}

TEST_P(HelpWindowTest, HeadingsAndTheBoxDoNotReact) {
    click(items().front());
    const QString text = description()->text();
    for (const Heading& heading : GetParam().headings) {
        QTest::mouseClick(&label(heading.name), Qt::LeftButton);
    }
    QTest::mouseClick(description(), Qt::LeftButton);
    EXPECT_EQ(red_items(), std::vector<std::string>{items().front()});
    EXPECT_EQ(description()->text(), text);
}

TEST_P(HelpWindowTest, ResetItemsTurnsOnlyRedItemsBlack) {
    QLabel& other = label(items()[1]);
    QPalette green = other.palette();
    green.setColor(QPalette::WindowText, QColor(0, 128, 0));
    other.setPalette(green);
    click(items()[0]);
    window->reset_items();
    EXPECT_EQ(text_colour(label(items()[0])), black);
    EXPECT_EQ(text_colour(other), 128 * 256);
}

INSTANTIATE_TEST_SUITE_P(Windows, HelpWindowTest, ::testing::ValuesIn(window_cases),
                         [](const auto& info) { return std::string(info.param.name); });

struct TextCase {
    const char* title;
    std::function<platform::HelpWindow*()> make;
    std::vector<const char*> clicks;
    const char* shown;
};

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << c.title;
}

class HelpText : public ::testing::TestWithParam<TextCase> {};

TEST_P(HelpText, TheLastClickedItemIsExplained) {
    std::unique_ptr<platform::HelpWindow> window(GetParam().make());
    for (const char* name : GetParam().clicks) {
        QTest::mouseClick(window->findChild<QLabel*>(name), Qt::LeftButton);
    }
    EXPECT_EQ(window->findChild<QLabel*>("Label22")->text(), QString::fromUtf8(GetParam().shown));
    for (const char* name : GetParam().clicks) {
        const int expected = std::string(name) == GetParam().clicks.back() ? red : black;
        EXPECT_EQ(text_colour(*window->findChild<QLabel*>(name)), expected) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Items, HelpText,
    ::testing::Values(
        TextCase{"Form5OpenThenExit",
                 [] { return new converter::Form5; },
                 {"open_item", "exit_item"},
                 "Exit - Выход из программы."},
        TextCase{"Form5MonoConvert",
                 [] { return new converter::Form5; },
                 {"colconv_item", "bwconv_item"},
                 "Convert - перекодировка картинки в монохромную и запись её в экранном формате "
                 "БК."},
        TextCase{"Form5ColourConvert",
                 [] { return new converter::Form5; },
                 {"bwconv_item", "colconv_item"},
                 "Convert - перекодировка картинки в цветную и запись её в экранном формате БК."},
        TextCase{"Form5Help",
                 [] { return new converter::Form5; },
                 {"hlp_item"},
                 "Help - краткая справка по командам меню KVARO (подробне в файле kvaro.pdf)."},
        TextCase{"Form7X",
                 [] { return new converter::Form7; },
                 {"X_button"},
                 "Если, нажат переключатель X, ширина перекодируемой области картинки "
                 "уменьшается (увеличивается) на вчетверо большее количество пикселей."},
        TextCase{"Form7XThenMono",
                 [] { return new converter::Form7; },
                 {"X_button", "mono_item"},
                 "Mono - Включить монохромный режим"},
        TextCase{"Form7Output",
                 [] { return new converter::Form7; },
                 {"output_item"},
                 "Output_catalog - изменить каталог для вывода 11M файлов."},
        TextCase{"Form7Help",
                 [] { return new converter::Form7; },
                 {"hlp_item"},
                 "Help - краткая справка по KVARO (подробне в файле kvaro.pdf)."},
        TextCase{"Form3OpenThenSave",
                 [] { return new viewer::Form3; },
                 {"open_item", "save_item"},
                 "Save - Сохранить файл BBD или PIC в формате BMP."},
        TextCase{"Form4Open",
                 [] { return new viewer::Form4; },
                 {"open_item"},
                 "Open - открыть 11M файл."},
        TextCase{"Form4Mono",
                 [] { return new viewer::Form4; },
                 {"save_item", "mono_item"},
                 "Mono - Включить (выключить) монохромный режим"}),
    [](const auto& info) { return std::string(info.param.title); });

TEST(HelpSquares, SixSquaresInARowWithArrowsAndBoldXAndY) {
    converter::Form7 window;
    const char* glyphs[] = {"←", "↑", "↓", "→", "X", "Y"};
    for (std::size_t i = 0; i < std::size(squares); ++i) {
        auto* square = window.findChild<QLabel*>(squares[i].first);
        ASSERT_NE(square, nullptr) << squares[i].first;
        EXPECT_EQ(square->geometry(), QRect(squares[i].second, 160, 17, 17)) << squares[i].first;
        EXPECT_EQ(square->text(), QString::fromUtf8(glyphs[i]));
        EXPECT_EQ(square->font().bold(), i >= 4) << squares[i].first;
        EXPECT_FALSE(square->accessibleName().isEmpty()) << squares[i].first;
    }
}

}  // namespace
