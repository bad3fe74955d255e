#pragma once
// The help items that the converter's two help windows share.
#include "platform/help_window.h"

namespace converter::help {

using platform::HelpEntry;

inline constexpr char window_title[] = "Help KVARO";

// Column headings and their left edges, the same in both windows.
inline constexpr int file_left = 8;
inline constexpr int window_left = 88;
inline constexpr int mono_left = 168;
inline constexpr int colour_left = 232;
inline constexpr int about_left = 312;

inline constexpr HelpEntry open{"open_item", "Open", "Open - открыть JPG, GIF или BMP файл."};
inline constexpr HelpEntry exit{"exit_item", "Exit", "Exit - Выход из программы."};
inline constexpr HelpEntry redraw{"rdr_item", "Redraw", "Redraw - перерисовать картинку."};
inline constexpr HelpEntry min_x_scroll{
    "mxs_item", "MinXscroll", "MinXscroll - установка горизонтального скроллинга в 1 пиксель."};
inline constexpr HelpEntry min_y_scroll{
    "mys_item", "MinYscroll", "MinYscroll - установка вертикального скроллинга в 1 пиксель."};

inline constexpr HelpEntry bw_levels{"bwlev_item", "BW_levels",
                                     "BW_levels - уровни белого и чёрного цветов при "
                                     "перекодировки картинки в монохромную."};
inline constexpr HelpEntry view_mono{"vm_item", "View_mono",
                                     "View_mono - перекодировка картинки в монохромную и её "
                                     "просмотр."};
inline constexpr HelpEntry convert_mono{"bwconv_item", "Convert",
                                        "Convert - перекодировка картинки в монохромную и запись "
                                        "её в экранном формате БК."};

inline constexpr HelpEntry colour_levels{"collev_item", "Color_levels",
                                         "Color_levels - уровни красного, зелёного и синего "
                                         "цветов при перекодировки картинки в цветную."};
inline constexpr HelpEntry change_colours{"chcol_item", "Change_colors",
                                          "Change_colors - замена цветов (красный на зелёный, "
                                          "зелёный на синий и т. д.) при перекодировки картинки."};
inline constexpr HelpEntry view_colour{"vc_item", "View_color",
                                       "View_color - перекодировка картинки в цветную и её "
                                       "просмотр."};
inline constexpr HelpEntry convert_colour{"colconv_item", "Convert",
                                          "Convert - перекодировка картинки в цветную и запись "
                                          "её в экранном формате БК."};

inline constexpr HelpEntry about{"about_item", "About", "About - о программе KVARO."};

inline platform::HelpColumn mono_column() {
    return {"Label3", "Mono", mono_left, {bw_levels, view_mono, convert_mono}};
}

inline platform::HelpColumn colour_column() {
    return {"Label4",
            "Color",
            colour_left,
            {colour_levels, change_colours, view_colour, convert_colour}};
}

}  // namespace converter::help
