#pragma once

// The contact types a campaign activity is sent to, kept for the whole run:
// a table of 40 entries, each a name of at most 20 characters and a flag
// whether the type is chosen (1) or available (0). Including a type flags
// the first available entry of that exact name; excluding clears the first
// chosen one. The table outlives the campaign screen, which is created and
// freed with its page.

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <array>

namespace Maildtl {

struct ContType {
    QString Name;
    quint8 Included = 0;
};

inline constexpr int ContTypeCount = 40;
inline constexpr int ContTypeNameLength = 20;
using ContTypes = std::array<ContType, ContTypeCount>;

// The program-wide table. At program start it holds the four contact types
// the campaign screen offers, all available; the other entries are empty.
extern ContTypes ContTypeTable;

// The contact types the table starts with, in the screen's order.
QStringList startingContactTypes();
// A table holding `names` (each cut to 20 characters) from entry 0 on, all
// available; names past the 40th are dropped.
ContTypes contTypesOf(const QStringList &names);
// Puts ContTypeTable back to its state at program start.
void resetContTypeTable();

// The first entry named exactly `name` (letter case counts) whose flag is
// `included`; -1 when there is none.
int findContType(const ContTypes &table, const QString &name, quint8 included);
// Flags the first available entry named `name` as chosen, or the first chosen
// one as available; false, with the table unchanged, when no entry matches.
bool includeContType(ContTypes &table, const QString &name);
bool excludeContType(ContTypes &table, const QString &name);

// Splits the screen's offered types by the table: every chosen entry, in
// table order, moves its name from `available` (first occurrence) to the end
// of `chosen`. So a screen created again shows what was chosen before.
void splitByTable(const ContTypes &table, QStringList &available, QStringList &chosen);

} // namespace Maildtl
