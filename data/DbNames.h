#pragma once

// Rules for the names that datasets store: field lists as the index and link
// properties write them ("Reference;Posn;Line"), and table names with or
// without the ".DB" extension. Field and table names are matched ignoring
// letter case; the order of a field list matters.

#include <QString>
#include <QStringList>

class DbNames
{
public:
    // The fields of a semicolon-separated list, trimmed; empty entries dropped.
    static QStringList splitFieldList(const QString &list);
    static bool sameField(QStringView a, QStringView b);
    // Whether two field lists name the same fields in the same order.
    static bool sameFieldList(const QString &a, const QString &b);
    // Whether `leading` names the first fields of `list`, in order (an
    // empty `leading` is no part of anything).
    static bool isLeadingPart(const QString &leading, const QString &list);
    // Position of `field` in `fields`, or -1.
    static int indexOfField(const QStringList &fields, QStringView field);

    // The file of a table: a name without an extension means the native
    // table file of that name.
    static QString tableFileName(const QString &table);
    static bool sameTable(const QString &a, const QString &b);
};
