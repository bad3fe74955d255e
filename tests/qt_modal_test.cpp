#include "platform/qt_modal.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest/QTest>

namespace {

using platform::Answer;
using platform::Buttons;

// Enter pressed on a Yes/No box picks its default button: Yes for "Are you
// sure?", No for a question whose Yes replaces a file.
TEST(QtModal, EnterPicksTheDefaultButton) {
    const std::pair<Buttons, Answer> cases[] = {{Buttons::yes_no, Answer::yes},
                                                {Buttons::yes_no_default_no, Answer::no}};
    for (const auto& [buttons, expected] : cases) {
        QTimer::singleShot(0, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                QTest::keyClick(box, Qt::Key_Return);
        });
        EXPECT_EQ(platform::QtModal().message_box("File exist. Rewrite?", "ORVAK", buttons,
                                                  platform::Icon::question),
                  expected)
            << int(buttons);
    }
}

}  // namespace
