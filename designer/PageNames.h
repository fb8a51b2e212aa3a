#pragma once

// The rule for the page names typed into the screen designer's page grid:
// a page whose name is not empty has its tab shown, a name is at most 20
// characters, and a page whose name is too long keeps its earlier caption
// while its name is cut to the first 20 characters.

#include <QList>
#include <QString>
#include <QStringList>

namespace PageNames {

inline constexpr int MaxLength = 20;
inline constexpr int PageCount = 10;

struct Page {
    bool tabVisible = false;
    // The new caption of the page; null when it keeps the one it has.
    QString caption;
    // The text the grid's cell keeps.
    QString cell;
    // The name was too long: the user is told and the cell is cut.
    bool tooLong = false;
    bool operator==(const Page &) const = default;
};

// What one pass over the names of pages 1 to 10 gives; a missing name is an
// empty one.
QList<Page> apply(const QStringList &names);

// True when at least one page of `pages` has its tab shown.
bool anyDefined(const QList<Page> &pages);

} // namespace PageNames
