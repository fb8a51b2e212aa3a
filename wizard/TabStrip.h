#pragma once

// The geometry of the wizard's tabbed style, without a window: which pages
// share a tab row, in which order the rows and tabs are painted and where,
// and which page a click on the tab strip selects. Pages are steps 1 ..
// NumPages; lists of widths hold one entry per step, step 1 first.

#include <QList>
#include <QRect>

namespace TabStrip {

// Splits the steps into rows of at most `limit` pixels (text width plus
// `spaceX` per tab), consecutive steps per row, then moves tabs from each row
// into the row below it until the lower row holds its share of the tabs or
// would become too wide. A first tab wider than the limit leaves an empty
// first row. Returns the number of tabs of each row, row 0 first; an empty
// list when there are no steps.
QList<int> compute(const QList<int> &textWidths, int limit, int spaceX);

// The first step of `row` (1 for row 0).
int firstPage(const QList<int> &rows, int row);
// The row that holds `page`; -1 for page 0 and pages beyond the rows.
int rowOf(const QList<int> &rows, int page);
// The rows from top to bottom as painted: every row in order except the one
// holding `currentPage`, which comes last, next to the page area.
QList<int> paintOrder(const QList<int> &rows, int currentPage);

// The rectangle from (x1, y1) up to, but not including, (x2, y2): the
// painting of the strip gives its areas by their corners.
QRect span(int x1, int y1, int x2, int y2);

// What the tab strip is told to paint, in order.
struct Paint {
    enum Kind { Fill, Tab, SelectedTab };
    Kind kind = Fill;
    QRect rect;   // Fill: the area filled with the strip's colour
    int page = 0; // Tab, SelectedTab: the step, its place and its padding
    int x = 0;
    int y = 0;
    int pad = 0;
    bool operator==(const Paint &) const = default;
};

struct StripInput {
    QList<int> rows;
    QList<int> textWidths;
    int currentPage = 0;
    int width = 0;     // of the whole control
    int rowHeight = 0;
    int spaceX = 0;
    int areaHeight = 0; // of the tab strip
};

// The painting of the whole strip: a fill at its left edge, then each row
// from y = 2 down. Several rows are justified so that each fills the width;
// a single row keeps `spaceX` per tab and the space to its right is filled.
// In each row the current page's tab comes last, as selected.
QList<Paint> layoutStrip(const StripInput &in);

// The step a click at (mx, my) on the strip selects, or -1. `storedWidths`
// are the widths the tabs had when last painted (0 before any painting).
// Only tabs of the clicked row count; a click left of every tab or right of
// the row's last tab selects nothing.
int hitTest(const QList<int> &rows, const QList<int> &storedWidths, int currentPage, int rowHeight, int mx,
            int my);

} // namespace TabStrip
