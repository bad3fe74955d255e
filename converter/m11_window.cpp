#include "converter/m11_window.h"

#include <QLabel>
#include <QMenu>
#include <QToolButton>

#include "catalogs/output_files_dialog.h"
#include "catalogs/settings_io.h"
#include "converter/about.h"
#include "converter/conversion_pane.h"
#include "converter/dither_menu.h"
#include "converter/help_11m_window.h"
#include "converter/m11_pictures.h"
#include "platform/menus.h"
#include "platform/picture_window.h"

namespace converter {
namespace {

using m11::Arrow;

constexpr QSize size_button{25, 17};
constexpr int size_button_top = 8;

struct ArrowButton {
    const char* name;
    const char* description;
    ArrowDirection direction;
    int left;
};

constexpr std::array<ArrowButton, 4> arrow_buttons{
    {{"Command1", "Narrower", ArrowDirection::left, 16},
     {"Command2", "Shorter", ArrowDirection::up, 64},
     {"Command3", "Taller", ArrowDirection::down, 112},
     {"Command4", "Wider", ArrowDirection::right, 160}}};

struct LabelPlace {
    const char* text;
    int left;
    int width;
};

// "DX:", area width, "DY:", area height, "mX:", mX, "mY:", mY.
constexpr std::array<LabelPlace, 8> label_places{{{"DX:", 16, 24},
                                                  {"256", 40, 40},
                                                  {"DY:", 80, 24},
                                                  {"256", 104, 40},
                                                  {"mX:", 200, 24},
                                                  {"1", 224, 24},
                                                  {"mY:", 248, 24},
                                                  {"1", 272, 24}}};
constexpr int label_height = 17;

QToolButton* picture_button(QWidget* parent, const char* name, const char* description,
                            const QImage& picture, int left) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setAccessibleName(description);
    button->setToolTip(description);
    button->setIcon(picture_icon(picture));
    button->setIconSize(picture.size());
    button->setGeometry(QRect(QPoint(left, size_button_top), size_button));
    button->setEnabled(false);
    return button;
}

}  // namespace

Form6::Form6(ConverterState& state, platform::Modal& modal, QWidget* parent)
    : platform::MainWindow(modal, {"Form6", "KVARO v.5.0 [11M]", "KVARO"}, parent),
      state_(state),
      modal_(modal) {
    create_controls();
    create_menus();
    lay_out();
    catalogs::read_settings_at_load(state_.catalogs, modal_, {catalogs::m11_catalog});
}

Form6::~Form6() = default;

void Form6::create_controls() {
    pane_ = new ConversionPane(
        *this,
        {{m11::picture_left, m11::picture_top}, m11::scroll_parts, ViewPlace::same_relative_place},
        state_.dither, state_.fit_shape);
    live_ = new LiveView(*pane_, state_.live_view,
                         [this](ViewResult result, platform::PixelSurface& surface) {
                             walk_result(result, surface);
                         });
    create_size_buttons(pane_);
    create_labels(pane_);
}

void Form6::create_size_buttons(QWidget* client) {
    for (std::size_t i = 0; i < arrows_.size(); ++i) {
        const ArrowButton& info = arrow_buttons[i];
        arrows_[i] = picture_button(client, info.name, info.description,
                                    arrow_picture(info.direction), info.left);
        connect(arrows_[i], &QToolButton::clicked, this,
                [this, arrow = static_cast<Arrow>(i)] { press(arrow); });
    }
    check_x_ = picture_button(client, "Check1", "Width factor", letter_picture('X'), 208);
    check_y_ = picture_button(client, "Check2", "Height step", letter_picture('Y'), 256);
    for (QToolButton* check : {check_x_, check_y_}) check->setCheckable(true);
    // The pressed state is the setting, however it changed; lay_out() sets
    // the same state again, which reports nothing.
    connect(check_x_, &QToolButton::toggled, this, [this](bool checked) {
        if (checked != (area_.mx() != 1)) toggle_x();
    });
    connect(check_y_, &QToolButton::toggled, this, [this](bool checked) {
        if (checked != (area_.my() != 1)) toggle_y();
    });
}

