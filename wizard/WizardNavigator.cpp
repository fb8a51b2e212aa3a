#include "wizard/WizardNavigator.h"

#include "wizard/TIntegerList.h"
#include "wizard/TPageList.h"

WizardNavigator::WizardNavigator(Host &host, TPageList &wayList, TIntegerList &history)
    : m_host(host)
    , m_wayList(wayList)
    , m_history(history)
{
}

void WizardNavigator::setStartPage(int step)
{
    m_startPage = step;
    if (m_history.Count() == 0 || !m_useHistory)
        m_rememberedPage = step;
}

int WizardNavigator::physicalPage(int step) const
{
    if (!m_wayListEnabled || step <= 0)
        return step;
    if (step - 1 < m_wayList.Count())
        return m_wayList.ShowPage(step - 1);
    return -1;
}

bool WizardNavigator::isLastStep(int step) const
{
    if (!m_wayListEnabled)
        return step == m_numPages;
    return step >= 1 && step - 1 < m_wayList.Count() && m_wayList.NextStep(step - 1) == -2;
}

int WizardNavigator::lastStep() const
{
    // The last step of a way list stays reachable: steps run 1 .. count.
    return m_wayListEnabled ? m_wayList.Count() : m_numPages;
}

bool WizardNavigator::backEnabled() const
{
    return (m_useHistory && m_history.Count() > 0) || (!m_useHistory && m_page > 1);
}

std::optional<bool> WizardNavigator::nextEnabled(int step) const
{
    if (!m_wayListEnabled)
        return step != m_numPages;
    if (step > 0)
        return !isLastStep(step);
    return std::nullopt;
}

int WizardNavigator::nextTarget()
{
    return m_host.jumpTarget(m_page).value_or(m_page + 1);
}

void WizardNavigator::next()
{
    const int p = m_page;
    int a = p + 1;
    if (m_wayListEnabled) {
        // A step outside the list goes on to the next step, as -1 does.
        const int nextStep = p >= 1 && p - 1 < m_wayList.Count() ? m_wayList.NextStep(p - 1) : -1;
        if (nextStep == -3)
            a = nextTarget();
        else if (nextStep == -2)
            a = -1;
        else if (nextStep == -1)
            m_host.askPageChange(p, a);
        else
            a = nextStep;
    } else {
        a = p < m_numPages ? nextTarget() : -1;
    }
    const bool recorded = a != p && a != -1 && m_useHistory;
    if (recorded)
        m_history.Add(p);
    if (!m_host.changePage(a) && recorded)
        m_history.Delete(m_history.Count() - 1);
}

void WizardNavigator::back()
{
    if (!m_useHistory) {
        if (m_page > 1)
            m_host.changePage(m_page - 1);
        return;
    }
    if (m_history.Count() == 0)
        return;
    const int p = m_history.Get(m_history.Count() - 1);
    m_history.Delete(m_history.Count() - 1);
    // A vetoed or redirected return keeps its place in the history.
    if (!m_host.changePage(p) || m_page != p)
        m_history.Add(p);
}

void WizardNavigator::change()
{
    if (m_page > 0) {
        m_rememberedPage = m_page;
        m_host.changePage(0);
    } else if (m_rememberPage) {
        m_host.changePage(m_rememberedPage);
    } else {
        m_history.Clear();
        m_host.changePage(m_startPage);
    }
}

void WizardNavigator::jumpTo(int step)
{
    if (m_useHistory)
        m_history.Add(m_page);
    m_host.changePage(step);
}

bool WizardNavigator::stepBy(int delta)
{
    if (delta < 0 ? m_page <= 1 : m_page >= m_numPages)
        return false;
    m_host.changePage(m_page + delta);
    return true;
}
