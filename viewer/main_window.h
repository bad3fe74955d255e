#pragma once
// The viewer main window (Form1): opens a BK sprite (.bbd) or screen (.pic,
// or .bin as an emulator loads it), draws it through the colour map or mono
// map in one of three window modes, and saves what it shows as a BMP file.
#include <string>

#include "platform/main_window.h"
#include "platform/menus.h"
#include "platform/modal.h"
#include "viewer/bk_file.h"
#include "viewer/drawing.h"
#include "viewer/secondary_dialogs.h"
#include "viewer/state.h"
#include "viewer/window_mode.h"

class QAction;
class QMenu;

namespace platform {
class PicturePane;
class PictureWindow;
}  // namespace platform

namespace viewer {

class Form1 : public platform::MainWindow {
    Q_OBJECT
  public:
    Form1(ViewerState& state, platform::Modal& modal, QWidget* parent = nullptr);
    ~Form1() override;

    WindowMode window_mode() const { return mode_; }
    const std::string& file_name() const { return file_name_; }
    bool short_file() const { return short_file_; }
    // Open after the dialog: reads and draws the file, or reports why not.
    void open_named_file(const std::string& path) override;
    // As the Window menu's items do.
    void set_window_mode(WindowMode mode);

  private slots:
    void open_file();
    void show_output_files();
    void save_bmp();
    void redraw();
    void show_change_colors();

  private:
    void create_controls();
    void create_menus();
    QAction* add_item(QMenu* menu, const char* name, const char* caption,
                      const QKeySequence& shortcut, void (Form1::*handler)());
    void draw(Decoder decoder);

    ViewerState& state_;
    platform::Modal& modal_;

    platform::PicturePane* pane_ = nullptr;
    platform::PictureWindow* picture_ = nullptr;

    platform::ModeItems<WindowMode> mode_items_;
    QAction* save_ = nullptr;
    QAction* chcol_ = nullptr;
    QAction* rdraw_ = nullptr;

    SecondaryDialogs dialogs_{*this, state_, modal_};

    WindowMode mode_ = WindowMode::color256x256;
    FileBuffer buffer_{};
    bool short_file_ = false;
    bool file_loaded_ = false;
    std::string file_name_;
};

}  // namespace viewer
