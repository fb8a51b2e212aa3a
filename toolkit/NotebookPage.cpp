#include "toolkit/NotebookPage.h"

NotebookPage::NotebookPage(QObject *owner)
    : ControlWidget<QWidget>(owner)
{
    setFocusable(false);
}

void NotebookPage::SetCaption(const QString &caption)
{
    m_caption = caption;
    emit tabChanged();
}

void NotebookPage::SetTabVisible(bool visible)
{
    m_tabVisible = visible;
    emit tabChanged();
}

void NotebookPage::SetBounds(int left, int top, int width, int height)
{
    // Inside a notebook the page always fills the notebook's page area.
    if (m_inNotebook) {
        if (const Control *host = Control::from(parentWidget())) {
            const QRect r = host->clientRect();
            Control::SetBounds(r.left(), r.top(), r.width(), r.height());
            return;
        }
    }
    Control::SetBounds(left, top, width, height);
}

void NotebookPage::parentChanged()
{
    // Outside a notebook the page shows as its visible flag says.
    if (!m_inNotebook)
        setVisible(Visible());
}
