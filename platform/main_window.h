#pragma once
// What every main window of kvaro and orvak does besides its menus and its
// pane: it is named and titled, exactly as large as its contents, opens a
// file dropped on it as its Open does (FileOpener), and asks "Are you
// sure?", titled with the program's name, before it closes; any answer but
// Yes keeps it open.
#include <QMainWindow>
#include <string>

#include "platform/file_opener.h"

namespace platform {

class Modal;

struct MainWindowNames {
    const char* object_name;   // "Form1"
    const char* title;         // "KVARO v.5.0"
    const char* program_name;  // "KVARO"
};

class MainWindow : public QMainWindow, public FileOpener {
    Q_OBJECT
  public:
    MainWindow(Modal& modal, const MainWindowNames& names, QWidget* parent);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    Modal& modal_;
    std::string program_name_;
};

}  // namespace platform
