#include "viewer/m11_window.h"

#include "catalogs/settings_io.h"
#include "platform/menus.h"
#include "platform/picture_pane.h"
#include "platform/picture_window.h"
#include "viewer/about.h"
#include "viewer/drawing.h"
#include "viewer/help_11m_window.h"
#include "viewer/save_bmp.h"

namespace viewer {
namespace {

// The picture window's top-left corner never moves.
constexpr QPoint picture_origin{16, 16};

const platform::OpenRequest open_request{"", "11M", "11M Files (*.11M)|*.11M|", 1};

}  // namespace

Form2::Form2(ViewerState& state, platform::Modal& modal, QWidget* parent)
    : platform::MainWindow(modal, {"Form2", "ORVAK v.2.0 [11M]", "ORVAK"}, parent),
      state_(state),
      modal_(modal) {
    create_controls();
    create_menus();
    catalogs::read_settings_at_load(state_.catalogs, modal_, {catalogs::bmp_catalog});
}

Form2::~Form2() = default;

bool Form2::mono() const {
    return mono_->isChecked();
}

void Form2::create_controls() {
    pane_ = new platform::PicturePane(*this, picture_origin, platform::ScrollBars::none);
    picture_ = &pane_->picture();
    lay_out(m11::design_picture);
}

// Sizes the picture window and the window around it.
void Form2::lay_out(m11::PixelSize picture) {
    const m11::PixelSize client = m11::client_size(picture);
    pane_->lay_out({{picture.width, picture.height}, {client.width, client.height}, client.width});
}

void Form2::create_menus() {
    using platform::add_menu_item;
    QMenu* file = platform::add_menu(*this, "file_mnu", "File");
    add_menu_item(*file, "openbk_mnu", "Open", QKeySequence("Ctrl+O"), this, &Form2::open_file);
    add_menu_item(*file, "outcat_mnu", "Output_catalog", {}, this, &Form2::show_output_files);
    save_ =
        add_menu_item(*file, "savebmp_mnu", "Save", QKeySequence("Ctrl+S"), this, &Form2::save_bmp);
    add_menu_item(*file, "exit_mnu", "Exit", {}, this, &QWidget::close);

    QMenu* view = platform::add_menu(*this, "view_mnu", "View");
    mono_ = add_menu_item(*view, "mono_col_mnu", "Mono", QKeySequence("Ctrl+M"), this,
                          &Form2::toggle_mono);
    mono_->setCheckable(true);
    chcol_ = add_menu_item(*view, "ch_col11_mnu", "Change_colors", QKeySequence("Ctrl+G"), this,
                           &Form2::show_change_colors);
    rdraw_ =
        add_menu_item(*view, "rdraw11_mnu", "Redraw", QKeySequence("Ctrl+R"), this, &Form2::redraw);
    for (QAction* action : {save_, mono_, chcol_, rdraw_}) action->setEnabled(false);

    QMenu* help = platform::add_menu(*this, "hlp11_mnu", "?");
    add_menu_item(*help, "about_hlp_mnu", "About", {}, this, &Form2::show_about);
    add_menu_item(*help, "hlp11_hlp_mnu", "Help", QKeySequence("F1"), this, &Form2::show_help);
}

// Open ends by drawing and enabling the file's commands even when the
// dialog was cancelled: the buffer is then drawn again at the current size,
// over what the window shows.
void Form2::open_file() {
    const std::string name = modal_.open_file(open_request);
    if (name.empty()) return show_file();
    open_named_file(name);
}

void Form2::open_named_file(const std::string& path) {
    if (take_file(path)) show_file();
}

void Form2::show_file() {
    draw();
    file_loaded_ = true;
    for (QAction* action : {mono_, chcol_, rdraw_, save_}) action->setEnabled(true);
}

// Reads an accepted file into the buffer and sizes the window for it. A
// refused file, or one that cannot be read, is reported and changes nothing.
bool Form2::take_file(const std::string& name) {
    const m11::FileRead read = m11::read_file(name, buffer_);
    if (platform::show_if_failed(modal_, m11::open_failure(read, name))) return false;
    header_ = read.header;
    set_window();
    file_name_ = name;
    return true;
}

// Sizes the picture window from the header numbers and the window around
// it, and clears the picture window.
void Form2::set_window() {
    lay_out(m11::picture_size(header_, mono()));
    picture_->clear();
}

void Form2::draw() {
    if (mono()) {
        drawmono11m();
    } else {
        drawcolor11m();
    }
}

void Form2::drawcolor11m() {
    BkPainter painter(*picture_, state_.maps);
    drawcolorpic(painter, buffer_);
}

void Form2::drawmono11m() {
    BkPainter painter(*picture_, state_.maps);
    drawmonopic(painter, buffer_);
}

// The same bytes at 8 pixels a byte instead of 4, or back: the picture
// window doubles or halves its width.
void Form2::toggle_mono() {
    set_window();
    if (file_loaded_) draw();
}

void Form2::redraw() {
    picture_->clear();
    draw();
}

void Form2::save_bmp() {
    savebmp(*picture_, file_name_, state_.catalogs, modal_, "ORVAK [11M]: Savebmp");
}

void Form2::show_output_files() {
    dialogs_.show_output_files();
}

void Form2::show_change_colors() {
    dialogs_.show_change_colors(mono());
}

// The About window with the 11M texts, at this window's top-left corner.
void Form2::show_about() {
    open_about(*this, true);
}

// The help window Form4, at this window's top-left corner.
void Form2::show_help() {
    open_11m_help(*this);
}

}  // namespace viewer
