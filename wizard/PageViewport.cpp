#include "wizard/PageViewport.h"

#include "toolkit/Bevels.h"
#include "toolkit/Colors.h"
#include "toolkit/Control.h"

#include <QApplication>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>

#include <algorithm>

namespace {

// The ground of the button strip while the page scrolls under it, with the
// etched line along its top that the wizard draws above its buttons.
class StripBackground : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), palette().color(QPalette::Window));
        Bevels::separator(p, 0, width() - 1, 1, Colors::toQColor(Tk::TColor::clBtnShadow),
                          Colors::toQColor(Tk::TColor::clBtnHighlight));
    }
};

} // namespace

PageViewport::Layout PageViewport::layout(const QRect &offered, const QSize &page, QPoint scroll, int barExtent)
{
    Layout l;
    const int w = offered.width();
    const int h = offered.height();
    if (page.isEmpty() || (w >= page.width() && h >= page.height())) {
        l.wizard = offered;
        l.visible = QRect(0, 0, w, h);
        return l;
    }
    // A bar along one edge takes room from the other direction: settle both.
    for (int i = 0; i < 2; ++i) {
        l.hbar = w - l.vbar < page.width() ? barExtent : 0;
        l.vbar = h - l.hbar < page.height() ? barExtent : 0;
    }
    l.range = QPoint(std::max(0, page.width() - (w - l.vbar)), std::max(0, page.height() - (h - l.hbar)));
    l.scroll = QPoint(std::clamp(scroll.x(), 0, l.range.x()), std::clamp(scroll.y(), 0, l.range.y()));
    l.wizard = QRect(offered.x() - l.scroll.x(), offered.y() - l.scroll.y(), w + l.range.x(), h + l.range.y());
    l.visible = QRect(l.scroll.x(), l.scroll.y(), w, h);
    return l;
}

PageViewport::PageViewport(QWidget *wizard, Control *control, QList<QWidget *> floating)
    : QObject(wizard)
    , m_wizard(wizard)
    , m_control(control)
    , m_floating(std::move(floating))
    , m_vbar(new QScrollBar(Qt::Vertical, wizard))
    , m_hbar(new QScrollBar(Qt::Horizontal, wizard))
    , m_stripBackground(new StripBackground(wizard))
{
    m_vbar->setAccessibleName(QStringLiteral("Vertical"));
    m_hbar->setAccessibleName(QStringLiteral("Horizontal"));
    for (QWidget *w : {static_cast<QWidget *>(m_vbar), static_cast<QWidget *>(m_hbar), m_stripBackground}) {
        w->setFocusPolicy(Qt::NoFocus);
        w->hide();
    }
    connect(m_vbar, &QScrollBar::valueChanged, this, [this](int y) { scrollTo(QPoint(m_layout.scroll.x(), y)); });
    connect(m_hbar, &QScrollBar::valueChanged, this, [this](int x) { scrollTo(QPoint(x, m_layout.scroll.y())); });
    // The page follows the focus, so that the keyboard reaches every control.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (m_active && now && m_wizard->isAncestorOf(now) && !m_floating.contains(now))
            ensureVisible(now);
    });
    m_wizard->installEventFilter(this);
}

QRect PageViewport::place(const QRect &offered, bool scrolls, int strip)
{
    m_offered = offered;
    m_strip = strip;
    const int extent = m_wizard->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_vbar);
    m_layout = layout(offered, scrolls ? m_page : QSize(), m_layout.scroll, extent);
    m_active = m_layout.vbar > 0 || m_layout.hbar > 0;
    placeBars();
    return m_layout.wizard;
}

QRect PageViewport::visibleRect() const
{
    return m_active ? m_layout.visible : m_wizard->rect();
}

void PageViewport::placeBars()
{
    m_stripBackground->setVisible(m_active);
    m_vbar->setVisible(m_layout.vbar > 0);
    m_hbar->setVisible(m_layout.hbar > 0);
    if (!m_active)
        return;
    const QRect v = m_layout.visible;
    const int pageBottom = v.bottom() + 1 - m_strip;
    m_stripBackground->setGeometry(v.x(), pageBottom, v.width(), m_strip);
    const QSignalBlocker blockV(m_vbar);
    const QSignalBlocker blockH(m_hbar);
    // The vertical bar runs down to the strip, over the corner beside the other.
    m_vbar->setGeometry(v.right() + 1 - m_layout.vbar, v.y(), m_layout.vbar, pageBottom - v.y());
    m_vbar->setRange(0, m_layout.range.y());
    m_vbar->setPageStep(m_vbar->height());
    m_vbar->setValue(m_layout.scroll.y());
    m_hbar->setGeometry(v.x(), pageBottom - m_layout.hbar, v.width() - m_layout.vbar, m_layout.hbar);
    m_hbar->setRange(0, m_layout.range.x());
    m_hbar->setPageStep(m_hbar->width());
    m_hbar->setValue(m_layout.scroll.x());
    // The page's controls were made after the buttons and would cover them.
    m_stripBackground->raise();
    for (QWidget *w : m_floating)
        w->raise();
    m_vbar->raise();
    m_hbar->raise();
}

void PageViewport::scrollTo(QPoint offset)
{
    if (!m_active || offset == m_layout.scroll)
        return;
    m_layout.scroll = offset;
    // The wizard asks place() again, with the new offset.
    m_control->SetBounds(m_offered.x(), m_offered.y(), m_offered.width(), m_offered.height());
}

void PageViewport::ensureVisible(QWidget *w)
{
    const QRect r(w->mapTo(m_wizard, QPoint(0, 0)), w->size());
    const int width = m_layout.visible.width() - m_layout.vbar;
    const int height = m_layout.visible.height() - m_strip - m_layout.hbar;
    QPoint s = m_layout.scroll;
    // The far edges first, so that a control larger than the page shows its start.
    if (r.right() >= s.x() + width)
        s.setX(r.right() + 1 - width);
    if (r.bottom() >= s.y() + height)
        s.setY(r.bottom() + 1 - height);
    s.setX(std::min(s.x(), r.left()));
    s.setY(std::min(s.y(), r.top()));
    scrollTo(s);
}

bool PageViewport::eventFilter(QObject *watched, QEvent *event)
{
    // A turn of the wheel that no control of the page took scrolls the page.
    if (watched == m_wizard && event->type() == QEvent::Wheel && m_active) {
        QScrollBar *bar = m_layout.vbar > 0 ? m_vbar : m_hbar;
        QCoreApplication::sendEvent(bar, event);
        return true;
    }
    return QObject::eventFilter(watched, event);
}
