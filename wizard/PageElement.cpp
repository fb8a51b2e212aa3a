#include "wizard/PageElement.h"

#include "toolkit/Control.h"
#include "toolkit/Application.h"
#include "toolkit/TForm.h"
#include "wizard/TAssistent.h"

#include <stdexcept>

namespace {

// Clears a flag for as long as it lives, also when a hook throws.
class FlagOff
{
public:
    explicit FlagOff(bool &flag)
        : m_flag(flag)
    {
        m_flag = false;
    }
    ~FlagOff() { m_flag = true; }
    FlagOff(const FlagOff &) = delete;
    FlagOff &operator=(const FlagOff &) = delete;

private:
    bool &m_flag;
};

} // namespace

PageElement::PageElement(QWidget *widget, Control *control, bool canBeParent)
    : m_widget(widget)
    , m_control(control)
    , m_canBeParent(canBeParent)
    , m_showContainer(new TAposList(widget))
{
}

void PageElement::attach(QObject *owner)
{
    m_recording = true;
    if (!owner)
        return;
    const auto *form = qobject_cast<TForm *>(owner);
    if (!form)
        throw std::invalid_argument(QStringLiteral("a %1 must be owned by a form, not by a %2")
                                        .arg(QString::fromLatin1(m_widget->metaObject()->className()),
                                             QString::fromLatin1(owner->metaObject()->className()))
                                        .toStdString());
    for (const auto &p : form->componentSnapshot()) {
        if (auto *w = qobject_cast<TAssistent *>(p.data())) {
            m_wizard = w;
            break;
        }
    }
    if (!m_wizard) {
        Application::reportError(QStringLiteral("No Assistent on Form!"));
        return;
    }
    m_showContainer->SetCount(m_wizard->NumPages() + 1);
    const int page = m_wizard->PhysicalPage(m_wizard->Page());
    if (page >= 0 && page < m_showContainer->Count())
        m_showContainer->Put(page, {0, 0, 1});
}

bool PageElement::isShownOn(int page) const
{
    return page >= 0 && page < m_showContainer->Count() && m_showContainer->Get(page).Shown == 1;
}

void PageElement::checkParent(QWidget *parent, const char *property) const
{
    if (parent != m_widget && m_widget->isAncestorOf(parent))
        throw std::invalid_argument(QStringLiteral("%1 cannot be %2, which stands inside %3")
                                        .arg(QLatin1String(property), parent->objectName(), m_widget->objectName())
                                        .toStdString());
}

void PageElement::setParentInDialog(QWidget *parent)
{
    if (!parent || parent == m_parentInDialog || (m_canBeParent && parent == m_widget) || !m_wizard)
        return;
    checkParent(parent, "ParentInDialog");
    if (m_wizard->Page() != 0)
        m_parentInDialog = parent;
    else
        m_control->SetParent(parent);
}

void PageElement::setParentInWizard(QWidget *parent)
{
    if (!parent || parent == m_parentInWizard || (m_canBeParent && parent == m_widget) || !m_wizard)
        return;
    checkParent(parent, "ParentInWizard");
    if (m_wizard->Page() == 0)
        m_parentInWizard = parent;
    else
        m_control->SetParent(parent);
}

void PageElement::setAAlign(Tk::TAlign align)
{
    m_aalign = align;
    if (m_wizard && isShownOn(m_wizard->PhysicalPage(m_wizard->Page())))
        m_control->SetAlign(align);
}

void PageElement::setNumApos(int count)
{
    m_showContainer->SetCount(count);
}

void PageElement::setNewPosition(int page)
{
    if (m_beforePlacement)
        m_beforePlacement(page);
    FlagOff off(m_recording);
    if (!isShownOn(page)) {
        if (m_aalign != Tk::TAlign::alNone && m_control->Align() != Tk::TAlign::alNone)
            m_control->SetAlign(Tk::TAlign::alNone);
        if (m_control->Visible())
            m_control->SetVisible(false);
        OutOfSight::park(*m_control);
        return;
    }
    const TApos place = m_showContainer->Get(page);
    QWidget *parent = page != 0 ? m_parentInWizard : m_parentInDialog;
    const bool moving = parent && parent != m_widget->parentWidget();
    if (moving)
        m_control->SetParent(parent);
    // An aligned element that stays shown in the same parent keeps the place
    // its alignment gave it; writing the stored place would only move it
    // there and back.
    const Tk::TAlign align = m_control->Align();
    const bool staysAligned = !moving && m_control->Visible() && align != Tk::TAlign::alNone
                              && (m_aalign == Tk::TAlign::alNone || m_aalign == align);
    if (!staysAligned) {
        if (m_control->Left() != place.Left)
            m_control->SetLeft(place.Left);
        if (m_control->Top() != place.Top)
            m_control->SetTop(place.Top);
    }
    if (m_aalign != Tk::TAlign::alNone && m_aalign != align)
        m_control->SetAlign(m_aalign);
    if (!m_control->Enabled())
        m_control->SetEnabled(true);
    if (!m_control->Visible())
        m_control->SetVisible(true);
}

void PageElement::recordPosition()
{
    if (!m_recording || !m_wizard || m_control->isLoading() || m_control->isDestroying())
        return;
    const int page = m_wizard->PhysicalPage(m_wizard->Page());
    if (page < 0 || page >= m_showContainer->Count())
        return;
    TApos place = m_showContainer->Get(page);
    place.Left = m_control->Left();
    place.Top = m_control->Top();
    m_showContainer->Put(page, place);
}

void PageElement::recordParent()
{
    QWidget *parent = m_widget->parentWidget();
    if (!m_wizard || !parent || m_control->isDestroying())
        return;
    if (m_wizard->Page() != 0) {
        m_parentInWizard = parent;
        if (!m_parentInDialog)
            m_parentInDialog = m_wizard.data();
    } else {
        m_parentInDialog = parent;
        if (!m_parentInWizard)
            m_parentInWizard = m_wizard.data();
    }
}
