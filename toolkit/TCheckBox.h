#pragma once

// A check box with a caption. OnClick is raised when the user clicks it, not
// when code changes its state.

#include "toolkit/ControlWidget.h"

#include <QCheckBox>

class TCheckBox : public ControlWidget<QCheckBox>
{
    Q_OBJECT
    TK_CONTROL
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool AllowGrayed READ AllowGrayed WRITE SetAllowGrayed)
    Q_PROPERTY(Tk::TCheckBoxState State READ State WRITE SetState)
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
    Q_PROPERTY(Tk::TAlignment Alignment READ Alignment WRITE SetAlignment)

public:
    explicit TCheckBox(QObject *owner);

    QString Caption() const { return text(); }
    void SetCaption(const QString &caption) { setText(caption); }
    bool AllowGrayed() const { return isTristate(); }
    void SetAllowGrayed(bool allow) { setTristate(allow); }
    Tk::TCheckBoxState State() const;
    void SetState(Tk::TCheckBoxState state);
    bool Checked() const { return checkState() == Qt::Checked; }
    void SetChecked(bool checked) { SetState(checked ? Tk::TCheckBoxState::cbChecked : Tk::TCheckBoxState::cbUnchecked); }
    Tk::TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(Tk::TAlignment alignment);

protected:
    // The whole control takes the click, not only its text.
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }
    bool nativeClick() const override { return true; }

private:
    Tk::TAlignment m_alignment = Tk::TAlignment::taRightJustify;
};
