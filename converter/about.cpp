#include "converter/about.h"

#include <QPointer>

#include "icons/program_icons.h"
#include "platform/about_window.h"
#include "platform/secondary_window.h"

namespace converter {

namespace {

constexpr platform::AboutTexts about_texts{
    "About KVARO", "KVARO Version 5.0", "Pictures from the PC to the BK screen",
    "Программа для конвертирования JPG, GIF или BMP- файлов в экранный формат "
    "БК0010/БК0011/БК0011М",
    icons::converter_icon};

}  // namespace

void open_about(QWidget& opener) {
    static QPointer<platform::AboutWindow> window;
    platform::show_secondary_of(window, opener,
                                [] { return new platform::AboutWindow(about_texts); });
}

}  // namespace converter
