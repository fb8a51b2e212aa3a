#pragma once

// What every page element shares, whatever control it is built on: the
// per-page table of whether and where it is shown (ShowContainer), its parent
// on the dialog page and on the wizard pages, the alignment it takes while
// shown, the recording of its position and parent into the table, and its
// placement on a page change. Each element class holds one PageElement and
// declares the shared published part with TK_PAGE_ELEMENT(Base), where Base
// is the toolkit class it derives from.

#include "toolkit/Enums.h"
#include "wizard/ElementProtocol.h"
#include "wizard/OutOfSight.h"
#include "wizard/TAposList.h"
#include "wizard/TAssistent.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class Control;

class PageElement
{
public:
    // The left edge a hidden element is moved to.
    static constexpr int HiddenLeft = OutOfSight::Left;

    // `canBeParent` is false for controls that cannot hold others (images).
    PageElement(QWidget *widget, Control *control, bool canBeParent);

    // Finds the wizard among the owner form's components and shows the
    // element on the current page only. Called at the end of the element's
    // construction; throws std::invalid_argument for an owner that is not a
    // form.
    void attach(QObject *owner);

    TAssistent *wizard() const { return m_wizard; }
    TAposList *showContainer() const { return m_showContainer; }
    QWidget *parentInDialog() const { return m_parentInDialog; }
    void setParentInDialog(QWidget *parent);
    QWidget *parentInWizard() const { return m_parentInWizard; }
    void setParentInWizard(QWidget *parent);
    Tk::TAlign aalign() const { return m_aalign; }
    void setAAlign(Tk::TAlign align);
    // Whether the table shows the element on physical page `page`.
    bool isShownOn(int page) const;

    // Shows the element at its place for `page`, or hides it. Writes only
    // what differs, so that an element that stays as it is is not touched.
    void setNewPosition(int page);
    void setNumApos(int count);
    // Runs first in every setNewPosition (a form host obtains or releases
    // its form there).
    void setBeforePlacement(std::function<void(int)> hook) { m_beforePlacement = std::move(hook); }

    // From the control's bounds and parent hooks.
    void recordPosition();
    void recordParent();

private:
    void checkParent(QWidget *parent, const char *property) const;

    QWidget *m_widget;
    Control *m_control;
    bool m_canBeParent;
    TAposList *m_showContainer;
    QPointer<QWidget> m_parentInDialog;
    QPointer<QWidget> m_parentInWizard;
    Tk::TAlign m_aalign = Tk::TAlign::alNone;
    QPointer<TAssistent> m_wizard;
    bool m_recording = false;
    std::function<void(int)> m_beforePlacement;
};

// The published part every element class shares, forwarding to its
// PageElement member m_element. Leaves the access at private.
#define TK_PAGE_ELEMENT(Base)                                                                                       \
    Q_INTERFACES(ElementProtocol)                                                                                   \
    Q_PROPERTY(QWidget *ParentInDialog READ ParentInDialog WRITE SetParentInDialog)                                 \
    Q_PROPERTY(QWidget *ParentInWizard READ ParentInWizard WRITE SetParentInWizard)                                 \
    Q_PROPERTY(TAposList *ShowContainer READ ShowContainer)                                                         \
    Q_PROPERTY(Tk::TAlign AAlign READ AAlign WRITE SetAAlign)                                                       \
                                                                                                                    \
public:                                                                                                             \
    QWidget *ParentInDialog() const { return m_element.parentInDialog(); }                                          \
    void SetParentInDialog(QWidget *parent) { m_element.setParentInDialog(parent); }                                \
    QWidget *ParentInWizard() const { return m_element.parentInWizard(); }                                          \
    void SetParentInWizard(QWidget *parent) { m_element.setParentInWizard(parent); }                                \
    TAposList *ShowContainer() const { return m_element.showContainer(); }                                          \
    Tk::TAlign AAlign() const { return m_element.aalign(); }                                                        \
    void SetAAlign(Tk::TAlign align) { m_element.setAAlign(align); }                                                \
    Q_INVOKABLE void SetNewPosition(int page) override { m_element.setNewPosition(page); }                          \
    Q_INVOKABLE void SetNumApos(int count) override { m_element.setNumApos(count); }                                \
    bool shownOn(int page) const override { return m_element.isShownOn(page); }                                     \
    TAssistent *wizard() const { return m_element.wizard(); }                                                       \
                                                                                                                    \
protected:                                                                                                          \
    void boundsChanged() override                                                                                   \
    {                                                                                                               \
        Base::boundsChanged();                                                                                      \
        m_element.recordPosition();                                                                                 \
    }                                                                                                               \
    void parentChanged() override                                                                                   \
    {                                                                                                               \
        Base::parentChanged();                                                                                      \
        m_element.recordParent();                                                                                   \
    }                                                                                                               \
    PageElement m_element;                                                                                          \
                                                                                                                    \
private:
