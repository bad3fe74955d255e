#pragma once
// The help items of the converter's two help windows, and how the windows
// are laid out around them.
//
// Every menu command of a converter window has its item, one row of the
// column that stands for its menu, in the menu's order (the window tests
// walk the menus and check it). A window's height follows its tallest
// column, so a new menu command needs only its row here: an entry that the
// column lists.
#include <QRect>
#include <algorithm>
#include <vector>

#include "platform/help_window.h"

namespace converter::help {

using platform::HelpEntry;

inline constexpr char window_title[] = "Help KVARO";

// Column headings and their left edges, the same in both windows, in the
// order of the menu bar.
inline constexpr int file_left = 8;
inline constexpr int window_left = 88;
inline constexpr int mono_left = 184;
inline constexpr int colour_left = 248;
inline constexpr int dither_left = 328;
inline constexpr int about_left = 424;

// Below the items: the description box, 49 pixels high and 15 narrower than
// the window.
inline constexpr int box_left = 8;
inline constexpr int box_height = 49;
inline constexpr int box_margin = 15;

inline constexpr HelpEntry open{
    "open_item", "Open",
    "Open - открыть картинку: JPG, GIF, BMP, PNG или другой формат, который читает Qt."};
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

inline constexpr HelpEntry fit_stretch{
    "ftwstretch_item", "Fit_stretch",
    "Fit_stretch - Fit_to_window растягивает картинку на всё окно, как бы ни были "
    "велики её стороны."};
inline constexpr HelpEntry fit_whole_picture{
    "ftwwhole_item", "Fit_whole_picture",
    "Fit_whole_picture - Fit_to_window вписывает картинку в окно целиком, в её настоящих "
    "пропорциях на экране БК, по центру, на чёрном поле."};
inline constexpr HelpEntry fit_fill{
    "ftwfill_item", "Fit_fill",
    "Fit_fill - Fit_to_window заполняет всё окно картинкой в её настоящих пропорциях на "
    "экране БК; что не вошло, обрезается, полоса прокрутки выбирает, что останется."};

// Live_view is one item, at the end of both the Mono and the Color menu.
inline constexpr HelpEntry live_view_mono{
    "bwlive_item", "Live_view",
    "Live_view - после View_mono или Convert картинка перекодируется в монохромную заново "
    "сразу, как только меняются уровни, дизеринг или область."};
inline constexpr HelpEntry live_view_colour{
    "collive_item", "Live_view",
    "Live_view - после View_color или Convert картинка перекодируется в цветную заново "
    "сразу, как только меняются уровни, замена цветов, дизеринг или область."};

inline constexpr HelpEntry about{"about_item", "About", "About - о программе KVARO."};

// The Window column: the window's own items, then those that steer the
// picture in both windows, from the window's own Fit_to_Window (each window
// words it its own way).
inline platform::HelpColumn window_column(std::vector<HelpEntry> own,
                                          const HelpEntry& fit_to_window) {
    for (const HelpEntry& entry : {fit_to_window, fit_stretch, fit_whole_picture, fit_fill, redraw,
                                   min_x_scroll, min_y_scroll})
        own.push_back(entry);
    return {"Label2", "Window", window_left, std::move(own)};
}

// A window's columns: its File and Window columns, then the Mono, Color,
// Dither and "?" columns that both windows share but for the Help item's
// words.
inline std::vector<platform::HelpColumn> columns(std::vector<HelpEntry> file,
                                                 platform::HelpColumn window,
                                                 const HelpEntry& help) {
    return {{"Label1", "File", file_left, std::move(file)},
            std::move(window),
            {"Label3", "Mono", mono_left, {bw_levels, view_mono, convert_mono, live_view_mono}},
            {"Label4",
             "Color",
             colour_left,
             {colour_levels, change_colours, view_colour, convert_colour, live_view_colour}},
            {"Label6",
             "Dither",
             dither_left,
             {{"dnone_item", "None",
               "None - без дизеринга: каждый пиксель перекодируется по уровням отдельно."},
              {"dfs_item", "Floyd-Steinberg",
               "Floyd-Steinberg - дизеринг Флойда-Стейнберга: ошибка цвета каждого пикселя "
               "рассеивается на соседние, и картинка передаёт полутона."},
              {"datk_item", "Atkinson",
               "Atkinson - дизеринг Аткинсона: рассеивается только часть ошибки, картинка "
               "резче и контрастнее."},
              {"dord_item", "Ordered",
               "Ordered - упорядоченный дизеринг узором 8x8: изменение в одном месте картинки "
               "не меняет пиксели в другом."}}},
            {"Label5", "?", about_left, {about, help}}};
}

// The bottom of the tallest column's last item.
inline int columns_bottom(const std::vector<platform::HelpColumn>& columns) {
    std::size_t rows = 0;
    for (const platform::HelpColumn& column : columns) rows = std::max(rows, column.entries.size());
    return platform::help_first_row + int(rows) * platform::help_row_step;
}

// The description box at `top`, across a window `width` wide.
inline QRect description_box(int top, int width) {
    return {box_left, top, width - box_margin, box_height};
}

}  // namespace converter::help
