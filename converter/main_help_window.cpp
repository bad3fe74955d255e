#include "converter/main_help_window.h"

#include <QPointer>

#include "converter/help_texts.h"
#include "platform/secondary_window.h"

namespace converter {
namespace {

platform::HelpLayout form5_layout() {
    using namespace help;
    return {"Form5",
            window_title,
            {368, 208},
            {{"Label1",
              "File",
              file_left,
              {open,
               {"output_item", "Output_catalog",
                "Output_catalog - изменить каталог для вывода BBD или PIC файлов."},
               exit}},
             {"Label2",
              "Window",
              window_left,
              {{"c64x64_item", "color64x64", "color64x64 - окно 64x64 пикселей (для спрайтов)."},
               {"c256x256_item", "color256x256",
                "color256x256 - окно 256x256 пикселей (цветной режим БК)."},
               {"m512x256_item", "mono512x256",
                "mono512x256 - окно 512x256 пикселей (чёрно-белый режим БК)."},
               {"ftw_item", "Fit_to_Window",
                "Fit_to_Window - масштабирование картинки под размер окна."},
               redraw,
               min_x_scroll,
               min_y_scroll}},
             mono_column(),
             colour_column(),
             {"Label5",
              "?",
              about_left,
              {about,
               {"hlp_item", "Help",
                "Help - краткая справка по командам меню KVARO (подробне в файле kvaro.pdf)."}}}},
            0,
            {},
            {8, 152, 353, 49}};
}

}  // namespace

Form5::Form5() : platform::HelpWindow(form5_layout()) {}

void open_main_help(QWidget& opener) {
    static QPointer<Form5> window;
    platform::show_secondary_of(window, opener, [] { return new Form5; });
}

}  // namespace converter
