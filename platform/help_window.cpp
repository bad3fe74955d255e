#include "platform/help_window.h"

#include <QAccessibleWidget>
#include <QMouseEvent>

namespace platform {
namespace {

constexpr QColor heading_background{192, 255, 192};
constexpr QColor marked{255, 0, 0};
constexpr QColor unmarked{0, 0, 0};
constexpr int column_gap = 4;   // between an item's label and the next column
constexpr int heading_gap = 8;  // between a heading and the next one

void set_colour(QWidget& widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(role, colour);
    widget.setPalette(palette);
}

QLabel* add_label(QWidget& parent, const char* name, const char* text, const QRect& geometry,
                  bool bold) {
    auto* label = new QLabel(QString::fromUtf8(text), &parent);
    label->setObjectName(name);
    label->setFont(help_font(bold));
    label->setGeometry(geometry);
    return label;
}

// A help item as assistive technology sees it: a button that can be pressed.
class AccessibleHelpItem : public QAccessibleWidget {
  public:
    explicit AccessibleHelpItem(HelpItem* item) : QAccessibleWidget(item, QAccessible::Button) {}
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction()) {
            static_cast<HelpItem*>(widget())->click();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }
};

QAccessibleInterface* help_item_interface(const QString& class_name, QObject* object) {
    if (class_name != QLatin1String(HelpItem::staticMetaObject.className())) return nullptr;
    return new AccessibleHelpItem(static_cast<HelpItem*>(object));
}

}  // namespace

void HelpItem::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

QFont help_font(bool bold) {
    QFont font("DejaVu Sans");
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    font.setStretch(QFont::SemiCondensed);
    font.setBold(bold);
    return font;
}

int text_colour(const QLabel& label) {
    const QColor colour = label.palette().color(QPalette::WindowText);
    return colour.red() + 256 * colour.green() + 65536 * colour.blue();
}

HelpWindow::HelpWindow(const HelpLayout& layout) {
    static const bool items_accessible = (QAccessible::installFactory(help_item_interface), true);
    Q_UNUSED(items_accessible);
    setObjectName(layout.name);
    setWindowTitle(layout.caption);
    setFixedSize(layout.client);
    for (std::size_t i = 0; i < layout.columns.size(); ++i) {
        const bool last = i + 1 == layout.columns.size();
        const int right = last ? layout.client.width() : layout.columns[i + 1].left;
        add_column(layout.columns[i], right);
    }
    for (const HelpSquare& square : layout.squares) {
        add_item(square.entry,
                 {square.left, layout.squares_top, help_square_side, help_square_side});
        QLabel* label = items_.back().label;
        label->setFont(help_font(square.bold));
        label->setFrameStyle(QFrame::Panel | QFrame::Raised);
        label->setAlignment(Qt::AlignCenter);
        if (square.accessible_name != nullptr) label->setAccessibleName(square.accessible_name);
    }
    description_ = add_label(*this, "Label22", help_opening_text, layout.description_box, false);
    description_->setWordWrap(true);
    description_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    description_->setAutoFillBackground(true);
    set_colour(*description_, QPalette::Window, Qt::white);
    set_colour(*description_, QPalette::WindowText, unmarked);
}

void HelpWindow::add_column(const HelpColumn& column, int right) {
    const int width = right - column.left;
    QLabel* heading = add_label(*this, column.heading_name, column.heading,
                                {column.left, help_heading_top, width - heading_gap, 15}, true);
    heading->setAutoFillBackground(true);
    set_colour(*heading, QPalette::Window, heading_background);
    int top = help_first_row;
    for (const HelpEntry& entry : column.entries) {
        add_item(entry, {column.left, top, width - column_gap, help_row_step});
        top += help_row_step;
    }
}

void HelpWindow::add_item(const HelpEntry& entry, const QRect& geometry) {
    auto* label = new HelpItem(QString::fromUtf8(entry.caption), this);
    label->setObjectName(entry.name);
    label->setFont(help_font(false));
    label->setGeometry(geometry);
    label->setAccessibleName(QString::fromUtf8(entry.caption));
    set_colour(*label, QPalette::WindowText, unmarked);
    const int index = static_cast<int>(items_.size());
    connect(label, &HelpItem::clicked, this, [this, index] { item_clicked(index); });
    items_.push_back({label, entry.description});
}

void HelpWindow::reset_items() {
    for (const Item& item : items_) {
        if (item.label->palette().color(QPalette::WindowText) == marked) {
            set_colour(*item.label, QPalette::WindowText, unmarked);
        }
    }
}

void HelpWindow::item_clicked(int index) {
    reset_items();
    const Item& item = items_[static_cast<std::size_t>(index)];
    set_colour(*item.label, QPalette::WindowText, marked);
    description_->setText(QString::fromUtf8(item.description));
}

}  // namespace platform
