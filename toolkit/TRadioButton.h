#pragma once

// A radio button; the checked one among the radio buttons of one parent
// excludes the others (radio buttons inside other containers, such as the
// buttons of a radio group, take no part). OnClick is raised when the user
// checks it.

#include "toolkit/ControlWidget.h"

#include <QRadioButton>

class TRadioButton : public ControlWidget<QRadioButton>
{
    Q_OBJECT
    TK_CONTROL
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
    Q_PROPERTY(Tk::TAlignment Alignment READ Alignment WRITE SetAlignment)

public:
    explicit TRadioButton(QObject *owner);

    QString Caption() const { return text(); }
    void SetCaption(const QString &caption) { setText(caption); }
    bool Checked() const { return isChecked(); }
    void SetChecked(bool checked);
    Tk::TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(Tk::TAlignment alignment);

protected:
    // The whole control takes the click, not only its text.
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }
    bool nativeClick() const override { return true; }
    // A click checks the button; it never clears it.
    void nextCheckState() override;

private:
    Tk::TAlignment m_alignment = Tk::TAlignment::taRightJustify;
    bool m_wasChecked = false;   // the state when the user pressed it
};
