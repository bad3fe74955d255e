#include "converter/main_window.h"

#include <QMenuBar>

#include "catalogs/output_files_dialog.h"
#include "catalogs/settings_io.h"
#include "converter/about.h"
#include "converter/conversion_pane.h"
#include "converter/convert_command.h"
#include "converter/dither_menu.h"
#include "converter/main_help_window.h"
#include "engine/screen_file.h"
#include "formats/bin_file.h"
#include "formats/tape.h"
#include "platform/menus.h"
#include "platform/picture_window.h"

namespace converter {
namespace {

// Window geometry in pixels. The picture window's top-left corner never
// moves; the client area grows with it.
constexpr QPoint picture_origin{14, 16};
constexpr int arrow_parts = 20;         // a scroll bar's arrow step is its Max / 20
constexpr QSize client_margin{45, 46};  // client = picture window + margin
constexpr int short_line_end = 307;     // separator end in the two colour modes
constexpr int long_line_margin = 54;    // separator end past a 512 picture window

struct ModeGeometry {
    QSize picture;
    QSize client;
    int line_end;
};

ModeGeometry geometry_of(WindowMode mode) {
    switch (mode) {
        case WindowMode::color64x64:
            return {{64, 64}, QSize(256, 256) + client_margin, short_line_end};
        case WindowMode::color256x256:
            return {{256, 256}, QSize(256, 256) + client_margin, short_line_end};
        case WindowMode::mono512x256:
            break;
    }
    return {{512, 256}, QSize(512, 256) + client_margin, 512 + long_line_margin};
}

std::string tape_name_message(const bk::tape::Name& name) {
    return "Tape name: \"" + bk::tape::name_text(name) +
           "\". On the BK-0010, type M and Enter at the monitor's prompt, then this name "
           "exactly (letter case too) and Enter, and play the tape.";
}

}  // namespace

Form1::Form1(ConverterState& state, platform::Modal& modal, QWidget* parent)
    : platform::MainWindow(modal, {"Form1", "KVARO v.5.0", "KVARO"}, parent),
      state_(state),
      modal_(modal) {
    create_controls();
    create_menus();
    set_window_mode(WindowMode::color256x256);
    catalogs::read_settings_at_load(state_.catalogs, modal_,
                                    {catalogs::bbd_catalog, catalogs::pic_catalog});
}

Form1::~Form1() = default;

void Form1::create_controls() {
    pane_ = new ConversionPane(*this, {picture_origin, arrow_parts, ViewPlace::top_left},
                               state_.dither, state_.fit_shape);
    live_ = new LiveView(*pane_, state_.live_view,
                         [this](ViewResult result, platform::PixelSurface& surface) {
                             walk_result(result, surface);
                         });
}

QAction* Form1::add_item(QMenu* menu, const char* name, const char* caption,
                         const QKeySequence& shortcut, void (Form1::*handler)()) {
    return platform::add_menu_item(*menu, name, caption, shortcut, this, handler);
}

void Form1::create_menus() {
    auto menu = [this](const char* name, const char* caption) {
        return platform::add_menu(*this, name, caption);
    };
    QMenu* file = menu("file_mnu", "File");
    add_item(file, "open_mnu", "Open", QKeySequence("Ctrl+O"), &Form1::open_picture);
    add_item(file, "outcat_mnu", "Output_catalog", {}, &Form1::show_output_files);
    export_bin_ = add_item(file, "exportbin_mnu", "Export_bin", {}, &Form1::export_bin);
    export_bin_->setEnabled(false);
    export_bin_->setStatusTip("Convert the screen and write it as a .bin file for BK emulators");
    export_wav_ = add_item(file, "exportwav_mnu", "Export_wav", {}, &Form1::export_wav);
    export_wav_->setEnabled(false);
    export_wav_->setStatusTip("Convert the screen and write it as a .wav tape for the BK-0010");
    QAction* exit = add_item(file, "exit_mnu", "Exit", {}, nullptr);
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QMenu* window = menu("window_mnu", "Window");
    mode_items_.add(*window,
                    {{"s64_mnu", "color64x64", WindowMode::color64x64},
                     {"s256_mnu", "color256x256", WindowMode::color256x256},
                     {"s512_mnu", "mono512x256", WindowMode::mono512x256}},
                    this, [this](WindowMode mode) { set_window_mode(mode); });
    pane_->add_window_items(*window);

    QMenu* mono = menu("converttobw_mnu", "Mono");
    mono_items_ = {
        add_item(mono, "bwlev_mnu", "BW_levels", QKeySequence("Ctrl+B"), &Form1::show_bw_levels),
        add_item(mono, "vm_mnu", "View_mono", QKeySequence("Ctrl+M"), &Form1::view_mono),
        add_item(mono, "convbw_mnu", "Convert", {}, &Form1::convert_mono)};
    live_->add_item(*mono);

    QMenu* colour = menu("converttocol_mnu", "Color");
    colour_items_ = {
        add_item(colour, "collev_mnu", "Color_levels", QKeySequence("Ctrl+L"),
                 &Form1::show_colour_levels),
        add_item(colour, "changecol_mnu", "Change_colors", QKeySequence("Ctrl+G"),
                 &Form1::show_change_colours),
        add_item(colour, "vcol_mnu", "View_color", QKeySequence("Ctrl+C"), &Form1::view_colour),
        add_item(colour, "convcol_mnu", "Convert", {}, &Form1::convert_colour)};
    live_->add_item(*colour);
    for (QAction* action : mono_items_ + colour_items_) action->setEnabled(false);
    add_dither_menu(*this, state_.dither, [this] { live_->changed(); });

    QMenu* help = menu("help_mnu", "?");
    connect(add_item(help, "about_mnu", "About", {}, nullptr), &QAction::triggered, this,
            [this] { open_about(*this); });
    connect(add_item(help, "dsc_mnu", "Help", QKeySequence("F1"), nullptr), &QAction::triggered,
            this, [this] { open_main_help(*this); });
}

void Form1::set_window_mode(WindowMode mode) {
    const ModeGeometry geometry = geometry_of(mode);
    pane_->lay_out({geometry.picture, geometry.client, geometry.line_end});
    pane_->set_pixel_shape(mode == WindowMode::mono512x256 ? mono_pixel : colour_pixel);
    mode_ = mode;
    mode_items_.check(mode);
    if (pane_->picture_loaded()) {
        pane_->picture().clear();
        pane_->draw_picture();
        live_->showing(ViewResult::none);
        set_menus();
    }
}

void Form1::set_menus() {
    const bool mono = mode_ == WindowMode::mono512x256;
    for (QAction* action : colour_items_) action->setEnabled(!mono);
    for (QAction* action : mono_items_) action->setEnabled(mono);
    for (QAction* action : {export_bin_, export_wav_})
        action->setEnabled(mode_ != WindowMode::color64x64);  // a sprite is not a screen
}

void Form1::open_picture() {
    const std::string name = modal_.open_file(picture_open_request());
    if (!name.empty()) open_named_file(name);
}

void Form1::open_named_file(const std::string& name) {
    const bool first = !pane_->picture_loaded();
    if (!pane_->load_picture(name, modal_, "KVARO: Open picture")) return;
    if (first) set_menus();
    pane_->draw_picture();
    live_->showing(ViewResult::none);
    source_ = name;
}

void Form1::show_output_files() {
    dialogs_.show_output_files(catalogs::converter_output_files_layout());
}

void Form1::show_bw_levels() {
    dialogs_.show_bw_levels();
}

void Form1::view_mono() {
    live_->view(ViewResult::mono);
}

void Form1::convert_mono() {
    run_convert(
        {source_, state_.catalogs.value(catalogs::pic_catalog), ".pic", "KVARO: Convbw"}, modal_,
        [this] { live_->place_picture(); }, [this] { return convert_screen(); });
}

void Form1::show_colour_levels() {
    dialogs_.show_colour_levels();
}

void Form1::show_change_colours() {
    dialogs_.show_change_colours();
}

void Form1::view_colour() {
    live_->view(ViewResult::colour);
}

// The views decide the picture window as Convert does, without the file.
void Form1::walk_result(ViewResult result, platform::PixelSurface& surface) {
    convert_to_file(surface, result == ViewResult::mono ? Target::mono : Target::colour,
                    state_.conversion());
}

void Form1::convert_colour() {
    const bool sprite = mode_ == WindowMode::color64x64;
    const auto catalog = sprite ? catalogs::bbd_catalog : catalogs::pic_catalog;
    run_convert(
        {source_, state_.catalogs.value(catalog), sprite ? ".bbd" : ".pic", "KVARO: Convcol"},
        modal_, [this] { live_->place_picture(); }, [this] { return convert_screen(); });
}

void Form1::export_bin() {
    run_convert(
        {source_, state_.catalogs.value(catalogs::pic_catalog), std::string(bk::bin::extension),
         "KVARO: Export_bin"},
        modal_, [this] { live_->place_picture(); }, [this] { return bin_file(convert_screen()); });
}

// The monitor loads a tape only by its exact name, which the file's name
// gives only when it is short and plain ASCII: so the name is shown too.
void Form1::export_wav() {
    bk::tape::Name name{};
    const bool written = run_convert(
        {source_, state_.catalogs.value(catalogs::pic_catalog), ".wav", "KVARO: Export_wav"},
        modal_, [this] { live_->place_picture(); },
        [this, &name](const std::string& path) {
            name = bk::tape::name_for_file(path);
            return wav_file(convert_screen(), name);
        });
    if (written)
        modal_.message_box(tape_name_message(name), "KVARO", platform::Buttons::ok,
                           platform::Icon::none);
}

// The picture window then shows the result of the mode's kind.
std::vector<std::uint8_t> Form1::convert_screen() {
    const Target target = mode_ == WindowMode::mono512x256  ? Target::mono
                          : mode_ == WindowMode::color64x64 ? Target::sprite
                                                            : Target::colour;
    std::vector<std::uint8_t> bytes =
        convert_to_file(pane_->picture(), target, state_.conversion());
    live_->showing(target == Target::mono ? ViewResult::mono : ViewResult::colour);
    return bytes;
}

}  // namespace converter
