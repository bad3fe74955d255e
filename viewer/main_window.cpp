#include "viewer/main_window.h"

#include <QMenuBar>

#include "catalogs/settings_io.h"
#include "platform/menus.h"
#include "platform/picture_pane.h"
#include "platform/picture_window.h"
#include "viewer/about.h"
#include "viewer/bin_screen.h"
#include "viewer/main_help_window.h"
#include "viewer/save_bmp.h"

namespace viewer {
namespace {

// Window geometry in pixels, as laid out for color256x256. The picture
// window's top-left corner never moves.
constexpr QPoint picture_origin{16, 16};
constexpr QSize design_client{288, 287};
constexpr int design_picture_width = 256;

// The client width for a mode: the design width, plus what the picture
// window is wider than designed. color64x64 keeps the design width.
int client_width(WindowMode mode) {
    const int picture =
        mode == WindowMode::color64x64 ? design_picture_width : picture_layout(mode).width;
    return design_client.width() + picture - design_picture_width;
}

}  // namespace

Form1::Form1(ViewerState& state, platform::Modal& modal, QWidget* parent)
    : platform::MainWindow(modal, {"Form1", "ORVAK v.2.0", "ORVAK"}, parent),
      state_(state),
      modal_(modal) {
    create_controls();
    create_menus();
    set_window_mode(WindowMode::color256x256);
    catalogs::read_settings_at_load(state_.catalogs, modal_, {catalogs::bmp_catalog});
}

Form1::~Form1() = default;

void Form1::create_controls() {
    pane_ = new platform::PicturePane(*this, picture_origin, platform::ScrollBars::none);
    picture_ = &pane_->picture();
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
    add_item(file, "openbk_mnu", "Open", QKeySequence("Ctrl+O"), &Form1::open_file);
    add_item(file, "outcat_mnu", "Output_catalog", {}, &Form1::show_output_files);
    save_ = add_item(file, "savebmp_mnu", "Save", QKeySequence("Ctrl+S"), &Form1::save_bmp);
    QAction* exit = add_item(file, "exit_mnu", "Exit", {}, nullptr);
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QMenu* window = menu("window_mnu", "Window");
    mode_items_.add(*window,
                    {{"sbk64_mnu", "color64x64", WindowMode::color64x64},
                     {"sbk256_mnu", "color256x256", WindowMode::color256x256},
                     {"sbk512_mnu", "mono512x256", WindowMode::mono512x256}},
                    this, [this](WindowMode mode) { set_window_mode(mode); });

    QMenu* view = menu("view_mnu", "View");
    chcol_ = add_item(view, "chcol_mnu", "Change_colors", QKeySequence("Ctrl+G"),
                      &Form1::show_change_colors);
    rdraw_ = add_item(view, "rdraw_mnu", "Redraw", QKeySequence("Ctrl+R"), &Form1::redraw);
    for (QAction* action : {save_, chcol_, rdraw_}) action->setEnabled(false);

    QMenu* help = menu("hlp_mnu", "?");
    connect(add_item(help, "about_mnu", "About", {}, nullptr), &QAction::triggered, this,
            [this] { open_about(*this, false); });
    connect(add_item(help, "hlp_hlp_mnu", "Help", QKeySequence("F1"), nullptr), &QAction::triggered,
            this, [this] { open_main_help(*this); });
}

void Form1::set_window_mode(WindowMode mode) {
    const bk::ScreenLayout& area = picture_layout(mode);
    const int width = client_width(mode);
    pane_->lay_out({{area.width, area.height}, {width, design_client.height()}, width});
    mode_ = mode;
    mode_items_.check(mode);
    if (file_loaded_) {
        picture_->clear();
        draw(decoder_after_mode_change(mode, short_file_));
    }
}

void Form1::draw(Decoder decoder) {
    BkPainter painter(*picture_, state_.maps);
    viewer::draw(decoder, painter, buffer_);
}

void Form1::open_file() {
    const std::string name = modal_.open_file(open_request(mode_));
    if (!name.empty()) open_named_file(name);
}

void Form1::open_named_file(const std::string& name) {
    const BkFileRead read = read_for_open(name, mode_, buffer_);
    if (platform::show_if_failed(modal_, open_failure(read))) return;
    short_file_ = read.short_file();
    picture_->clear();
    draw(decoder_for(mode_));
    file_loaded_ = true;
    for (QAction* action : {save_, chcol_, rdraw_}) action->setEnabled(true);
    file_name_ = name;
}

void Form1::redraw() {
    picture_->clear();
    draw(decoder_for(mode_));
}

void Form1::save_bmp() {
    savebmp(*picture_, file_name_, state_.catalogs, modal_, "ORVAK: Savebmp");
}

void Form1::show_output_files() {
    dialogs_.show_output_files();
}

void Form1::show_change_colors() {
    dialogs_.show_change_colors(mode_ == WindowMode::mono512x256);
}

}  // namespace viewer
