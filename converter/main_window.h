#pragma once
// The converter main window (Form1): opens a picture, shows it scrolled or
// fitted in one of three window modes, and converts what the picture window
// shows into a monochrome or four-colour BK screen.
#include <cstdint>
#include <string>
#include <vector>

#include "converter/live_view.h"
#include "converter/secondary_dialogs.h"
#include "converter/state.h"
#include "platform/main_window.h"
#include "platform/menus.h"
#include "platform/modal.h"

class QAction;
class QWidget;

namespace converter {

class ConversionPane;

enum class WindowMode { color64x64, color256x256, mono512x256 };

class Form1 : public platform::MainWindow {
    Q_OBJECT
  public:
    Form1(ConverterState& state, platform::Modal& modal, QWidget* parent = nullptr);
    ~Form1() override;

    WindowMode window_mode() const { return mode_; }
    const std::string& source_path() const { return source_; }
    // Open after the dialog: loads the picture, or reports why not.
    void open_named_file(const std::string& path) override;

  private slots:
    void open_picture();
    void show_output_files();
    void show_bw_levels();
    void view_mono();
    void convert_mono();
    void show_colour_levels();
    void show_change_colours();
    void view_colour();
    void convert_colour();
    void export_bin();
    void export_wav();

  private:
    void create_controls();
    void create_menus();
    QAction* add_item(QMenu* menu, const char* name, const char* caption,
                      const QKeySequence& shortcut, void (Form1::*handler)());
    void set_window_mode(WindowMode mode);
    void set_menus();
    // View's walk of a result over what the picture window shows.
    void walk_result(ViewResult result, platform::PixelSurface& surface);
    // The mode's screen file (.pic or .bbd), converted from what the
    // picture window shows.
    std::vector<std::uint8_t> convert_screen();

    ConverterState& state_;
    platform::Modal& modal_;

    ConversionPane* pane_ = nullptr;
    LiveView* live_ = nullptr;

    platform::ModeItems<WindowMode> mode_items_;
    QAction* export_bin_ = nullptr;
    QAction* export_wav_ = nullptr;
    QList<QAction*> mono_items_;
    QList<QAction*> colour_items_;

    SecondaryDialogs dialogs_{*this, state_, modal_, [this] { live_->changed(); }};

    WindowMode mode_ = WindowMode::color256x256;
    std::string source_;
};

}  // namespace converter
