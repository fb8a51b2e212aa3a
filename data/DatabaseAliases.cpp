#include "data/DatabaseAliases.h"

#include <array>

namespace {

struct AliasEntry {
    const char *name;
    const char *holds;
};

constexpr std::array<AliasEntry, 2> aliases{{
    {DatabaseAliases::Shared, "the product's shared database: account, address, contact, campaign, script, user and control tables"},
    {DatabaseAliases::Local, "the workstation's work database: query results and report scratch tables"},
}};

const AliasEntry *find(QStringView alias)
{
    for (const AliasEntry &e : aliases) {
        if (alias.compare(QLatin1String(e.name), Qt::CaseInsensitive) == 0)
            return &e;
    }
    return nullptr;
}

} // namespace

QStringList DatabaseAliases::names()
{
    QStringList list;
    for (const AliasEntry &e : aliases)
        list << QString::fromLatin1(e.name);
    return list;
}

QString DatabaseAliases::canonical(QStringView alias)
{
    const AliasEntry *e = find(alias);
    return e ? QString::fromLatin1(e->name) : QString();
}

bool DatabaseAliases::isKnown(QStringView alias)
{
    return find(alias) != nullptr;
}

QString DatabaseAliases::description(QStringView alias)
{
    const AliasEntry *e = find(alias);
    return e ? QString::fromLatin1(e->holds) : QString();
}

QString DatabaseAliases::openRefusal(const QString &what, const QString &alias)
{
    if (alias.trimmed().isEmpty())
        return QStringLiteral("Cannot open %1: it names no database, and no database is available in this demonstration.")
            .arg(what);
    if (const AliasEntry *e = find(alias))
        return QStringLiteral("Cannot open %1: the database %2 is not available in this demonstration.")
            .arg(what, QLatin1String(e->name));
    return QStringLiteral("Cannot open %1: the database alias \"%2\" is unknown.").arg(what, alias);
}
