#include "toolkit/Component.h"

#include "toolkit/Dialogs.h"

#include <QCoreApplication>
#include <QMetaClassInfo>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace {

// Objects whose handler (or whose control's handler) is running, innermost last.
std::vector<QPointer<QObject>> &busyObjects()
{
    static std::vector<QPointer<QObject>> list;
    return list;
}

// Objects freed while busy, waiting for their handlers to return.
std::vector<QPointer<QObject>> &deferredObjects()
{
    static std::vector<QPointer<QObject>> list;
    return list;
}

bool flushScheduled = false;

void scheduleFlush()
{
    if (flushScheduled || !QCoreApplication::instance())
        return;
    flushScheduled = true;
    QTimer::singleShot(0, QCoreApplication::instance(), [] {
        flushScheduled = false;
        Component::flushDeferred();
    });
}

using EventTable = QHash<QByteArray, Component::EventSignature>;

const EventTable &eventTable(const QMetaObject *mo)
{
    static QHash<const QMetaObject *, EventTable> cache;
    auto it = cache.constFind(mo);
    if (it != cache.constEnd())
        return *it;
    EventTable table;
    for (int i = 0; i < mo->classInfoCount(); ++i) {
        const QMetaClassInfo info = mo->classInfo(i);
        const QByteArray key = info.name();
        if (!key.startsWith("event:"))
            continue;
        const QByteArray value = info.value();
        const int open = value.indexOf('(');
        const int close = value.lastIndexOf(')');
        if (open < 0 || close < open)
            continue;
        Component::EventSignature sig;
        sig.returnType = QMetaObject::normalizedType(value.left(open).trimmed().constData());
        sig.parameters = value.mid(open + 1, close - open - 1);
        table.insert(key.mid(6), sig);
    }
    return *cache.insert(mo, table);
}

} // namespace

Component::Component(QObject *self, QObject *owner)
    : m_self(self)
{
    Q_ASSERT(self);
    // The object is still being built, so it cannot be cast to a component
    // yet; the owner takes this part directly.
    if (Component *o = from(owner))
        o->adopt(this);
}

Component::~Component()
{
    if (!m_destroying)
        Component::beforeDestruction();
    // Owned components go last to first, as they were created.
    while (!m_components.empty()) {
        QPointer<QObject> p = m_components.back();
        m_components.pop_back();
        if (!p)
            continue;
        if (Component *c = from(p))
            c->m_owner = nullptr;
        delete p.data();
    }
    // This object is half destroyed: the owner drops it without casting it.
    if (Component *o = from(m_owner))
        o->forget(m_self);
}

Component *Component::from(const QObject *object)
{
    return object ? dynamic_cast<Component *>(const_cast<QObject *>(object)) : nullptr;
}

QObject *Component::componentAt(int index) const
{
    if (index < 0 || index >= componentCount())
        return nullptr;
    return m_components[size_t(index)].data();
}

std::vector<QPointer<QObject>> Component::componentSnapshot() const
{
    return m_components;
}

QObject *Component::findComponent(QStringView name) const
{
    if (name.isEmpty())
        return nullptr;
    for (const auto &p : m_components) {
        if (p && QStringView(p->objectName()).compare(name, Qt::CaseInsensitive) == 0)
            return p.data();
    }
    return nullptr;
}

void Component::insertComponent(QObject *component)
{
    Component *c = from(component);
    Q_ASSERT_X(c, "Component::insertComponent", "only components can be owned");
    if (!c || c == this)
        return;
    if (Component *old = from(c->m_owner))
        old->removeComponent(component);
    adopt(c);
}

void Component::forget(QObject *component)
{
    auto it = std::find_if(m_components.begin(), m_components.end(),
                           [component](const QPointer<QObject> &p) { return p.data() == component; });
    if (it != m_components.end())
        m_components.erase(it);
}

void Component::adopt(Component *c)
{
    c->m_owner = m_self;
    m_components.emplace_back(c->m_self);
}

void Component::removeComponent(QObject *component)
{
    auto it = std::find_if(m_components.begin(), m_components.end(),
                           [component](const QPointer<QObject> &p) { return p.data() == component; });
    if (it == m_components.end())
        return;
    m_components.erase(it);
    if (Component *c = from(component); c && c->m_owner == m_self)
        c->m_owner = nullptr;
}

void Component::loaded() {}

bool Component::acceptChild(QObject *)
{
    return false;
}

QObject *Component::definitionParent() const
{
    return nullptr;
}

void Component::beforeDestruction()
{
    if (m_destroying)
        return;
    // Owned components hear it first, last to first, while this component's
    // own handlers still run (a form host tells its form's owner it is freeing
    // the hosted form).
    const auto snapshot = componentSnapshot();
    for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it) {
        if (Component *c = from(*it))
            c->beforeDestruction();
    }
    m_destroying = true;
}

bool Component::isBusy(const QObject *object)
{
    if (!object)
        return false;
    for (const auto &p : busyObjects()) {
        for (const QObject *o = p.data(); o;) {
            if (o == object)
                return true;
            const QObject *next = o->parent();
            if (!next) {
                if (const Component *c = from(o))
                    next = c->owner();
            }
            o = next;
        }
    }
    return false;
}

