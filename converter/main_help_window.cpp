#include "converter/main_help_window.h"

#include <QPointer>

#include "converter/help_texts.h"
#include "platform/secondary_window.h"

namespace converter {
namespace {

// The "?" column is 56 pixels wide; the description box starts 16 pixels
// below the items and ends 7 above the window's bottom.
constexpr int width = help::about_left + 56;
constexpr int box_gap = 16;
constexpr int bottom_margin = 7;

std::vector<platform::HelpColumn> form5_columns() {
    using namespace help;
    return columns(
        {open,
         {"output_item", "Output_catalog",
          "Output_catalog - изменить каталог для вывода BBD или PIC файлов."},
         {"exportbin_item", "Export_bin",
          "Export_bin - перекодировка картинки и запись её в BIN файл для эмуляторов БК "
          "(экран с адресом и длиной загрузки), в каталог PIC."},
         {"exportwav_item", "Export_wav",
          "Export_wav - перекодировка картинки и запись её в WAV файл, в каталог PIC, для "
          "загрузки в БК-0010 с магнитофона командой M монитора (имя на ленте показывается "
          "после записи)."},
         exit},
        window_column(
            {{"c64x64_item", "color64x64", "color64x64 - окно 64x64 пикселей (для спрайтов)."},
             {"c256x256_item", "color256x256",
              "color256x256 - окно 256x256 пикселей (цветной режим БК)."},
             {"m512x256_item", "mono512x256",
              "mono512x256 - окно 512x256 пикселей (чёрно-белый режим БК)."}},
            {"ftw_item", "Fit_to_Window",
             "Fit_to_Window - масштабирование картинки под размер окна."}),
        {"hlp_item", "Help",
         "Help - краткая справка по командам меню KVARO (подробне в файле kvaro.pdf)."});
}

platform::HelpLayout form5_layout() {
    std::vector<platform::HelpColumn> columns = form5_columns();
    const int box_top = help::columns_bottom(columns) + box_gap;
    return {"Form5",
            help::window_title,
            {width, box_top + help::box_height + bottom_margin},
            std::move(columns),
            0,
            {},
            help::description_box(box_top, width)};
}

}  // namespace

Form5::Form5() : platform::HelpWindow(form5_layout()) {}

void open_main_help(QWidget& opener) {
    static QPointer<Form5> window;
    platform::show_secondary_of(window, opener, [] { return new Form5; });
}

}  // namespace converter
