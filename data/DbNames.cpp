#include "data/DbNames.h"

#include <QFileInfo>

QStringList DbNames::splitFieldList(const QString &list)
{
    QStringList fields;
    for (const QString &part : list.split(u';')) {
        const QString field = part.trimmed();
        if (!field.isEmpty())
            fields << field;
    }
    return fields;
}

bool DbNames::sameField(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool DbNames::sameFieldList(const QString &a, const QString &b)
{
    const QStringList fa = splitFieldList(a);
    const QStringList fb = splitFieldList(b);
    return fa.size() == fb.size() && (fa.isEmpty() || isLeadingPart(a, b));
}

bool DbNames::isLeadingPart(const QString &leading, const QString &list)
{
    const QStringList head = splitFieldList(leading);
    const QStringList fields = splitFieldList(list);
    if (head.isEmpty() || head.size() > fields.size())
        return false;
    for (qsizetype i = 0; i < head.size(); ++i) {
        if (!sameField(head.at(i), fields.at(i)))
            return false;
    }
    return true;
}

int DbNames::indexOfField(const QStringList &fields, QStringView field)
{
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (sameField(fields.at(i), field))
            return int(i);
    }
    return -1;
}

QString DbNames::tableFileName(const QString &table)
{
    const QString name = table.trimmed();
    if (name.isEmpty() || !QFileInfo(name).suffix().isEmpty())
        return name;
    return name + QStringLiteral(".DB");
}

bool DbNames::sameTable(const QString &a, const QString &b)
{
    const QString fa = tableFileName(a);
    return !fa.isEmpty() && fa.compare(tableFileName(b), Qt::CaseInsensitive) == 0;
}
