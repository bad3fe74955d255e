#pragma once
// The 11M window over a fresh program folder, answered by a script.
#include <gtest/gtest.h>

#include <QLabel>
#include <QScrollBar>
#include <QToolButton>

#include "converter/m11_window.h"
#include "tests/support/main_window_rig.h"

namespace testing_support {

struct M11Rig {
    // `ini` becomes kvaro.ini unless empty; what loading showed goes to load_messages.
    explicit M11Rig(const std::string& ini = defaults_ini) : state(folder.path()) {
        if (!ini.empty()) write_text(folder / "kvaro.ini", ini);
        form = std::make_unique<converter::Form6>(state, modal);
        load_messages.swap(modal.messages);
    }
    ~M11Rig() {
        form.reset();
        flush_deletes();
    }
    template <class Widget = QWidget>
    Widget* child(const QString& name) const {
        auto* found = form->findChild<Widget*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QAction* action(const char* name) const { return child<QAction>(name); }
    void choose(const char* name) {
        if (QAction* found = action(name)) found->trigger();
    }
    void open(const std::string& path) {
        modal.files.push_back(path);
        choose("open_mnu");
    }
    QToolButton* button(const char* name) const { return child<QToolButton>(name); }
    // Clicks a button as the user does: nothing happens while it is disabled.
    void click(const char* name, int times = 1) {
        for (int i = 0; i < times; ++i) button(name)->click();
    }
    QLabel* label(int n) const { return child<QLabel>(QString("Label%1").arg(n)); }
    std::string label_text(int n) const { return label(n)->text().toStdString(); }
    QScrollBar& bar(const char* name) const { return *child<QScrollBar>(name); }
    platform::PictureWindow& picture() const { return *child<platform::PictureWindow>("Picture1"); }
    QSize client() const { return form->centralWidget()->size(); }
    // The picture window, its bars along it, the client area and the labels'
    // row, all from the area's size.
    void expect_laid_out(QSize area, int client_width) const {
        EXPECT_EQ(picture().geometry(), QRect(QPoint(14, 33), area));
        EXPECT_EQ(bar("HScroll1").geometry(), QRect(14, 33 + area.height(), area.width(), 17));
        EXPECT_EQ(bar("VScroll1").geometry(), QRect(14 + area.width(), 33, 17, area.height()));
        EXPECT_EQ(client(), QSize(client_width, area.height() + 75));
        for (int n = 1; n <= 8; ++n) EXPECT_EQ(label(n)->y(), area.height() + 56) << n;
        EXPECT_EQ(label_text(2) + " " + label_text(4),
                  std::to_string(area.width()) + " " + std::to_string(area.height()));
    }

    TempFolder folder;
    converter::ConverterState state;
    platform::ScriptedModal modal;
    std::unique_ptr<converter::Form6> form;
    std::vector<platform::ShownMessage> load_messages;
};

}  // namespace testing_support
