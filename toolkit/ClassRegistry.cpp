#include "toolkit/ClassRegistry.h"

#include <algorithm>

ClassRegistry &ClassRegistry::instance()
{
    static ClassRegistry registry;
    return registry;
}

void ClassRegistry::add(const QByteArray &className, const QMetaObject *metaObject, Factory factory)
{
    m_entries.insert(className, Entry{metaObject, std::move(factory)});
}

bool ClassRegistry::contains(const QByteArray &className) const
{
    return m_entries.contains(className);
}

const QMetaObject *ClassRegistry::metaObject(const QByteArray &className) const
{
    auto it = m_entries.constFind(className);
    return it == m_entries.constEnd() ? nullptr : it->metaObject;
}

QObject *ClassRegistry::create(const QByteArray &className, QObject *owner) const
{
    auto it = m_entries.constFind(className);
    if (it == m_entries.constEnd())
        return nullptr;
    return it->factory(owner);
}

QList<QByteArray> ClassRegistry::classNames() const
{
    QList<QByteArray> names = m_entries.keys();
    std::sort(names.begin(), names.end());
    return names;
}