void Form6::create_labels(QWidget* client) {
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        const LabelPlace& place = label_places[i];
        labels_[i] = new QLabel(place.text, client);
        labels_[i]->setObjectName(QString("Label%1").arg(i + 1));
        labels_[i]->resize(place.width, label_height);
    }
}

QAction* Form6::add_item(QMenu* menu, const char* name, const char* caption,
                         const QKeySequence& shortcut, void (Form6::*handler)()) {
    return platform::add_menu_item(*menu, name, caption, shortcut, this, handler);
}

void Form6::create_menus() {
    QMenu* file = platform::add_menu(*this, "file_mnu", "File");
    add_item(file, "open_mnu", "Open", QKeySequence("Ctrl+O"), &Form6::open_picture);
    add_item(file, "outcat11_mnu", "Output_catalog", {}, &Form6::show_output_files);
    connect(platform::add_menu_item(*file, "exit_mnu", "Exit"), &QAction::triggered, this,
            &QWidget::close);

    QMenu* window = platform::add_menu(*this, "window_mnu", "Window");
    mono_ = add_item(window, "mono_col_mnu", "Mono", {}, &Form6::toggle_mono);
    mono_->setCheckable(true);
    pane_->add_window_items(*window);

    QMenu* mono = platform::add_menu(*this, "converttobw_mnu", "Mono");
    mono_items_ = {
        add_item(mono, "bwlev_mnu", "BW_levels", QKeySequence("Ctrl+B"), &Form6::show_bw_levels),
        add_item(mono, "vm_mnu", "View_mono", QKeySequence("Ctrl+M"), &Form6::view_mono),
        add_item(mono, "convbw_mnu", "Convert", {}, &Form6::convert_mono)};
    live_->add_item(*mono);

    QMenu* colour = platform::add_menu(*this, "converttocol_mnu", "Color");
    colour_items_ = {
        add_item(colour, "collev_mnu", "Color_levels", QKeySequence("Ctrl+L"),
                 &Form6::show_colour_levels),
        add_item(colour, "changecol_mnu", "Change_colors", QKeySequence("Ctrl+G"),
                 &Form6::show_change_colours),
        add_item(colour, "vcol_mnu", "View_color", QKeySequence("Ctrl+C"), &Form6::view_colour),
        add_item(colour, "convcol_mnu", "Convert", {}, &Form6::convert_colour)};
    live_->add_item(*colour);
    for (QAction* action : mono_items_ + colour_items_) action->setEnabled(false);
    add_dither_menu(*this, state_.dither, [this] { live_->changed(); });

    QMenu* help = platform::add_menu(*this, "help_mnu", "?");
    add_item(help, "about_mnu", "About", {}, &Form6::show_about);
    add_item(help, "dsc_mnu", "Help", QKeySequence("F1"), &Form6::show_help);
}

// Puts every control where the area's size puts it and shows the area's
// numbers and button states.
void Form6::lay_out() {
    pane_->lay_out({{area_.width(), area_.height()},
                    {area_.client_width(), area_.client_height()},
                    area_.client_width()});
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        labels_[i]->move(label_places[i].left, area_.label_top());
    }
    labels_[1]->setText(QString::number(area_.width()));
    labels_[3]->setText(QString::number(area_.height()));
    labels_[5]->setText(QString::number(area_.mx()));
    labels_[7]->setText(QString::number(area_.my()));
    for (std::size_t i = 0; i < arrows_.size(); ++i) {
        arrows_[i]->setEnabled(area_.enabled(static_cast<Arrow>(i)));
    }
    check_x_->setChecked(area_.mx() != 1);
    check_y_->setChecked(area_.my() != 1);
}

void Form6::enable_mode_items() {
    for (QAction* action : area_.mono() ? mono_items_ : colour_items_) action->setEnabled(true);
}

