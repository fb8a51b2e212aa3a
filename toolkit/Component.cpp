#include "toolkit/Component.h"

#include "toolkit/Application.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMetaMethod>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace {

bool isEventName(const QByteArray &name)
{
    return name.size() > 2 && name.startsWith("On") && name.at(2) >= 'A' && name.at(2) <= 'Z';
}

using EventTable = QHash<QByteArray, int>;

// The events of a class by name; one table per class, built on first use.
const EventTable &eventTable(const QMetaObject *mo)
{
    static QHash<const QMetaObject *, EventTable> cache;
    auto it = cache.constFind(mo);
    if (it != cache.constEnd())
        return *it;
    EventTable table;
    for (int i = 0; i < mo->methodCount(); ++i) {
        const QMetaMethod m = mo->method(i);
        if (m.methodType() == QMetaMethod::Signal && isEventName(m.name()))
            table.insert(m.name(), i);
    }
    return *cache.insert(mo, table);
}

QString caseFolded(QStringView name)
{
    return name.toString().toCaseFolded();
}

// Set while the form reader creates a component, for that component alone.
thread_local bool nextFromDefinition = false;

} // namespace

// The receiving end of one binding: the signal arrives at this object's one
// method, which calls the handler inside the guard. The arguments are passed
// on as they came, which the binding checked to be the handler's own.
class Component::HandlerCall : public QObject
{
public:
    HandlerCall(QObject *target, int method)
        : m_target(target)
        , m_method(method)
    {
    }

    // The method index the signal is connected to: the first past QObject's.
    static int slot() { return QObject::staticMetaObject.methodCount(); }
    QObject *target() const { return m_target; }

    int qt_metacall(QMetaObject::Call call, int id, void **args) override
    {
        id = QObject::qt_metacall(call, id, args);
        if (id < 0 || call != QMetaObject::InvokeMetaMethod)
            return id;
        if (id == 0)
            invoke(args);
        return id - 1;
    }

private:
    void invoke(void **args)
    {
        if (!m_target)
            return;
        try {
            QMetaObject::metacall(m_target, QMetaObject::InvokeMetaMethod, m_method, args);
        } catch (const std::exception &e) {
            Application::handleException(QString::fromUtf8(e.what()));
        } catch (...) {
            Application::handleException(QStringLiteral("An unknown failure occurred."));
        }
    }

    QPointer<QObject> m_target;
    int m_method;
};

Component::DefinitionCreation::DefinitionCreation()
{
    nextFromDefinition = true;
}

Component::DefinitionCreation::~DefinitionCreation()
{
    nextFromDefinition = false;
}

Component::Component(QObject *self, QObject *owner)
    : m_self(self)
    , m_loading(std::exchange(nextFromDefinition, false))
{
    Q_ASSERT(self);
    if (Component *o = from(owner))
        o->adopt(this);
}

Component::~Component()
{
    // Owned components normally went with the concrete class already.
    destroyOwned();
    if (m_owner && m_ownerPart)
        m_ownerPart->forget(m_self);
}

Component *Component::from(const QObject *object)
{
    return object ? qobject_cast<Component *>(const_cast<QObject *>(object)) : nullptr;
}

QObject *Component::componentAt(int index) const
{
    if (index < 0 || index >= componentCount())
        return nullptr;
    return m_components[size_t(index)].data();
}

QObject *Component::findComponent(QStringView name) const
{
    if (name.isEmpty())
        return nullptr;
    return m_byName.value(caseFolded(name));
}

void Component::insertComponent(QObject *component)
{
    Component *c = from(component);
    Q_ASSERT_X(c, "Component::insertComponent", "only components can be owned");
    if (!c || c == this)
        return;
    if (c->m_owner && c->m_ownerPart)
        c->m_ownerPart->removeComponent(component);
    adopt(c);
}

void Component::removeComponent(QObject *component)
{
    auto it = std::find_if(m_components.begin(), m_components.end(),
                           [component](const QPointer<QObject> &p) { return p.data() == component; });
    if (it == m_components.end())
        return;
    forget(component);
    if (Component *c = from(component); c && c->m_owner == m_self) {
        c->m_owner = nullptr;
        c->m_ownerPart = nullptr;
    }
}

void Component::adopt(Component *c)
{
    c->m_owner = m_self;
    c->m_ownerPart = this;
    QObject *o = c->m_self;
    m_components.emplace_back(o);
    indexName(o, o->objectName());
    // Renaming keeps the index; the connection goes with either object.
    QObject::connect(o, &QObject::objectNameChanged, m_self, [this, o](const QString &name) {
        if (m_nameOf.contains(o))
            indexName(o, name);
    });
}

void Component::forget(QObject *component)
{
    auto it = std::find_if(m_components.begin(), m_components.end(),
                           [component](const QPointer<QObject> &p) { return p.data() == component; });
    if (it != m_components.end())
        m_components.erase(it);
    unindex(component);
    QObject::disconnect(component, &QObject::objectNameChanged, m_self, nullptr);
}

void Component::indexName(QObject *component, const QString &name)
{
    unindex(component);
    m_nameOf.insert(component, name);
    if (name.isEmpty())
        return;
    const QString key = caseFolded(name);
    // Two components of one name: the one created first is found.
    if (!m_byName.contains(key))
        m_byName.insert(key, component);
    else if (m_byName.value(key) != component)
        m_sharedNames = true;
}

