#pragma once
// A main window that opens a file by its name: what its File > Open does
// once the dialog has given the name, with the same messages on failure.
// The command line and a dropped file reach the window through it.
#include <memory>
#include <string>

class QMainWindow;
class QWidget;

namespace platform {

class FileOpener {
  public:
    virtual ~FileOpener() = default;
    virtual void open_named_file(const std::string& path) = 0;
};

// Lets `window` take a file dropped on it from a file manager: the first
// local file of the drop is opened by `opener`; the drop's other files, and
// drops without a local file, are left alone.
void accept_file_drops(QWidget& window, FileOpener& opener);

// Opens `path` in `window` once the event loop runs, so that the window is
// shown before any message about the file; an empty path opens nothing.
void open_when_started(QWidget& window, FileOpener& opener, const std::string& path);

// A program's main window as its start procedure hands it over, opening
// `path` (if any) once the event loop runs.
template <class Window>
std::unique_ptr<QMainWindow> started(std::unique_ptr<Window> window, const std::string& path) {
    open_when_started(*window, *window, path);
    return window;
}

}  // namespace platform
