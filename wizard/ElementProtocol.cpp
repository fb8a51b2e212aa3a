#include "wizard/ElementProtocol.h"

#include "toolkit/Component.h"

#include <QHash>
#include <QMetaMethod>
#include <QVariant>

namespace {

bool stillOwnedBy(const QPointer<QObject> &p, const QObject *owner)
{
    const Component *c = Component::from(p.data());
    return c && c->owner() == owner && !c->isDestroying();
}

} // namespace

int ElementProtocol::methodIndex(const QMetaObject *mo, const QByteArray &signature)
{
    static QHash<const QMetaObject *, QHash<QByteArray, int>> cache;
    QHash<QByteArray, int> &methods = cache[mo];
    auto it = methods.constFind(signature);
    if (it != methods.constEnd())
        return *it;
    const int index = mo->indexOfMethod(QMetaObject::normalizedSignature(signature.constData()).constData());
    methods.insert(signature, index);
    return index;
}

void ElementProtocol::callAll(QObject *owner, const QByteArray &signature, int value)
{
    const Component *o = Component::from(owner);
    if (!o)
        return;
    const auto snapshot = o->componentSnapshot();
    for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it) {
        if (!stillOwnedBy(*it, owner))
            continue;
        QObject *target = it->data();
        const int index = methodIndex(target->metaObject(), signature);
        if (index >= 0)
            target->metaObject()->method(index).invoke(target, Qt::DirectConnection, Q_ARG(int, value));
    }
}

std::optional<int> ElementProtocol::firstAnswer(QObject *owner, const QByteArray &signature, int value)
{
    const Component *o = Component::from(owner);
    if (!o)
        return std::nullopt;
    for (const auto &p : o->componentSnapshot()) {
        if (!stillOwnedBy(p, owner))
            continue;
        QObject *target = p.data();
        const int index = methodIndex(target->metaObject(), signature);
        if (index < 0)
            continue;
        QVariant answer;
        target->metaObject()->method(index).invoke(target, Qt::DirectConnection, Q_RETURN_ARG(QVariant, answer),
                                                   Q_ARG(int, value));
        if (answer.isValid())
            return answer.toInt();
    }
    return std::nullopt;
}
