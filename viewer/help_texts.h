#pragma once
// The help items that the viewer's two help windows share.
#include "platform/help_window.h"

namespace viewer::help {

using platform::HelpEntry;

inline constexpr HelpEntry output_catalog{
    "outcat_item", "Output_catalog", "Output_catalog - изменить каталог для вывода BMP файлов."};
inline constexpr HelpEntry exit{"exit_item", "Exit", "Exit - Выход из программы."};
inline constexpr HelpEntry change_colours{
    "chcol_item", "Change_colors", "Change_colors - замена цветов БК на один из 16 цветов PC."};
inline constexpr HelpEntry redraw{"rdraw_item", "Redraw", "Redraw - перерисовать картинку."};
inline constexpr HelpEntry about{"about_item", "About", "About - о программе ORVAK."};
inline constexpr HelpEntry help_entry{
    "help_item", "Help",
    "Help - краткая справка по командам меню ORVAK (подробне в файле kvaro.pdf)."};

// Both windows: 145 pixels high, the description box below the items.
inline constexpr int client_height = 145;
inline constexpr int box_top = 96;
inline constexpr int box_height = 41;

}  // namespace viewer::help
