#include "wizard/WizardPageAreas.h"

#include "toolkit/AccessibleGroup.h"
#include "toolkit/AccessibleNames.h"
#include "toolkit/Control.h"
#include "wizard/ElementProtocol.h"

#include <QApplication>
#include <QWidget>

WizardPageAreas::WizardPageAreas(QWidget *wizard, std::function<bool(const QWidget *)> isButton,
                                 std::function<int()> pageCount)
    : m_wizard(wizard)
    , m_isButton(std::move(isButton))
    , m_pageCount(std::move(pageCount))
{
}

WizardPageAreas::~WizardPageAreas()
{
    qDeleteAll(m_areas);
}

int WizardPageAreas::pageOf(const QWidget *w) const
{
    // An element shown on several pages stands in the first wizard page's
    // area; the dialog page's area holds the other controls, which only it
    // shows.
    const auto *e = qobject_cast<const ElementProtocol *>(w);
    if (!e)
        return m_isButton(w) ? -1 : 0;
    for (int page = 1; page <= m_pageCount(); ++page) {
        if (e->shownOn(page))
            return page;
    }
    return e->shownOn(0) ? 0 : -1;
}

void WizardPageAreas::make()
{
    for (int page = 0; page <= m_pageCount(); ++page) {
        if (!m_areas.contains(page))
            m_areas.insert(page, new AccessibleGroup(m_wizard, [this, page](const QWidget *w) {
                               return pageOf(w) == page;
                           }));
    }
}

void WizardPageAreas::describe(int page)
{
    make();
    if (AccessibleGroup *area = m_areas.value(page))
        area->describe(m_wizard->accessibleName(), m_wizard->accessibleDescription());
}

bool WizardPageAreas::pageHasTabStop() const
{
    for (QWidget *w = m_wizard->nextInFocusChain(); w && w != m_wizard; w = w->nextInFocusChain()) {
        const Control *c = Control::from(w);
        if (c && c->CanFocus() && c->TabStop() && m_wizard->isAncestorOf(w) && !m_isButton(w))
            return true;
    }
    return false;
}

void WizardPageAreas::focus(int page, Control *first)
{
    // A page that Tab cannot enter (pictures and texts) takes the focus
    // itself: a screen reader then speaks its title and help, where the
    // focus on a button of the wizard would say only the button's name.
    AccessibleGroup *area = m_areas.value(page);
    if (area && !area->members().isEmpty() && !pageHasTabStop()) {
        area->takeFocus();
            return;
    }
    if (!first)
        return;
    // Qt says nothing where the control had the focus already; a screen
    // reader is told of the move into the new page area all the same.
    const QWidget *before = QApplication::focusWidget();
    first->SetFocus();
    if (QWidget *now = QApplication::focusWidget(); now && now == before)
        AccessibleNames::announce(now, QAccessible::Focus);
}
