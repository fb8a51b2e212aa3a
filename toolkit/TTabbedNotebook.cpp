#include "toolkit/TTabbedNotebook.h"

#include "toolkit/NotebookPage.h"

#include <QTabBar>

#include <stdexcept>

TTabbedNotebook::TTabbedNotebook(QObject *owner)
    : NotebookHost(owner)
    , m_tabFont(new TFont(this))
{
    setTabsPerRow(m_tabsPerRow);
    tabBar()->setFont(m_tabFont->toQFont());
    connect(m_tabFont, &TFont::changed, this, [this] {
        tabBar()->setFont(m_tabFont->toQFont());
        boundsChanged();
    });
}

QString TTabbedNotebook::ActivePage() const
{
    const NotebookPage *p = page(activeIndex());
    return p ? p->Caption() : QString();
}

void TTabbedNotebook::SetActivePage(const QString &caption)
{
    const int index = int(Pages().indexOf(caption));
    if (index < 0)
        throw std::invalid_argument(QStringLiteral("%1 has no page %2").arg(objectName(), caption).toStdString());
    setActiveIndex(index);
}

void TTabbedNotebook::SetTabsPerRow(int count)
{
    m_tabsPerRow = std::max(1, count);
    setTabsPerRow(m_tabsPerRow);
}

QStringList TTabbedNotebook::Pages() const
{
    QStringList list;
    for (int i = 0; i < pageCount(); ++i)
        list << page(i)->Caption();
    return list;
}

bool TTabbedNotebook::allowChange(int index)
{
    bool allow = true;
    fire([&] { emit OnChange(this, index, allow); });
    return allow;
}
