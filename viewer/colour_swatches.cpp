#include "viewer/colour_swatches.h"

#include <qdrawutil.h>

#include <QAccessibleWidget>
#include <QPainter>

#include "platform/picture_window.h"

namespace viewer {
namespace {

// A dotted rectangle inside the swatch when it has the keyboard focus, in a
// colour that shows on the swatch.
void draw_focus(QPainter& painter, const QRect& area, std::int32_t colour) {
    const QColor fill(platform::rgb_of(colour));
    painter.setPen(QPen(fill.lightness() > 128 ? Qt::black : Qt::white, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(4, 4, -5, -5));
}

// A colour button as assistive technology sees it: a radio button whose
// toggle does what a click does. Qt's own toggle would unpress the pressed
// button, which its exclusive group refuses without a signal, so that the
// button already pressed could not take back its colour after the other
// dialog replaced it, as a click does.
class AccessibleColourButton : public QAccessibleWidget {
  public:
    explicit AccessibleColourButton(ColourButton* button)
        : QAccessibleWidget(button, QAccessible::RadioButton) {}
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = button().isChecked();
        return state;
    }
    QStringList actionNames() const override {
        return QStringList{toggleAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == toggleAction() || action == pressAction()) {
            button().click();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

  private:
    ColourButton& button() const { return *static_cast<ColourButton*>(widget()); }
};

QAccessibleInterface* colour_button_interface(const QString& class_name, QObject* object) {
    if (class_name != QLatin1String(ColourButton::staticMetaObject.className())) return nullptr;
    return new AccessibleColourButton(static_cast<ColourButton*>(object));
}

}  // namespace

ColourButton::ColourButton(std::int32_t colour, QWidget* parent)
    : QAbstractButton(parent), colour_(colour) {
    static const bool accessible = (QAccessible::installFactory(colour_button_interface), true);
    Q_UNUSED(accessible);
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
}

void ColourButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QBrush fill{QColor(platform::rgb_of(colour_))};
    const bool pressed = isChecked() || isDown();
    qDrawWinButton(&painter, rect(), palette(), pressed, &fill);
    if (pressed) {  // a dark edge inside the sunken bevel, so the pressed one stands out
        painter.setPen(palette().color(QPalette::Shadow));
        painter.drawRect(rect().adjusted(2, 2, -3, -3));
    }
    if (hasFocus()) draw_focus(painter, rect(), colour_);
}

ColourSwatch::ColourSwatch(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
}

void ColourSwatch::set_colour(std::int32_t colour) {
    colour_ = colour;
    update();
}

void ColourSwatch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(platform::rgb_of(colour_)));
    painter.setPen(palette().color(QPalette::Shadow));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (hasFocus()) draw_focus(painter, rect(), colour_);
}

}  // namespace viewer
