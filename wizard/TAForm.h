#pragma once

// A page element that hosts a separately designed form: it asks for the form
// through OnGetForm, embeds it borderless and filling the host, and, as
// FormCreate says, keeps it or gives it back through OnFreeForm and frees it
// when a page without the host is shown.

#include "toolkit/TForm.h"
#include "wizard/TABox.h"

class TAForm : public TABox
{
    Q_OBJECT
    Q_PROPERTY(Wz::TFormCreate FormCreate READ FormCreate WRITE SetFormCreate)
    Q_PROPERTY(TForm *HostedForm READ HostedForm STORED false)

Q_SIGNALS:
    TForm *OnGetForm();
    void OnFreeForm(QObject *Sender, TForm *Form);

public:
    explicit TAForm(QObject *owner);
    ~TAForm() override;

    Wz::TFormCreate FormCreate() const { return m_formCreate; }
    void SetFormCreate(Wz::TFormCreate mode) { m_formCreate = mode; }
    TForm *HostedForm() const;

    void loaded() override;
    void beforeDestruction() override;

protected:
    // The hosted form follows the host's size at once, also while hidden.
    void boundsChanged() override;

private:
    // Obtains, keeps or releases the form for physical page `page`.
    void handleForm(int page);
    void obtain(bool hideFirst);
    // Tells OnFreeForm and frees the hosted form: hidden and out of its
    // owner's list now, deleted once control is back in the event loop.
    void release();

    Wz::TFormCreate m_formCreate = Wz::TFormCreate::fcOnCreate;
    QPointer<TForm> m_hosted;
};
