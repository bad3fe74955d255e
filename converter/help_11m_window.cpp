#include "converter/help_11m_window.h"

#include <QPointer>

#include "converter/help_texts.h"
#include "platform/secondary_window.h"

namespace converter {
namespace {

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

platform::HelpLayout form7_layout() {
    using namespace help;
    return {
        "Form7",
        window_title,
        {352, 193},
        {{"Label1",
          "File",
          file_left,
          {open,
           {"output_item", "Output_catalog",
            "Output_catalog - изменить каталог для вывода 11M файлов."},
           exit}},
         {"Label2",
          "Window",
          window_left,
          {{"mono_item", "Mono", "Mono - Включить монохромный режим"},
           {"ftw_item", "Fit_to_Window",
            "Fit_to_Window - масштабировать картинку под размер окна."},
           redraw,
           min_x_scroll,
           min_y_scroll}},
         mono_column(),
         colour_column(),
         {"Label5",
          "?",
          about_left,
          {about,
           {"hlp_item", "Help", "Help - краткая справка по KVARO (подробне в файле kvaro.pdf)."}}}},
        112,
        squares(),
        {8, 136, 337, 49}};
}

}  // namespace

Form7::Form7() : platform::HelpWindow(form7_layout()) {}

void open_11m_help(QWidget& opener) {
    static QPointer<Form7> window;
    platform::show_secondary_of(window, opener, [] { return new Form7; });
}

}  // namespace converter
