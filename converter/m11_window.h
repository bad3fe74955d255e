#pragma once
// The 11M converter window (Form6): its picture window is the conversion
// area, sized with four arrow buttons within the 11M byte budget, and viewed
// or converted into an 11M file in monochrome or four-colour mode.
#include <array>
#include <string>

#include "converter/convert_command.h"
#include "converter/live_view.h"
#include "converter/m11_area.h"
#include "converter/secondary_dialogs.h"
#include "converter/state.h"
#include "engine/m11_conversion.h"
#include "platform/main_window.h"
#include "platform/modal.h"

class QAction;
class QLabel;
class QToolButton;

namespace converter {

class ConversionPane;

class Form6 : public platform::MainWindow {
    Q_OBJECT
  public:
    Form6(ConverterState& state, platform::Modal& modal, QWidget* parent = nullptr);
    ~Form6() override;

    const m11::Area& area() const { return area_; }
    const std::string& source_path() const { return source_; }
    // Open after the dialog: loads the picture, or reports why not.
    void open_named_file(const std::string& path) override;

  private slots:
    void open_picture();
    void show_output_files();
    void toggle_mono();
    void toggle_x();
    void toggle_y();
    void show_bw_levels();
    void view_mono();
    void convert_mono();
    void show_colour_levels();
    void show_change_colours();
    void view_colour();
    void convert_colour();
    void show_about();
    void show_help();

  private:
    void create_controls();
    void create_size_buttons(QWidget* client);
    void create_labels(QWidget* client);
    void create_menus();
    QAction* add_item(QMenu* menu, const char* name, const char* caption,
                      const QKeySequence& shortcut, void (Form6::*handler)());
    bool load_picture(const std::string& name);
    void enable_mode_items();
    void press(m11::Arrow arrow);
    void lay_out();
    ConvertJob convert_job(const char* error_title) const;
    // The picture window then shows the result of the target's kind.
    std::vector<std::uint8_t> convert_area(Target target);
    // View's walk of a result over the area.
    void walk_result(ViewResult result, platform::PixelSurface& surface);

    ConverterState& state_;
    platform::Modal& modal_;
    m11::Area area_;

    ConversionPane* pane_ = nullptr;
    LiveView* live_ = nullptr;
    std::array<QToolButton*, 4> arrows_{};  // Command1..Command4
    QToolButton* check_x_ = nullptr;
    QToolButton* check_y_ = nullptr;
    std::array<QLabel*, 8> labels_{};

    QAction* mono_ = nullptr;
    QList<QAction*> mono_items_;
    QList<QAction*> colour_items_;

    SecondaryDialogs dialogs_{*this, state_, modal_, [this] { live_->changed(); }};

    std::string source_;
};

}  // namespace converter
