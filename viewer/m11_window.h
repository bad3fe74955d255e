#pragma once
// The 11M viewer window (Form2): opens a BK-0011M screen file (.11M), sizes
// its picture window to the area the file's header declares, draws the
// picture data as four-colour pixels or, with Mono checked, as monochrome
// pixels through the colour map or mono map, and saves what it shows as a
// BMP file.
#include <string>

#include "platform/main_window.h"
#include "platform/modal.h"
#include "viewer/m11_picture.h"
#include "viewer/secondary_dialogs.h"
#include "viewer/state.h"

class QAction;

namespace platform {
class PicturePane;
class PictureWindow;
}  // namespace platform

namespace viewer {

class Form2 : public platform::MainWindow {
    Q_OBJECT
  public:
    Form2(ViewerState& state, platform::Modal& modal, QWidget* parent = nullptr);
    ~Form2() override;

    bool mono() const;
    bk::m11::Header header() const { return header_; }
    const std::string& file_name() const { return file_name_; }
    // Open after the dialog: reads and draws the file, or reports why not.
    void open_named_file(const std::string& path) override;

  private slots:
    void open_file();
    void show_output_files();
    void save_bmp();
    void toggle_mono();
    void show_change_colors();
    void redraw();
    void show_about();
    void show_help();

  private:
    void create_controls();
    void create_menus();
    bool take_file(const std::string& name);
    void show_file();
    void set_window();
    void lay_out(m11::PixelSize picture);
    void draw();
    void drawcolor11m();
    void drawmono11m();

    ViewerState& state_;
    platform::Modal& modal_;

    platform::PicturePane* pane_ = nullptr;
    platform::PictureWindow* picture_ = nullptr;

    QAction* save_ = nullptr;
    QAction* mono_ = nullptr;
    QAction* chcol_ = nullptr;
    QAction* rdraw_ = nullptr;

    SecondaryDialogs dialogs_{*this, state_, modal_};

    m11::Buffer buffer_{};
    // Until the first file: the picture window as laid out, so that Mono
    // after a cancelled first Open shows 512 x 256 pixels, not an empty window.
    bk::m11::Header header_ = m11::design_header;
    bool file_loaded_ = false;
    std::string file_name_;
};

}  // namespace viewer
