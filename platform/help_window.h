#pragma once
// A help window: a still picture of a window's menu bar as a grid of words
// under bold column headings. Clicking a word (an item) marks it red, turns
// the item marked before back to black and shows the item's description in
// the box below the grid. The help windows of both programs are this one
// window, each given its own layout.
#include <QLabel>
#include <QSize>
#include <QWidget>
#include <vector>

namespace platform {

struct HelpEntry {
    const char* name;  // the item's object name, as "open_item"
    const char* caption;
    const char* description;
};

// A column: its heading at the top, its items below it, one per row.
struct HelpColumn {
    const char* heading_name;
    const char* heading;
    int left;
    std::vector<HelpEntry> entries;
};

// A 17 x 17 square in a row under the columns that stands for a button of
// the window; glyph squares carry a short English accessible name.
struct HelpSquare {
    HelpEntry entry;
    int left;
    bool bold;
    const char* accessible_name;
};

struct HelpLayout {
    const char* name;
    const char* caption;
    QSize client;
    std::vector<HelpColumn> columns;
    int squares_top = 0;
    std::vector<HelpSquare> squares;
    QRect description_box;
};

// Geometry shared by every help window, in pixels.
inline constexpr int help_heading_top = 8;
inline constexpr int help_first_row = 24;
inline constexpr int help_row_step = 16;
inline constexpr int help_square_side = 17;

inline constexpr char help_opening_text[] =
    "Для вызова справки по какому-либо пункту меню кликните по нему мышью.";

// A word of the grid, or a square: clicked with the mouse, or pressed through
// its accessibility action as a screen reader does.
class HelpItem : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;
    void click() { emit clicked(); }

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HelpWindow(const HelpLayout& layout);

    // Turns every red item black again; items of any other colour stay.
    void reset_items();

  private:
    void add_column(const HelpColumn& column, int right);
    void add_item(const HelpEntry& entry, const QRect& geometry);
    void item_clicked(int index);

    struct Item {
        QLabel* label;
        const char* description;
    };
    std::vector<Item> items_;
    QLabel* description_ = nullptr;
};

// The font of the help and About windows: narrow enough that every caption
// fits its column and every description its box.
QFont help_font(bool bold);

// The colour of a help item's text as a packed colour value.
int text_colour(const QLabel& label);

}  // namespace platform
