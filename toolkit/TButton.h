#pragma once

// A push button. As the default button it takes Enter on its form, as the
// cancel button Escape.

#include "toolkit/ControlWidget.h"

#include <QPushButton>

class TButton : public ControlWidget<QPushButton>
{
    Q_OBJECT
    TK_CONTROL
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool Default READ Default WRITE SetDefault)
    Q_PROPERTY(bool Cancel READ Cancel WRITE SetCancel)
    Q_PROPERTY(int ModalResult READ ModalResult WRITE SetModalResult)

public:
    explicit TButton(QObject *owner);

    QString Caption() const { return text(); }
    void SetCaption(const QString &caption);
    bool Default() const { return m_default; }
    void SetDefault(bool isDefault);
    bool Cancel() const { return m_cancel; }
    void SetCancel(bool cancel) { m_cancel = cancel; }
    int ModalResult() const { return m_modalResult; }
    void SetModalResult(int result) { m_modalResult = result; }

    // What a click does: OnClick, then the modal result to the form.
    virtual void Click();
    bool dialogKey(int virtualKey) override;

protected:
    bool nativeClick() const override { return true; }

private:
    bool m_default = false;
    bool m_cancel = false;
    int m_modalResult = 0;
};
