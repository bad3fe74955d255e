#include "viewer/main_help_window.h"

#include <QPointer>

#include "platform/secondary_window.h"
#include "viewer/help_texts.h"

namespace viewer {
namespace {

platform::HelpLayout form3_layout() {
    using namespace help;
    return {"Form3",
            "Help ORVAK",
            {312, client_height},
            {{"Label1",
              "File",
              8,
              {{"open_item", "Open",
                "Open - открыть BBD, PIC или BIN файл, или WAV файл с записью ленты БК-0010."},
               output_catalog,
               {"save_item", "Save", "Save - Сохранить файл BBD или PIC в формате BMP."},
               exit}},
             {"Label5",
              "Window",
              96,
              {{"col64_item", "Color64x64",
                "Color64x64 - Установить размер окна 64x64 пикселя (для файлов BBD)."},
               {"col256_item", "Color256x256",
                "Color256x256 - Установить размер окна 256x256 пикселей (для цветных файлов "
                "PIC)."},
               {"mono512_item", "Mono512x256",
                "Mono512x256 - Установить размер окна 512x256 пикселей (для монохромных файлов "
                "PIC)."}}},
             {"Label9", "View", 184, {change_colours, redraw}},
             {"Label12", "?", 272, {about, help_entry}}},
            0,
            {},
            {8, box_top, 297, box_height}};
}

}  // namespace

Form3::Form3() : platform::HelpWindow(form3_layout()) {}

void open_main_help(QWidget& opener) {
    static QPointer<Form3> window;
    platform::show_secondary_of(window, opener, [] { return new Form3; });
}

}  // namespace viewer
