#pragma once

// The component model shared by every control, form and non-visual part, as a
// thin face over Qt's objects: a component has an owner that frees it
// (distinct from its widget parent) and owns further components in creation
// order, knows when it is being loaded from a form definition and when it is
// being destroyed, and raises its events as Qt signals. A definition binds an
// event to a handler method of its form once, at load, by method index.
//
// Events are the signals of a class whose names begin with "On" and a capital
// letter (OnClick, OnPageChange). A class raises them through fire(): nothing
// runs while the component is loaded or destroyed. The binding calls the
// handler inside a guard of its own, so a failure the handler leaves uncaught
// becomes the application's error message before it could leave the handler,
// and nothing throws through the signal.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>
#include <vector>

#include "toolkit/Persistent.h"

class Component : public Persistent
{
public:
    // `self` is the QObject side of this component; `owner` may be null, or any
    // object that is a component itself.
    Component(QObject *self, QObject *owner);
    ~Component() override;

    Component(const Component &) = delete;
    Component &operator=(const Component &) = delete;

    // The component part of `object`, or null. Safe on objects that are being
    // destroyed: once the class that made the object a component is gone,
    // the object is no component any more.
    static Component *from(const QObject *object);

    QObject *object() const { return m_self; }
    QObject *owner() const { return m_owner; }
    QString name() const { return m_self->objectName(); }

    // Owned components in creation order. The list shrinks as components are
    // freed; walk a snapshot when the walk itself may create or free some.
    int componentCount() const { return int(m_components.size()); }
    QObject *componentAt(int index) const;
    std::vector<QPointer<QObject>> componentSnapshot() const { return m_components; }
    // Letter case ignored; looked up through an index of the names.
    QObject *findComponent(QStringView name) const;
    void insertComponent(QObject *component);
    void removeComponent(QObject *component);

    // Loading from a form definition.
    bool isLoading() const { return m_loading; }
    void setLoading(bool loading) { m_loading = loading; }
    // While one lives, the next component created (the one the reader asked
    // for, not what its constructor creates in turn) starts out loading, so
    // its constructor can leave to loaded() what the definition may change.
    class DefinitionCreation
    {
    public:
        DefinitionCreation();
        ~DefinitionCreation();
        DefinitionCreation(const DefinitionCreation &) = delete;
        DefinitionCreation &operator=(const DefinitionCreation &) = delete;
    };
    // Called on every loaded component once all references are resolved.
    virtual void loaded();
    // A non-visual component nested in this one's block of a definition (a
    // menu item in its menu); false refuses it.
    virtual bool acceptChild(QObject *child);
    // The component whose block holds this one when a definition is written;
    // null means the form itself.
    virtual QObject *definitionParent() const;

    // Destruction. free() tells the component, and what it owns, last to
    // first, that it is about to go (a form raises OnDestroy, a form host
    // gives back its form), takes it out of its owner's list and out of
    // sight, and deletes it once control is back in the event loop. From that
    // point on none of its events reaches a handler.
    bool isDestroying() const { return m_destroying; }
    virtual void beforeDestruction();
    static void free(QObject *object);
    // Deletes what was freed, outside the event loop (at the end of the
    // program, in tests); inside it, Qt does so on its own.
    static void deleteFreed();

    // Events.
    // The method index of the signal that is the event `name` of the class,
    // or -1.
    static int eventIndex(const QMetaObject *mo, const QByteArray &name);
    static QList<QByteArray> declaredEvents(const QMetaObject *mo);
    // Connects the event to the method `handler` of `target`, whose parameter
    // types and return type must be the event's. Returns an empty string on
    // success, or a message saying what did not match. A handler that fails
    // returns the type's default value (false, null) to the event.
    QString bindEvent(const QByteArray &event, QObject *target, const QByteArray &handler);
    void unbindEvent(const QByteArray &event);
    bool hasHandler(const QByteArray &event) const;
    QObject *handlerTarget(const QByteArray &event) const;
    QByteArray handlerName(const QByteArray &event) const;
    QList<QByteArray> boundEvents() const;

    // Whether handlers of this component run at all.
    bool handlersEnabled() const { return !m_loading && !m_destroying; }
    // Runs `emitEvent`, which emits one of this component's events, unless
    // handlers are disabled; returns whether it ran.
    template<typename F>
    bool fire(F &&emitEvent) const
    {
        if (!handlersEnabled())
            return false;
        emitEvent();
        return true;
    }

protected:
    // Deletes the owned components, last to first, while the class that owns
    // them is still whole; called from the destructor of the concrete class.
    // A component deleted without free() raises no event on its way out.
    void destroyOwned();

private:
    class HandlerCall;
    struct Binding {
        QByteArray handler;
        std::shared_ptr<HandlerCall> call;
    };

    void adopt(Component *c);
    void forget(QObject *component);
    void markDestroying();
    void indexName(QObject *component, const QString &name);
    void unindex(QObject *component);

    QObject *m_self;
    QPointer<QObject> m_owner;
    // The owner's component part; valid while m_owner is, since an owner
    // deletes what it owns before its own component part goes.
    Component *m_ownerPart = nullptr;
    std::vector<QPointer<QObject>> m_components;
    // Case-folded name to component, and back.
    QHash<QString, QObject *> m_byName;
    QHash<const QObject *, QString> m_nameOf;
    QHash<QByteArray, Binding> m_bindings;
    bool m_loading = false;
    bool m_destroying = false;
    // Set once two owned components share a name, so that removing one only
    // then looks for the other.
    bool m_sharedNames = false;
};

#define Component_iid "org.ravik.Component"
Q_DECLARE_INTERFACE(Component, Component_iid)
