#pragma once

// The component model shared by every control, form and non-visual part: a
// component has an owner that frees it (distinct from its widget parent), owns
// further components in creation order, knows when it is being loaded from a
// form definition and when it is being destroyed, and raises events that are
// bound by name to handler methods of its form.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMetaMethod>
#include <QObject>
#include <QPointer>
#include <QString>

#include <vector>

#include "toolkit/Persistent.h"

class Filer;

class Component : public Persistent
{
public:
    // `self` is the QObject side of this component; `owner` may be null, or any
    // object that is a component itself.
    Component(QObject *self, QObject *owner);
    virtual ~Component();

    Component(const Component &) = delete;
    Component &operator=(const Component &) = delete;

    static Component *from(const QObject *object);

    QObject *object() const { return m_self; }
    QObject *owner() const { return m_owner; }
    QString name() const { return m_self->objectName(); }

    // Owned components in creation order. The list shrinks as components are
    // freed; walk a snapshot when the walk itself may create or free some.
    int componentCount() const { return int(m_components.size()); }
    QObject *componentAt(int index) const;
    std::vector<QPointer<QObject>> componentSnapshot() const;
    QObject *findComponent(QStringView name) const;   // letter case ignored
    void insertComponent(QObject *component);
    void removeComponent(QObject *component);

    // Loading from a form definition.
    bool isLoading() const { return m_loading; }
    void setLoading(bool loading) { m_loading = loading; }
    // Called on every loaded component once all references are resolved.
    virtual void loaded();
    // A non-visual component nested in this one's block of a definition (a
    // menu item in its menu); false refuses it.
    virtual bool acceptChild(QObject *child);
    // The component whose block holds this one when a definition is written;
    // null means the form itself.
    virtual QObject *definitionParent() const;

    // Destruction. free() tells the component (and what it owns) that it is
    // about to go, then deletes it; when a handler of the component or of
    // anything inside it is still running, the object is hidden and detached
    // at once and deleted once that handler has returned.
    bool isDestroying() const { return m_destroying; }
    virtual void beforeDestruction();
    static void free(QObject *object);
    static bool isBusy(const QObject *object);
    static void flushDeferred();
    static int deferredCount();

    // Events. An event is declared on the class with
    //   Q_CLASSINFO("event:OnClick", "void(QObject*)")
    // and bound to a method of the same signature on the handler's object.
    struct EventSignature {
        QByteArray returnType;   // "void", "bool", "QWidget*", ...
        QByteArray parameters;   // "QObject*,int,int&"
    };
    static bool eventSignature(const QMetaObject *mo, const QByteArray &event, EventSignature *sig);
    static QList<QByteArray> declaredEvents(const QMetaObject *mo);
    // Binds `event` to the method `handler` of `target`; returns an empty
    // string on success or a message saying what did not match.
    QString bindEvent(const QByteArray &event, QObject *target, const QByteArray &handler);
    void unbindEvent(const QByteArray &event);
    bool hasHandler(const QByteArray &event) const;
    QObject *handlerTarget(const QByteArray &event) const;
    QByteArray handlerName(const QByteArray &event) const;
    QList<QByteArray> boundEvents() const;

    // Calls the handler bound to `event` with `args`, whose C++ types must be
    // those declared for the event; `result` receives the return value of a
    // non-void handler. Returns false when no handler ran.
    template<typename R, typename... Args>
    bool callEvent(const QByteArray &event, R *result, Args &...args)
    {
        void *argv[] = {static_cast<void *>(result), const_cast<void *>(static_cast<const void *>(&args))...};
        return dispatch(event, argv);
    }
    // The common notify event: handler(QObject *sender).
    bool fireNotify(const QByteArray &event);

    // Whether handlers of this component run at all (false once it is being
    // destroyed, so that signals raised during teardown reach no handler).
    bool handlersEnabled() const { return !m_destroying; }

protected:
    // Whether an event binding or the first handler call needs extra wiring,
    // such as an event filter for mouse events. Called after every bind.
    virtual void eventBound(const QByteArray &event);

private:
    struct Handler {
        QPointer<QObject> target;
        int methodIndex = -1;
        QByteArray name;
    };

    bool dispatch(const QByteArray &event, void **argv);
    void adopt(Component *c);
    void forget(QObject *component);

    QObject *m_self;
    QPointer<QObject> m_owner;
    std::vector<QPointer<QObject>> m_components;
    QHash<QByteArray, Handler> m_handlers;
    bool m_loading = false;
    bool m_destroying = false;
};

// Marks `objects` as running a handler for as long as the scope lives, so that
// Component::free defers their deletion.
class BusyScope
{
public:
    explicit BusyScope(std::initializer_list<QObject *> objects);
    ~BusyScope();
    BusyScope(const BusyScope &) = delete;
    BusyScope &operator=(const BusyScope &) = delete;

private:
    int m_count = 0;
};
