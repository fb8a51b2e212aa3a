#include "toolkit/NotebookHost.h"

#include "toolkit/NotebookPage.h"

#include <QApplication>
#include <QChildEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionTab>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

// The row of tabs; with a number of tabs per row every tab takes an equal
// share of the row's width.
class PageTabBar : public QTabBar
{
public:
    using QTabBar::QTabBar;
    int perRow = 0;

    // The gap between a shared-width tab's edges and its caption.
    static constexpr int CaptionMargin = 3;

protected:
    QSize tabSizeHint(int index) const override
    {
        QSize s = QTabBar::tabSizeHint(index);
        if (perRow > 0)
            s.setWidth(std::max(1, width() / perRow));
        return s;
    }

    // A shared-width tab can be narrower than the style's own padding around
    // the caption allows, which would cut the caption at both ends; such tabs
    // draw their caption with a small margin of their own. The current tab is
    // drawn last, over its neighbours.
    void paintEvent(QPaintEvent *event) override
    {
        if (perRow <= 0) {
            QTabBar::paintEvent(event);
            return;
        }
        QPainter p(this);
        auto drawTab = [&](int i) {
            if (!isTabVisible(i))
                return;
            QStyleOptionTab opt;
            initStyleOption(&opt, i);
            const QString caption = opt.text;
            opt.text.clear();
            style()->drawControl(QStyle::CE_TabBarTabShape, &opt, &p, this);
            const bool selected = opt.state & QStyle::State_Selected;
            const int shift = selected ? 0 : style()->pixelMetric(QStyle::PM_TabBarTabShiftVertical, &opt, this);
            const QRect r = opt.rect.adjusted(CaptionMargin, shift, -CaptionMargin, 0);
            style()->drawItemText(&p, r, Qt::AlignCenter | Qt::TextShowMnemonic, opt.palette,
                                  opt.state & QStyle::State_Enabled, caption, QPalette::WindowText);
        };
        for (int i = 0; i < count(); ++i) {
            if (i != currentIndex())
                drawTab(i);
        }
        if (currentIndex() >= 0)
            drawTab(currentIndex());
    }
};

namespace {
// The page area lies this far inside the frame below the tabs.
constexpr int kPageInset = 4;
} // namespace

NotebookHost::NotebookHost(QObject *owner)
    : ControlWidget<QWidget>(owner)
    , m_tabBar(new PageTabBar(this))
{
    setFocusable(false);
    resize(289, 193);
    // The tabs take the focus, so that the keyboard reaches every page: the
    // arrow keys move between the tabs; Ctrl+Tab and Ctrl+Page Down (with
    // Shift, or Ctrl+Page Up, backwards) do so from anywhere in the notebook.
    m_tabBar->setFocusPolicy(Qt::StrongFocus);
    m_tabBar->setDrawBase(false);
    m_tabBar->setExpanding(false);
    addInputWidget(m_tabBar);
    connect(m_tabBar, &QTabBar::currentChanged, this, [this](int index) {
        if (!m_syncing && !isLoading())
            userChange(index);
    });
    boundsChanged();
}

NotebookHost::~NotebookHost() = default;

QTabBar *NotebookHost::tabBar() const
{
    return m_tabBar;
}

int NotebookHost::pageCount() const
{
    return int(m_pages.size());
}

NotebookPage *NotebookHost::page(int index) const
{
    return index >= 0 && index < m_pages.size() ? m_pages.at(index).data() : nullptr;
}

int NotebookHost::indexOf(const NotebookPage *page) const
{
    for (int i = 0; i < m_pages.size(); ++i) {
        if (m_pages.at(i) == page)
            return i;
    }
    return -1;
}

void NotebookHost::setActiveIndex(int index)
{
    // While loading the pages may not all exist yet; loaded() checks.
    if (!isLoading())
        index = index >= 0 && index < pageCount() ? index : -1;
    if (index == m_active)
        return;
    m_active = index;
    syncTabs();
    showActive();
}

void NotebookHost::selectNext(bool forward)
{
    const int n = pageCount();
    if (n == 0)
        return;
    const int start = m_active >= 0 ? m_active : (forward ? n - 1 : 0);
    for (int k = 1; k <= n; ++k) {
        const int i = ((start + (forward ? k : -k)) % n + n) % n;
        if (page(i)->TabVisible()) {
            if (i != m_active)
                userChange(i);
            return;
        }
    }
}

void NotebookHost::userChange(int index)
{
    if (index == m_active || index < 0 || index >= pageCount())
        return;
    QPointer<QWidget> self(this);
    if (!allowChange(index)) {
        if (self)
            syncTabs();
        return;
    }
    if (!self)
        return;
    setActiveIndex(index);
    changed();
}

bool NotebookHost::allowChange(int)
{
    return true;
}

void NotebookHost::changed() {}

