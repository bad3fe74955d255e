#include "platform/file_opener.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <optional>

#include "platform/qt_text.h"

namespace platform {
namespace {

std::optional<QString> first_local_file(const QMimeData* data) {
    if (data == nullptr) return std::nullopt;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) return url.toLocalFile();
    }
    return std::nullopt;
}

// Watches the window's drag and drop events.
class FileDropFilter : public QObject {
  public:
    FileDropFilter(QWidget& window, FileOpener& opener) : QObject(&window), opener_(opener) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type == QEvent::DragEnter || type == QEvent::DragMove) {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (first_local_file(drag->mimeData())) drag->acceptProposedAction();
            return true;
        }
        if (type == QEvent::Drop) {
            auto* drop = static_cast<QDropEvent*>(event);
            const auto file = first_local_file(drop->mimeData());
            if (!file) return true;
            drop->acceptProposedAction();
            // Opened once the drop has ended, so that a message box on
            // failure does not hold the file manager that sent the file.
            QTimer::singleShot(0, this,
                               [this, path = name_from_qt(*file)] { opener_.open_named_file(path); });
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    FileOpener& opener_;
};

}  // namespace

void accept_file_drops(QWidget& window, FileOpener& opener) {
    window.setAcceptDrops(true);
    window.installEventFilter(new FileDropFilter(window, opener));
}

void open_when_started(QWidget& window, FileOpener& opener, const std::string& path) {
    if (path.empty()) return;
    QTimer::singleShot(0, &window, [&opener, path] { opener.open_named_file(path); });
}

}  // namespace platform
