#include "converter/help_11m_window.h"

#include <QPointer>

#include "converter/help_texts.h"
#include "platform/secondary_window.h"

namespace converter {
namespace {

// The "?" column is 40 pixels wide. The row of squares is 8 pixels below
// the items, the description box 24 below the squares' top and 8 above the
// window's bottom.
constexpr int width = help::about_left + 40;
constexpr int squares_gap = 8;
constexpr int box_gap = 24;
constexpr int bottom_margin = 8;

std::vector<platform::HelpSquare> squares() {
    return {
        {{"left_button", "←", "Уменьшить ширину перекодируемой области картинки."},
         8,
         false,
         "Left arrow"},
        {{"Up_button", "↑", "Уменьшить высоту перекодируемой области картинки."},
         72,
         false,
         "Up arrow"},
        {{"Down_button", "↓", "Увеличить высоту перекодируемой области картинки."},
         136,
         false,
         "Down arrow"},
        {{"Right_button", "→", "Увеличить ширину перекодируемой области картинки."},
         200,
         false,
         "Right arrow"},
        {{"X_button", "X",
          "Если, нажат переключатель X, ширина перекодируемой области картинки уменьшается "
          "(увеличивается) на вчетверо большее количество пикселей."},
         272,
         true,
         nullptr},
        {{"Y_button", "Y",
          "Если, нажат переключатель Y, высота перекодируемой области картинки уменьшается "
          "(увеличивается) на 16 пикселей."},
         328,
         true,
         nullptr},
    };
}

std::vector<platform::HelpColumn> form7_columns() {
    using namespace help;
    return columns(
        {open,
         {"output_item", "Output_catalog",
          "Output_catalog - изменить каталог для вывода 11M файлов."},
         exit},
        window_column({{"mono_item", "Mono", "Mono - Включить монохромный режим"}},
                      {"ftw_item", "Fit_to_Window",
                       "Fit_to_Window - масштабировать картинку под размер окна."}),
        {"hlp_item", "Help", "Help - краткая справка по KVARO (подробне в файле kvaro.pdf)."});
}

platform::HelpLayout form7_layout() {
    std::vector<platform::HelpColumn> columns = form7_columns();
    const int squares_top = help::columns_bottom(columns) + squares_gap;
    const int box_top = squares_top + box_gap;
    return {"Form7",
            help::window_title,
            {width, box_top + help::box_height + bottom_margin},
            std::move(columns),
            squares_top,
            squares(),
            help::description_box(box_top, width)};
}

}  // namespace

Form7::Form7() : platform::HelpWindow(form7_layout()) {}

void open_11m_help(QWidget& opener) {
    static QPointer<Form7> window;
    platform::show_secondary_of(window, opener, [] { return new Form7; });
}

}  // namespace converter
