#include "viewer/help_11m_window.h"

#include <QPointer>

#include "platform/secondary_window.h"
#include "viewer/help_texts.h"

namespace viewer {
namespace {

platform::HelpLayout form4_layout() {
    using namespace help;
    return {"Form4",
            "Help ORVAK [11M]",
            {280, client_height},
            {{"Label1",
              "File",
              8,
              {{"open_item", "Open", "Open - открыть 11M файл."},
               output_catalog,
               {"save_item", "Save", "Save - Сохранить файл 11M в формате BMP."},
               exit}},
             {"Label5",
              "View",
              112,
              {{"mono_item", "Mono", "Mono - Включить (выключить) монохромный режим"},
               change_colours,
               redraw}},
             {"Label9", "?", 240, {about, help_entry}}},
            0,
            {},
            {8, box_top, 265, box_height}};
}

}  // namespace

Form4::Form4() : platform::HelpWindow(form4_layout()) {}

void open_11m_help(QWidget& opener) {
    static QPointer<Form4> window;
    platform::show_secondary_of(window, opener, [] { return new Form4; });
}

}  // namespace viewer
