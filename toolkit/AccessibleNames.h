#pragma once

// Names for assistive technology. Each control of a loaded form takes as its
// accessible name what a sighted visitor reads for it on the form: the label
// that stands beside or above it (which also becomes the label's buddy), else
// its own caption or hint, else the title of the box or page it stands in.
// The pairing of labels and fields works on plain geometry, so it can be
// checked without any window.

#include <QAccessible>
#include <QList>
#include <QRect>
#include <QString>

#include <functional>

class QWidget;

namespace AccessibleNames {

// One control of a form as the pairing sees it: a label, a field that takes
// the focus, or any other control, which is neither named nor names anything
// but parts a label from a field beyond it.
struct Item {
    enum Kind { Label, Field, Other };
    Kind kind = Field;
    int parent = 0;   // the same number for all items of one container
    QRect rect;       // within the parent
    QString text;     // a label's text; a blank label stands for nothing
};

// How a field found the label that names it: the label stands to its left
// on its line or just above it, or the field continues the line or the
// column of a field that has a label (a second field of "Post Code/Country",
// the further lines of an address).
enum class Pairing { None, Beside, Above, Line, Column };

struct Match {
    int label = -1;   // index into the items, or -1
    Pairing how = Pairing::None;
    bool operator==(const Match &) const = default;
};

// For every item, the label that names it; labels themselves match nothing.
// The items are in definition order, which decides between labels or fields
// stacked at one place of which only one is shown at a time.
QList<Match> pairLabels(const QList<Item> &items);

// The headings of a grid's columns read off the texts that stand just above
// the grid (a row of labels, or of panels that sort the grid when clicked):
// each column takes the text whose middle lies across it. `columns` are the
// columns' left edges and widths, and `grid` and the texts' rectangles are
// in the grid's parent. A column with no text above it has an empty heading.
QStringList columnHeadings(const QRect &grid, const QList<QPair<int, int>> &columns, const QList<Item> &texts);

// Gives every control of `form` that can take the focus, and every focusable
// widget inside such a control (the line edit of a combo box), its name, and
// makes each label that stands for a field that field's buddy. Controls that
// already have an accessible name keep it.
void nameControls(QWidget *form);

// The widgets inside `window` (and the window itself) that the visitor can
// put the focus on: shown, enabled, with a focus policy.
QList<QWidget *> focusableWidgets(QWidget *window);

// Tells assistive technology of a change of `object` (its name, the page it
// shows). A listener, where one is set (tests, which have no assistive
// technology to ask), hears of every such change too.
void announce(QObject *object, QAccessible::Event event);
using Listener = std::function<void(QObject *object, QAccessible::Event event)>;
void setListener(Listener listener);

} // namespace AccessibleNames
