#include "wizard/WizardFormSize.h"

#include "toolkit/TForm.h"
#include "wizard/PackedList.h"

void WizardFormSize::startFrom(const TForm *form)
{
    m_wizardWidth = m_dialogWidth = form->Width();
    m_wizardHeight = m_dialogHeight = form->Height();
}

void WizardFormSize::follow(TForm *form, int from, int to) const
{
    if (to != 0 && from == 0)
        resize(form, m_wizardWidth, m_wizardHeight);
    else if (to == 0 && from != 0)
        resize(form, m_dialogWidth, m_dialogHeight);
}

void WizardFormSize::resize(TForm *form, int w, int h)
{
    if (!form || form->WindowState() == Tk::TWindowState::wsMaximized)
        return;
    const QRect r = aroundCentre(form->BoundsRect(), w, h);
    form->SetBounds(r.left(), r.top(), r.width(), r.height());
}

QRect WizardFormSize::aroundCentre(const QRect &current, int w, int h)
{
    const int left = current.left() + current.width() / 2 - w / 2;
    const int top = current.top() + current.height() / 2 - h / 2;
    return {left, top, w, h};
}

void WizardFormSize::read(const QByteArray &bytes)
{
    const std::vector<qint32> v = PackedList::unpack(bytes, 4, 1);
    m_wizardHeight = v[0];
    m_wizardWidth = v[1];
    m_dialogHeight = v[2];
    m_dialogWidth = v[3];
}

QByteArray WizardFormSize::write() const
{
    return PackedList::pack({m_wizardHeight, m_wizardWidth, m_dialogHeight, m_dialogWidth});
}
