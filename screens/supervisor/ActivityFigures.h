#pragma once

// The fixed figures the supervisor screens show in place of the user call
// statistics, as grid rows (header first), and writing such rows into a grid.

#include <QList>
#include <QStringList>

class TStringGrid;

namespace ActivityFigures {

using Rows = QList<QStringList>;

// "Year", "Month", "Calls", then one row per month of 1997 from January to
// October.
Rows callsByMonth();
// "Response", "Calls", then one row per response code.
Rows callsByResponse();

// Writes row r, column c of `rows` into cell (c, r) of the grid and makes the
// grid exactly as long as `rows`; earlier texts are cleared, so that none
// comes back when the grid grows again. No rows leave the grid as it is.
void fillGrid(TStringGrid *grid, const Rows &rows);

} // namespace ActivityFigures
