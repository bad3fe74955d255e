#pragma once
// Secondary windows (level dialogs, Output files, help, About) are created
// when first chosen, stand on their own beside the window that opened them,
// and are destroyed when closed. Choosing one again while it is open moves
// it back to the opener's top-left corner and brings it up.
#include <QPointer>
#include <QWidget>

namespace platform {

template <class Window, class Make>
Window* show_secondary(QPointer<Window>& slot, const QWidget& opener, Make make) {
    if (!slot) {
        slot = make();
        slot->setAttribute(Qt::WA_DeleteOnClose);
    }
    slot->move(opener.pos());
    slot->show();
    slot->raise();
    slot->activateWindow();
    return slot;
}

// The same for the help and About windows, which are opened through a free
// function: the program keeps one of each kind in `slot`, and it is
// destroyed together with the window that opened it first.
template <class Window, class Make>
Window* show_secondary_of(QPointer<Window>& slot, const QWidget& opener, Make make) {
    const bool fresh = slot.isNull();
    Window* window = show_secondary(slot, opener, make);
    if (fresh) {
        QObject::connect(&opener, &QObject::destroyed, window, [window] { delete window; });
    }
    return window;
}

// Destroys a secondary window that is still open, when its opener goes.
template <class Window>
void close_secondary(QPointer<Window>& slot) {
    delete slot.data();
}

}  // namespace platform
