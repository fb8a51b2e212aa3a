#include "toolkit/NotebookPage.h"

#include "toolkit/NotebookHost.h"

NotebookPage::NotebookPage(QObject *owner)
    : ControlWidget<QWidget>(owner)
{
    setFocusable(false);
}

NotebookHost *NotebookPage::host() const
{
    return m_host;
}

void NotebookPage::SetCaption(const QString &caption)
{
    m_caption = caption;
    if (m_host)
        m_host->pagesChanged();
}

void NotebookPage::SetTabVisible(bool visible)
{
    m_tabVisible = visible;
    if (m_host)
        m_host->pagesChanged();
}

int NotebookPage::PageIndex() const
{
    return m_host ? m_host->indexOf(this) : -1;
}

void NotebookPage::SetPageIndex(int index)
{
    if (m_host)
        m_host->movePage(this, index);
}

void NotebookPage::SetBounds(int left, int top, int width, int height)
{
    // Inside a notebook the page always fills the notebook's page area.
    if (m_host) {
        const QRect r = m_host->clientRect();
        Control::SetBounds(r.left(), r.top(), r.width(), r.height());
        return;
    }
    Control::SetBounds(left, top, width, height);
}

void NotebookPage::parentChanged()
{
    if (m_host)
        m_host->removePage(this);
    m_host = qobject_cast<NotebookHost *>(parentWidget());
    if (m_host)
        m_host->addPage(this);
    else
        setVisible(Visible());
}
