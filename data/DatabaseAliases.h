#pragma once

// The database aliases that datasets name in their DatabaseName: the shared
// product database and the per-workstation work database. Lookup ignores
// letter case, as the forms spell the aliases in mixed case. No alias has a
// database behind it in the demonstration, so every attempt to open one is
// refused with a message that says which alias was asked for.

#include <QString>
#include <QStringList>

class DatabaseAliases
{
public:
    static constexpr const char *Shared = "Holvintele";
    static constexpr const char *Local = "HolvinteleLocal";

    static QStringList names();
    // The alias as registered ("holvintele" gives "Holvintele"), or a null
    // string when no alias of that name exists.
    static QString canonical(QStringView alias);
    static bool isKnown(QStringView alias);
    // What the alias holds, for the catalogue; empty when unknown.
    static QString description(QStringView alias);

    // The message that refuses to open `what` (a dataset's name) on `alias`.
    static QString openRefusal(const QString &what, const QString &alias);
};