void Component::unindex(QObject *component)
{
    auto it = m_nameOf.find(component);
    if (it == m_nameOf.end())
        return;
    const QString key = caseFolded(*it);
    m_nameOf.erase(it);
    if (m_byName.value(key) != component)
        return;
    m_byName.remove(key);
    if (!m_sharedNames)
        return;
    // Another component of the same name takes its place.
    for (const auto &p : m_components) {
        if (p && p.data() != component && caseFolded(p->objectName()) == key) {
            m_byName.insert(key, p.data());
            break;
        }
    }
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
    // own handlers still run (a form host tells its form's owner it is
    // freeing the hosted form).
    const auto snapshot = componentSnapshot();
    for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it) {
        if (Component *c = from(it->data()))
            c->beforeDestruction();
    }
    m_destroying = true;
}

void Component::markDestroying()
{
    if (m_destroying)
        return;
    m_destroying = true;
    for (const auto &p : m_components) {
        if (Component *c = from(p.data()))
            c->markDestroying();
    }
}

void Component::destroyOwned()
{
    // Deleted without being freed: nothing is raised any more, since the
    // handlers' classes may be gone already.
    markDestroying();
    while (!m_components.empty()) {
        QPointer<QObject> p = m_components.back();
        m_components.pop_back();
        if (!p)
            continue;
        unindex(p.data());
        if (Component *c = from(p.data())) {
            c->m_owner = nullptr;
            c->m_ownerPart = nullptr;
        }
        delete p.data();
    }
    m_byName.clear();
    m_nameOf.clear();
}

void Component::free(QObject *object)
{
    if (!object)
        return;
    Component *c = from(object);
    if (c) {
        if (c->m_destroying && !c->m_owner)
            return;   // freed already
        c->beforeDestruction();
        if (c->m_owner && c->m_ownerPart)
            c->m_ownerPart->removeComponent(object);
    }
    if (auto *w = qobject_cast<QWidget *>(object))
        w->hide();
    object->deleteLater();
}

void Component::deleteFreed()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int Component::eventIndex(const QMetaObject *mo, const QByteArray &name)
{
    return eventTable(mo).value(name, -1);
}

QList<QByteArray> Component::declaredEvents(const QMetaObject *mo)
{
    QList<QByteArray> names = eventTable(mo).keys();
    std::sort(names.begin(), names.end());
    return names;
}

QString Component::bindEvent(const QByteArray &event, QObject *target, const QByteArray &handler)
{
    const QMetaObject *mo = m_self->metaObject();
    const int signalIndex = eventIndex(mo, event);
    if (signalIndex < 0)
        return QStringLiteral("class %1 has no event %2").arg(QString::fromLatin1(mo->className()), QString::fromLatin1(event));
    if (!target)
        return QStringLiteral("no object to take the handler %1").arg(QString::fromLatin1(handler));
    const QMetaMethod signal = mo->method(signalIndex);
    QByteArray parameters;
    for (int i = 0; i < signal.parameterCount(); ++i) {
        if (i)
            parameters += ',';
        parameters += signal.parameterTypeName(i);
    }
    const QByteArray signature = QMetaObject::normalizedSignature(handler + '(' + parameters + ')');
    const QMetaObject *tmo = target->metaObject();
    const int methodIndex = tmo->indexOfMethod(signature.constData());
    if (methodIndex < 0)
        return QStringLiteral("class %1 has no handler %2")
            .arg(QString::fromLatin1(tmo->className()), QString::fromLatin1(signature));
    const QMetaMethod method = tmo->method(methodIndex);
    const QByteArray wanted = QMetaObject::normalizedType(signal.typeName());
    if (QMetaObject::normalizedType(method.typeName()) != wanted)
        return QStringLiteral("handler %1 returns %2 where %3 is expected")
            .arg(QString::fromLatin1(signature), QString::fromLatin1(method.typeName()), QString::fromLatin1(wanted));
    unbindEvent(event);
    Binding b{handler, std::make_shared<HandlerCall>(target, methodIndex)};
    if (!QMetaObject::connect(m_self, signalIndex, b.call.get(), HandlerCall::slot(), Qt::DirectConnection))
        return QStringLiteral("handler %1 could not be connected to %2").arg(QString::fromLatin1(signature), QString::fromLatin1(event));
    m_bindings.insert(event, b);
    return {};
}

void Component::unbindEvent(const QByteArray &event)
{
    // The connection goes with the receiving object.
    m_bindings.remove(event);
}

bool Component::hasHandler(const QByteArray &event) const
{
    return handlerTarget(event);
}

QObject *Component::handlerTarget(const QByteArray &event) const
{
    auto it = m_bindings.constFind(event);
    return it == m_bindings.constEnd() ? nullptr : it->call->target();
}

QByteArray Component::handlerName(const QByteArray &event) const
{
    auto it = m_bindings.constFind(event);
    return it == m_bindings.constEnd() ? QByteArray() : it->handler;
}

QList<QByteArray> Component::boundEvents() const
{
    QList<QByteArray> names;
    for (auto it = m_bindings.constBegin(); it != m_bindings.constEnd(); ++it) {
        if (it->call->target())
            names << it.key();
    }
    std::sort(names.begin(), names.end());
    return names;
}

