#pragma once
// Operating a control as an assistive technology does: through the action
// its accessible interface offers, not through a click.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QThread>

namespace testing_support {

// A menu item's accessible interface, found among its menu's children.
inline QAccessibleInterface* accessible_item(QAction& item) {
    for (QObject* holder : item.associatedObjects()) {
        QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(holder);
        if (menu == nullptr) continue;
        for (int i = 0; i < menu->childCount(); ++i) {
            QAccessibleInterface* child = menu->child(i);
            if (child != nullptr && child->object() == &item) return child;
        }
    }
    return nullptr;
}

inline QAccessibleInterface* accessible(QObject& control) {
    if (auto* item = qobject_cast<QAction*>(&control)) return accessible_item(*item);
    return QAccessible::queryAccessibleInterface(&control);
}

// Runs the control's first action other than taking the focus (toggle for
// a checkable button, press for a push button or a menu item) and lets what
// it started finish: a pressed button clicks a moment later.
inline void operate_accessibly(QObject& control) {
    QAccessibleInterface* interface = accessible(control);
    ASSERT_NE(interface, nullptr) << control.objectName().toStdString();
    QAccessibleActionInterface* actions = interface->actionInterface();
    ASSERT_NE(actions, nullptr) << control.objectName().toStdString();
    QStringList names = actions->actionNames();
    names.removeAll(QAccessibleActionInterface::setFocusAction());
    ASSERT_FALSE(names.isEmpty()) << control.objectName().toStdString();
    actions->doAction(names.first());
    const QPointer<QAbstractButton> button = qobject_cast<QAbstractButton*>(&control);
    QElapsedTimer waited;
    waited.start();
    while (button != nullptr && button->isDown() && waited.elapsed() < 2000) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
    QApplication::processEvents();
}

}  // namespace testing_support
