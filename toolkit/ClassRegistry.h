#pragma once

// The one table of component classes that form definitions can name: it
// creates a component of a class by name with its owner, and answers which
// classes exist.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>

#include <functional>

class ClassRegistry
{
public:
    using Factory = std::function<QObject *(QObject *owner)>;

    static ClassRegistry &instance();

    template<typename T>
    void add()
    {
        add(T::staticMetaObject.className(), &T::staticMetaObject, [](QObject *owner) -> QObject * { return new T(owner); });
    }
    void add(const QByteArray &className, const QMetaObject *metaObject, Factory factory);

    bool contains(const QByteArray &className) const;
    const QMetaObject *metaObject(const QByteArray &className) const;
    // Null when the class is unknown.
    QObject *create(const QByteArray &className, QObject *owner) const;
    QList<QByteArray> classNames() const;

private:
    struct Entry {
        const QMetaObject *metaObject = nullptr;
        Factory factory;
    };
    QHash<QByteArray, Entry> m_entries;
};
