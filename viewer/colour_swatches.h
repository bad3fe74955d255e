#pragma once
// The small colour widgets of the colour dialogs.
#include <QAbstractButton>
#include <QColor>
#include <cstdint>

namespace viewer {

// A colour button (Option1..Option16): a plain swatch of its colour with
// no text, raised, or sunken while it is the pressed one.
class ColourButton : public QAbstractButton {
    Q_OBJECT
  public:
    ColourButton(std::int32_t colour, QWidget* parent = nullptr);
    std::int32_t colour() const { return colour_; }
    QSize sizeHint() const override { return {21, 21}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::int32_t colour_;
};

// A swatch showing the PC colour that a BK colour or bit is drawn in;
// clicking it gives it the dialog's current colour.
class ColourSwatch : public QAbstractButton {
    Q_OBJECT
  public:
    explicit ColourSwatch(QWidget* parent = nullptr);
    void set_colour(std::int32_t colour);
    std::int32_t colour() const { return colour_; }
    QSize sizeHint() const override { return {20, 20}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::int32_t colour_ = 0;
};

}  // namespace viewer