void Form6::open_picture() {
    const std::string name = modal_.open_file(picture_open_request());
    if (!name.empty() && !load_picture(name)) return;
    enable_mode_items();
}

void Form6::open_named_file(const std::string& path) {
    if (load_picture(path)) enable_mode_items();
}

bool Form6::load_picture(const std::string& name) {
    const bool first = !pane_->picture_loaded();
    if (!pane_->load_picture(name, modal_, "KVARO [11M]: Open picture")) return false;
    if (first) {
        area_.first_picture();
        for (QWidget* control : {check_x_, check_y_}) control->setEnabled(true);
        lay_out();
    }
    pane_->draw_picture();
    const QSize image = pane_->measured_picture_size();
    area_.picture_overhangs(area_.width() < image.width(), area_.height() < image.height());
    lay_out();
    live_->showing(ViewResult::none);
    source_ = name;
    return true;
}

void Form6::press(Arrow arrow) {
    area_.press(arrow);
    lay_out();
    pane_->draw_picture();
    live_->changed();
}

void Form6::toggle_x() {
    area_.toggle_mx();
    lay_out();
}

void Form6::toggle_y() {
    area_.toggle_my();
    lay_out();
}

// Four-colour to monochrome and back; the picture is not redrawn.
void Form6::toggle_mono() {
    area_.toggle_mono();
    pane_->set_pixel_shape(area_.mono() ? mono_pixel : colour_pixel);
    mono_->setChecked(area_.mono());
    for (QAction* action : mono_items_) action->setEnabled(area_.mono());
    for (QAction* action : colour_items_) action->setEnabled(!area_.mono());
    lay_out();
    live_->showing(ViewResult::none);
}

void Form6::show_output_files() {
    dialogs_.show_output_files(catalogs::converter_11m_output_files_layout());
}

void Form6::show_bw_levels() {
    dialogs_.show_bw_levels();
}

void Form6::show_colour_levels() {
    dialogs_.show_colour_levels();
}

void Form6::show_change_colours() {
    dialogs_.show_change_colours();
}

void Form6::show_about() {
    open_about(*this);
}

void Form6::show_help() {
    open_11m_help(*this);
}

void Form6::view_mono() {
    live_->view(ViewResult::mono);
}

void Form6::view_colour() {
    live_->view(ViewResult::colour);
}

void Form6::walk_result(ViewResult result, platform::PixelSurface& surface) {
    if (result == ViewResult::mono) {
        m11::walk_mono_11m(surface, {area_.width(), {}}, state_.bw_level, state_.dither);
    } else {
        m11::walk_colour_11m(surface, {area_.width(), {}}, state_.colour_levels, state_.swap_flags,
                             state_.dither);
    }
}

ConvertJob Form6::convert_job(const char* error_title) const {
    return {source_, state_.catalogs.value(catalogs::m11_catalog), std::string(bk::m11::extension),
            error_title};
}

// Before the first picture there is no picture to name a file after: the
// Converts then only show the blank area's result, as the views do.
void Form6::convert_mono() {
    if (!pane_->picture_loaded()) return view_mono();
    run_convert(
        convert_job("KVARO [11M]: Convbw"), modal_, [this] { live_->place_picture(); },
        [this] { return convert_area(Target::m11_mono); });
}

void Form6::convert_colour() {
    if (!pane_->picture_loaded()) return view_colour();
    run_convert(
        convert_job("KVARO [11M]: Convcol"), modal_, [this] { live_->place_picture(); },
        [this] { return convert_area(Target::m11_colour); });
}

std::vector<std::uint8_t> Form6::convert_area(Target target) {
    std::vector<std::uint8_t> bytes =
        convert_to_file(pane_->picture(), target, state_.conversion());
    live_->showing(target == Target::m11_mono ? ViewResult::mono : ViewResult::colour);
    return bytes;
}

}  // namespace converter
