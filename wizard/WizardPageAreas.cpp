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
    delete m_strip;
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
    if (!m_strip)
        m_strip = new AccessibleGroup(m_wizard, [this](const QWidget *w) { return m_isButton(w); });
}

void WizardPageAreas::describe(int page)
{
    make();
    if (AccessibleGroup *area = m_areas.value(page))
        area->describe(m_wizard->accessibleName(), m_wizard->accessibleDescription());
    m_strip->describe(m_wizard->accessibleName(), m_wizard->accessibleDescription());
}

void WizardPageAreas::focus(Control *first)
{
    if (!first)
        return;
    // Qt says nothing where the control had the focus already; a screen
    // reader is told of the move into the new page area all the same.
    const QWidget *before = QApplication::focusWidget();
    first->SetFocus();
    if (QWidget *now = QApplication::focusWidget(); now && now == before)
        AccessibleNames::announce(now, QAccessible::Focus);
}
