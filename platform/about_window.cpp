#include "platform/about_window.h"

#include <QLabel>
#include <QPushButton>

#include "platform/help_window.h"

namespace platform {
namespace {

QLabel* add_label(QWidget& parent, const char* name, const QRect& geometry) {
    auto* label = new QLabel(&parent);
    label->setObjectName(name);
    label->setFont(help_font(false));
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// One line of the etched separator: a grey line over a white one.
void add_line(QWidget& parent, int top, const QColor& colour) {
    auto* line = new QWidget(&parent);
    line->setObjectName("Line1");
    line->setGeometry(7, top, 293 - 7 + 1, 1);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, colour);
    line->setPalette(palette);
}

}  // namespace

AboutWindow::AboutWindow(const AboutTexts& texts) {
    setObjectName("frmAbout");
    setFixedSize(300, 157);
    icon_ = add_label(*this, "picIcon", {16, 16, 32, 32});
    icon_->setAccessibleName("Program icon");
    version_ = add_label(*this, "lblVersion", {70, 16, 259, 15});
    notice_ = add_label(*this, "Label1", {72, 37, 272, 15});
    description_ = add_label(*this, "lblDescription", {8, 64, 283, 30});
    description_->setWordWrap(true);
    add_line(*this, 105, QColor(128, 128, 128));
    add_line(*this, 106, Qt::white);
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("cmdOK");
    ok->setAccessibleName("OK");
    ok->setGeometry(112, 120, 84, 23);
    ok->setDefault(true);
    // Esc rejects the dialog, which closes it as "OK" does.
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    set_texts(texts);
}

void AboutWindow::set_texts(const AboutTexts& texts) {
    setWindowTitle(texts.caption);
    icon_->setPixmap(QPixmap(texts.icon));
    version_->setText(QString::fromUtf8(texts.version));
    notice_->setText(QString::fromUtf8(texts.notice));
    description_->setText(QString::fromUtf8(texts.description));
}

}  // namespace platform
