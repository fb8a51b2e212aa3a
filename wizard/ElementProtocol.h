#pragma once

// The page element protocol: what the wizard asks of every component of its
// owner form that offers it, found with qobject_cast, so that the wizard
// knows no element class. An element class declares it with
// Q_INTERFACES(ElementProtocol) (TK_PAGE_ELEMENT does).

#include <QObject>

#include <optional>

class ElementProtocol
{
public:
    virtual ~ElementProtocol() = default;

    // Shows the element at its place for physical page `page`, or hides it.
    virtual void SetNewPosition(int page) = 0;
    // Sizes the element's per-page table to `count` entries.
    virtual void SetNumApos(int count) = 0;
    // Whether the element shows on physical page `page`.
    virtual bool shownOn(int page) const = 0;
    // The page Next goes to from `page` when this element decides it (an
    // enabled, checked jump radio button); nothing otherwise.
    virtual std::optional<int> nextTarget(int page) const;

    // The walks of the wizard over the components owned by `owner`.
    // SetNewPosition and SetNumApos go last to first over a snapshot, so
    // components that the calls create are not visited and components that
    // they free or hand to another owner are skipped.
    static void setNewPosition(QObject *owner, int page);
    static void setNumApos(QObject *owner, int count);
    // The first component, first to last, whose nextTarget decides.
    static std::optional<int> nextTargetOf(QObject *owner, int page);
};

#define ElementProtocol_iid "org.ravik.wizard.ElementProtocol"
Q_DECLARE_INTERFACE(ElementProtocol, ElementProtocol_iid)
