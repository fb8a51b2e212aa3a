#include "wizard/TabStrip.h"

#include <algorithm>
#include <optional>

namespace TabStrip {

namespace {

int widthOf(const QList<int> &widths, int page)
{
    return page >= 1 && page <= widths.size() ? widths[page - 1] : 0;
}

// The width row `row` needs: text width plus padding of each of its tabs.
int rowWidth(const QList<int> &rows, const QList<int> &textWidths, int row, int spaceX)
{
    const int first = firstPage(rows, row);
    int sum = 0;
    for (int p = first; p < first + rows[row]; ++p)
        sum += widthOf(textWidths, p) + spaceX;
    return sum;
}

} // namespace

QRect span(int x1, int y1, int x2, int y2)
{
    return {x1, y1, x2 - x1, y2 - y1};
}

QList<int> compute(const QList<int> &textWidths, int limit, int spaceX)
{
    QList<int> rows;
    if (textWidths.isEmpty())
        return rows;
    int width = 0;
    int count = 0;
    for (int w : textWidths) {
        if (w + width + spaceX > limit) {
            rows << count;
            width = w + spaceX;
            count = 1;
        } else {
            ++count;
            width += w + spaceX;
        }
    }
    rows << count;

    if (rows.size() > 1) {
        const int avg = int(textWidths.size() / rows.size());
        // Each move empties the row above by one tab or the row below by one,
        // so both loops end; a row never goes below zero tabs.
        for (int r = int(rows.size()) - 1; r >= 1; --r) {
            while (rowWidth(rows, textWidths, r, spaceX) < limit && rows[r] < avg && rows[r - 1] > 0) {
                ++rows[r];
                --rows[r - 1];
            }
            while (rowWidth(rows, textWidths, r, spaceX) > limit && rows[r] > 0) {
                --rows[r];
                ++rows[r - 1];
            }
        }
    }
    return rows;
}

int firstPage(const QList<int> &rows, int row)
{
    int first = 1;
    for (int r = 0; r < row && r < rows.size(); ++r)
        first += rows[r];
    return first;
}

int rowOf(const QList<int> &rows, int page)
{
    if (page <= 0)
        return -1;
    int sum = 0;
    for (int r = 0; r < rows.size(); ++r) {
        sum += rows[r];
        if (sum >= page)
            return r;
    }
    return -1;
}

QList<int> paintOrder(const QList<int> &rows, int currentPage)
{
    const int current = rowOf(rows, currentPage);
    QList<int> order;
    for (int r = 0; r < rows.size(); ++r) {
        if (r != current)
            order << r;
    }
    if (current >= 0)
        order << current;
    return order;
}

QList<Paint> layoutStrip(const StripInput &in)
{
    QList<Paint> out;
    out << Paint{Paint::Fill, span(0, 0, 2, in.areaHeight)};
    const bool single = in.rows.size() == 1;
    int y = 2;
    for (int r : paintOrder(in.rows, in.currentPage)) {
        const int first = firstPage(in.rows, r);
        const int n = in.rows[r];
        int textSum = 0;
        for (int p = first; p < first + n; ++p)
            textSum += widthOf(in.textWidths, p);

        int pad = in.spaceX;
        int extra = 0;
        if (!single && n > 0) {
            // Justified: the padding is shared out and the rest goes to the
            // last tab, so the row ends exactly at the right edge.
            const int room = in.width - 4;
            pad = (room - textSum) / n;
            extra = room - (n * pad + textSum);
        }
        int x = 2;
        std::optional<Paint> selected;
        for (int p = first; p < first + n; ++p) {
            if (p == first + n - 1)
                pad += extra;
            Paint tab{Paint::Tab, {}, p, x, y, pad};
            if (p == in.currentPage) {
                tab.kind = Paint::SelectedTab;
                selected = tab;
            } else {
                out << tab;
            }
            x += widthOf(in.textWidths, p) + pad;
        }
        if (single) {
            out << Paint{Paint::Fill, span(x, 0, x + 2, in.areaHeight)};
            out << Paint{Paint::Fill, span(0, 0, in.width, 2)};
        }
        if (selected)
            out << *selected;
        y += in.rowHeight;
    }
    return out;
}

int hitTest(const QList<int> &rows, const QList<int> &storedWidths, int currentPage, int rowHeight, int mx, int my)
{
    if (rows.isEmpty() || rowHeight <= 0 || my < 0 || my >= rowHeight * int(rows.size()) + 2)
        return -1;
    // The visual row from the top; the 2 pixels above the first row belong
    // to it.
    const int visual = std::max(0, my - 2) / rowHeight;
    const int current = rowOf(rows, currentPage);
    int clicked = -1;
    int count = -1;
    for (int r = 0; r < rows.size(); ++r) {
        if (r == current)
            continue;
        if (++count == visual) {
            clicked = r;
            break;
        }
    }
    // Past the other rows: the current page's row, drawn at the bottom.
    if (clicked < 0)
        clicked = current;
    if (clicked < 0)
        return -1;

    // Each tab covers [x, x + width) from x = 2 on, as it was painted.
    const int offset = mx - 2;
    if (offset < 0)
        return -1;
    const int first = firstPage(rows, clicked);
    int sum = 0;
    for (int p = first; p < first + rows[clicked]; ++p) {
        const int w = widthOf(storedWidths, p);
        if (offset < sum + w)
            return p;
        sum += w;
    }
    return -1;
}

} // namespace TabStrip
