#include "viewer/about.h"

#include <QPointer>

#include "icons/program_icons.h"
#include "platform/about_window.h"
#include "platform/secondary_window.h"

namespace viewer {
namespace {

constexpr char version[] = "ORVAK Version 2.0";
constexpr char notice[] = "Pictures from the BK screen to the PC";

constexpr platform::AboutTexts main_texts{
    "About ORVAK", version, notice,
    "Программа для конвертирования файлов экранного формата БК0010/БК0011/БК0011М в BMP-файлы ",
    icons::viewer_icon};

constexpr platform::AboutTexts texts_11m{
    "About ORVAK [11M]", version, notice,
    "Программа для конвертирования файлов формата 11М в BMP-файлы", icons::viewer_icon};

}  // namespace

void open_about(QWidget& opener, bool from_11m_window) {
    static QPointer<platform::AboutWindow> window;
    const platform::AboutTexts& texts = from_11m_window ? texts_11m : main_texts;
    platform::show_secondary_of(window, opener, [&texts] {
        return new platform::AboutWindow(texts);
    })->set_texts(texts);
}

}  // namespace viewer
