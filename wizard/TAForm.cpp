#include "wizard/TAForm.h"

#include "toolkit/TForm.h"

#include <QMetaMethod>

TAForm::TAForm(QObject *owner)
    : TABox(owner)
{
    m_element.setBeforePlacement([this](int page) { handleForm(page); });
}

TAForm::~TAForm() = default;

TForm *TAForm::HostedForm() const
{
    return m_hosted;
}

void TAForm::handleForm(int page)
{
    const bool shown = m_element.isShownOn(page);
    if (shown && !m_hosted)
        obtain(true);
    if (!shown && m_formCreate == Wz::TFormCreate::fcOnDemandFree)
        release();
}

void TAForm::obtain(bool hideFirst)
{
    TForm *form = nullptr;
    fire([&] { form = emit OnGetForm(); });
    m_hosted = form;
    if (!form)
        return;
    if (hideFirst)
        form->SetVisible(false);
    form->SetBorderStyle(Tk::TFormBorderStyle::bsNone);
    form->SetWindowState(Tk::TWindowState::wsMaximized);
    form->SetParent(this);
    form->SetVisible(true);
}

void TAForm::release()
{
    TForm *form = m_hosted;
    if (!form)
        return;
    fire([&] { emit OnFreeForm(this, form); });
    m_hosted = nullptr;
    // A form whose own handler is still running goes once control is back in
    // the event loop, as every freed component does.
    Component::free(form);
}

void TAForm::boundsChanged()
{
    TABox::boundsChanged();
    if (m_hosted && m_hosted->Parent() == this && m_hosted->WindowState() == Tk::TWindowState::wsMaximized)
        m_hosted->SetBounds(0, 0, width(), height());
}

void TAForm::loaded()
{
    TABox::loaded();
    if (m_formCreate == Wz::TFormCreate::fcOnCreate)
        obtain(false);
}

void TAForm::beforeDestruction()
{
    if (isDestroying())
        return;
    release();
    TABox::beforeDestruction();
}