void NotebookHost::setTabsPerRow(int count)
{
    m_tabBar->perRow = std::max(0, count);
    boundsChanged();
}

QRect NotebookHost::clientRect() const
{
    const int tabs = m_tabBar->height();
    return QRect(0, tabs, width(), height() - tabs).adjusted(kPageInset, kPageInset, -kPageInset, -kPageInset);
}

void NotebookHost::addPage(NotebookPage *page)
{
    if (indexOf(page) >= 0)
        return;
    m_pages.append(page);
    page->setInNotebook(true);
    connect(page, &NotebookPage::tabChanged, this, &NotebookHost::pagesChanged);
    if (m_active < 0 && !isLoading())
        m_active = pageCount() - 1;
    pagesChanged();
    layoutPages();
}

void NotebookHost::movePage(NotebookPage *page, int index)
{
    const int from = indexOf(page);
    if (from < 0)
        return;
    const int to = std::clamp(index, 0, pageCount() - 1);
    if (from == to)
        return;
    NotebookPage *active = this->page(m_active);
    m_pages.move(from, to);
    m_active = indexOf(active);
    pagesChanged();
}

void NotebookHost::pagesChanged()
{
    syncTabs();
    showActive();
}

void NotebookHost::prune(const QObject *leaving)
{
    for (int i = pageCount() - 1; i >= 0; --i) {
        NotebookPage *p = m_pages.at(i);
        if (p && p != leaving)
            continue;
        // A page that is only moved elsewhere is let go; one that is being
        // deleted is no page any more and is only dropped.
        if (p && Component::from(leaving)) {
            disconnect(p, &NotebookPage::tabChanged, this, &NotebookHost::pagesChanged);
            p->setInNotebook(false);
        }
        m_pages.removeAt(i);
        if (i < m_active || (i == m_active && m_active == pageCount()))
            --m_active;
    }
}

void NotebookHost::syncTabs()
{
    ++m_syncing;
    while (m_tabBar->count() > pageCount())
        m_tabBar->removeTab(m_tabBar->count() - 1);
    while (m_tabBar->count() < pageCount())
        m_tabBar->addTab(QString());
    for (int i = 0; i < pageCount(); ++i) {
        NotebookPage *p = page(i);
        m_tabBar->setTabText(i, p ? p->Caption() : QString());
        m_tabBar->setTabVisible(i, p && p->TabVisible());
    }
    if (m_active >= 0 && m_active < pageCount() && page(m_active)->TabVisible())
        m_tabBar->setCurrentIndex(m_active);
    --m_syncing;
}

void NotebookHost::showActive()
{
    for (int i = 0; i < pageCount(); ++i) {
        if (NotebookPage *p = page(i))
            p->setVisible(i == m_active && p->TabVisible());
    }
}

void NotebookHost::layoutPages()
{
    const QRect r = clientRect();
    for (int i = 0; i < pageCount(); ++i) {
        if (NotebookPage *p = page(i))
            p->SetBounds(r.left(), r.top(), r.width(), r.height());
    }
}

void NotebookHost::boundsChanged()
{
    const int tabs = m_tabBar->sizeHint().height();
    m_tabBar->setGeometry(0, 0, width(), tabs);
    layoutPages();
}

void NotebookHost::loaded()
{
    if (m_active >= pageCount())
        m_active = -1;
    if (m_active < 0) {
        for (int i = 0; i < pageCount() && m_active < 0; ++i) {
            if (page(i)->TabVisible())
                m_active = i;
        }
    }
    Control::loaded();
    boundsChanged();
    pagesChanged();
}

void NotebookHost::childEvent(QChildEvent *event)
{
    ControlWidget<QWidget>::childEvent(event);
    if (event->added()) {
        if (auto *page = qobject_cast<NotebookPage *>(event->child()))
            addPage(page);
    } else if (event->removed()) {
        prune(event->child());
        pagesChanged();
    }
}

void NotebookHost::keyPressEvent(QKeyEvent *event)
{
    const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier) && !event->modifiers().testFlag(Qt::AltModifier);
    const int key = event->key();
    const bool back = key == Qt::Key_Backtab || key == Qt::Key_PageUp
                      || (key == Qt::Key_Tab && event->modifiers().testFlag(Qt::ShiftModifier));
    if (ctrl && (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_PageDown || key == Qt::Key_PageUp)) {
        event->accept();
        const bool focusInside = isAncestorOf(QApplication::focusWidget());
        selectNext(!back);
        // The focus that was on the page just hidden goes to the tabs.
        if (focusInside && m_tabBar->isVisible() && !isAncestorOf(QApplication::focusWidget()))
            m_tabBar->setFocus(Qt::TabFocusReason);
        return;
    }
    ControlWidget<QWidget>::keyPressEvent(event);
}

void NotebookHost::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = QRect(0, m_tabBar->height(), width(), height() - m_tabBar->height());
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &p, this);
}
