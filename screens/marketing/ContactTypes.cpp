#include "screens/marketing/ContactTypes.h"

namespace Maildtl {

QStringList startingContactTypes()
{
    return {QStringLiteral("Primary contact"), QStringLiteral("Manager"), QStringLiteral("Managing Director"),
            QStringLiteral("Supervisor")};
}

ContTypes contTypesOf(const QStringList &names)
{
    ContTypes table {};
    for (int i = 0; i < ContTypeCount && i < names.size(); ++i)
        table[i].Name = names.at(i).left(ContTypeNameLength);
    return table;
}

ContTypes ContTypeTable = contTypesOf(startingContactTypes());

void resetContTypeTable()
{
    ContTypeTable = contTypesOf(startingContactTypes());
}

int findContType(const ContTypes &table, const QString &name, quint8 included)
{
    for (int i = 0; i < ContTypeCount; ++i) {
        if (table[i].Included == included && table[i].Name == name)
            return i;
    }
    return -1;
}

namespace {
bool flip(ContTypes &table, const QString &name, quint8 from)
{
    const int i = findContType(table, name, from);
    if (i < 0)
        return false;
    table[i].Included = from ? 0 : 1;
    return true;
}
} // namespace

bool includeContType(ContTypes &table, const QString &name)
{
    return flip(table, name, 0);
}

bool excludeContType(ContTypes &table, const QString &name)
{
    return flip(table, name, 1);
}

void splitByTable(const ContTypes &table, QStringList &available, QStringList &chosen)
{
    for (const ContType &t : table) {
        if (t.Included != 1)
            continue;
        const qsizetype at = available.indexOf(t.Name);
        if (at >= 0)
            chosen.append(available.takeAt(at));
    }
}

} // namespace Maildtl
