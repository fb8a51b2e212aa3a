#include "screens/supervisor/ActivityFigures.h"

#include "toolkit/TStringGrid.h"

namespace ActivityFigures {

Rows callsByMonth()
{
    static const char *const calls[] = {"581", "723", "694", "718", "742", "596", "527", "696", "715", "726"};
    Rows rows{{QStringLiteral("Year"), QStringLiteral("Month"), QStringLiteral("Calls")}};
    int month = 1;
    for (const char *c : calls)
        rows.append({QStringLiteral("1997"), QString::number(month++), QString::fromLatin1(c)});
    return rows;
}

Rows callsByResponse()
{
    return {
        {QStringLiteral("Response"), QStringLiteral("Calls")},
        {QStringLiteral("No interest"), QStringLiteral("84")},
        {QStringLiteral("Considering"), QStringLiteral("143")},
        {QStringLiteral("Purchasing"), QStringLiteral("238")},
        {QStringLiteral("Positive"), QStringLiteral("158")},
    };
}

void fillGrid(TStringGrid *grid, const Rows &rows)
{
    Q_ASSERT(grid);
    if (!grid || rows.isEmpty())
        return;
    grid->ClearCells();
    grid->SetRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        const QStringList &row = rows.at(r);
        for (int c = 0; c < row.size(); ++c)
            grid->SetCell(c, r, row.at(c));
    }
}

} // namespace ActivityFigures