void Component::free(QObject *object)
{
    if (!object)
        return;
    if (Component *c = from(object)) {
        if (!c->m_destroying)
            c->beforeDestruction();
    }
    if (!isBusy(object)) {
        delete object;
        return;
    }
    // A handler of this object (or of something inside it) is still on the
    // stack: take it out of sight and out of every walk now, delete it later.
    if (Component *c = from(object)) {
        if (Component *o = from(c->owner()))
            o->removeComponent(object);
    }
    if (auto *w = qobject_cast<QWidget *>(object)) {
        w->hide();
        w->setParent(nullptr);
    } else {
        object->setParent(nullptr);
    }
    deferredObjects().emplace_back(object);
    scheduleFlush();
}

void Component::flushDeferred()
{
    auto &list = deferredObjects();
    std::vector<QPointer<QObject>> keep;
    // Deleting one object may free others; take the list first.
    std::vector<QPointer<QObject>> pending;
    pending.swap(list);
    for (auto &p : pending) {
        if (!p)
            continue;
        if (isBusy(p))
            keep.emplace_back(p);
        else
            delete p.data();
    }
    for (auto &p : keep)
        list.emplace_back(p);
    if (!list.empty())
        scheduleFlush();
}

int Component::deferredCount()
{
    int n = 0;
    for (const auto &p : deferredObjects())
        n += p ? 1 : 0;
    return n;
}

bool Component::eventSignature(const QMetaObject *mo, const QByteArray &event, EventSignature *sig)
{
    const EventTable &table = eventTable(mo);
    auto it = table.constFind(event);
    if (it == table.constEnd())
        return false;
    if (sig)
        *sig = *it;
    return true;
}

QList<QByteArray> Component::declaredEvents(const QMetaObject *mo)
{
    QList<QByteArray> names = eventTable(mo).keys();
    std::sort(names.begin(), names.end());
    return names;
}

QString Component::bindEvent(const QByteArray &event, QObject *target, const QByteArray &handler)
{
    EventSignature sig;
    if (!eventSignature(m_self->metaObject(), event, &sig))
        return QStringLiteral("class %1 has no event %2")
            .arg(QString::fromLatin1(m_self->metaObject()->className()), QString::fromLatin1(event));
    if (!target)
        return QStringLiteral("no object to take the handler %1").arg(QString::fromLatin1(handler));
    const QByteArray signature = QMetaObject::normalizedSignature(handler + '(' + sig.parameters + ')');
    const QMetaObject *tmo = target->metaObject();
    const int index = tmo->indexOfMethod(signature.constData());
    if (index < 0)
        return QStringLiteral("class %1 has no handler %2")
            .arg(QString::fromLatin1(tmo->className()), QString::fromLatin1(signature));
    const QMetaMethod method = tmo->method(index);
    if (QMetaObject::normalizedType(method.typeName()) != sig.returnType)
        return QStringLiteral("handler %1 returns %2 where %3 is expected")
            .arg(QString::fromLatin1(signature), QString::fromLatin1(method.typeName()),
                 QString::fromLatin1(sig.returnType));
    m_handlers.insert(event, Handler{target, index, handler});
    eventBound(event);
    return {};
}

void Component::unbindEvent(const QByteArray &event)
{
    m_handlers.remove(event);
}

bool Component::hasHandler(const QByteArray &event) const
{
    auto it = m_handlers.constFind(event);
    return it != m_handlers.constEnd() && it->target;
}

QObject *Component::handlerTarget(const QByteArray &event) const
{
    auto it = m_handlers.constFind(event);
    return it == m_handlers.constEnd() ? nullptr : it->target.data();
}

QByteArray Component::handlerName(const QByteArray &event) const
{
    auto it = m_handlers.constFind(event);
    return it == m_handlers.constEnd() ? QByteArray() : it->name;
}

QList<QByteArray> Component::boundEvents() const
{
    QList<QByteArray> names = m_handlers.keys();
    std::sort(names.begin(), names.end());
    return names;
}

bool Component::fireNotify(const QByteArray &event)
{
    QObject *sender = m_self;
    return callEvent<void>(event, nullptr, sender);
}

void Component::eventBound(const QByteArray &) {}

bool Component::dispatch(const QByteArray &event, void **argv)
{
    if (m_destroying || m_loading)
        return false;
    auto it = m_handlers.constFind(event);
    if (it == m_handlers.constEnd() || !it->target)
        return false;
    QObject *target = it->target.data();
    if (const Component *tc = from(target); tc && tc->m_destroying)
        return false;
    const int index = it->methodIndex;
    BusyScope busy{m_self, target};
    try {
        QMetaObject::metacall(target, QMetaObject::InvokeMetaMethod, index, argv);
    } catch (const std::exception &e) {
        // A failure a handler does not catch itself ends in the application's
        // standard error box, and the program goes on.
        Dialogs::ShowException(QString::fromUtf8(e.what()));
    }
    return true;
}

BusyScope::BusyScope(std::initializer_list<QObject *> objects)
{
    for (QObject *o : objects) {
        busyObjects().emplace_back(o);
        ++m_count;
    }
}

BusyScope::~BusyScope()
{
    auto &list = busyObjects();
    for (int i = 0; i < m_count && !list.empty(); ++i)
        list.pop_back();
}
