#pragma once

// A Qt widget class made a control: the widget's own event handling raises
// the control's events first, inner widgets that the control names as its
// input report to it, and when the widget goes, what the control owns goes
// first, while the class that owns it is still whole.
//
//     class TEdit : public ControlWidget<QLineEdit> { Q_OBJECT TK_CONTROL ... };

#include "toolkit/Control.h"

#include <QEvent>
#include <QPointer>

template<class W>
class ControlWidget : public W, public Control
{
public:
    explicit ControlWidget(QObject *owner)
        : W(nullptr)
        , Control(this, owner)
    {
    }

    ~ControlWidget() override { destroyOwned(); }

protected:
    bool event(QEvent *e) override
    {
        if (handleEvent(this, e))
            return true;
        // Only leaving the focus and an unanswered pop-up request are looked
        // at again once the widget has seen them; any other event, the
        // deletion of a freed control above all, is the widget's alone.
        if (e->type() != QEvent::FocusOut && e->type() != QEvent::ContextMenu)
            return W::event(e);
        const QPointer<QObject> alive(this);
        const bool result = W::event(e);
        if (alive)
            afterEvent(this, e);
        return result;
    }

    // Only the control's own input widgets are watched, with the control as
    // their filter: once the control's class is gone, so is this override.
    bool eventFilter(QObject *watched, QEvent *e) override
    {
        if (watched != this && isInputWidget(watched) && handleEvent(watched, e))
            return true;
        return W::eventFilter(watched, e);
    }
};
