#include "wizard/WizardTabBar.h"

#include "wizard/TIntegerList.h"
#include "wizard/TabStrip.h"
#include "wizard/WizardNavigator.h"

#include <QPainter>

namespace {

const QColor Silver(0xC0, 0xC0, 0xC0);
const QColor Grey(0x80, 0x80, 0x80);

// A line through `points` that leaves out its very last pixel, as a pen
// moved from point to point draws it.
void lineThrough(QPainter &p, const QColor &color, std::initializer_list<QPoint> points)
{
    p.setPen(QPen(color, 1));
    const QPoint *a = points.begin();
    for (const QPoint *b = a + 1; b != points.end(); a = b, ++b) {
        QPoint end = *b;
        if (b + 1 == points.end()) {
            const QPoint d = *b - *a;
            if (d.isNull())
                return;
            end -= QPoint(d.x() > 0 ? 1 : d.x() < 0 ? -1 : 0, d.y() > 0 ? 1 : d.y() < 0 ? -1 : 0);
        }
        p.drawLine(*a, end);
    }
}

} // namespace

WizardTabBar::WizardTabBar(QWidget *wizard, const Source &source)
    : QWidget(wizard)
    , m_wizard(wizard)
    , m_source(source)
{
    // The wizard takes the clicks, and the focus with them.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Below the page elements, as the strip the wizard painted itself was.
    lower();
}

int WizardTabBar::rowHeight() const
{
    return m_wizard->fontMetrics().height() + m_source.tabSpace().y();
}

int WizardTabBar::areaHeight() const
{
    return m_rows ? rowHeight() * m_rows->Count() + 2 : 0;
}

int WizardTabBar::tabWidth(int page) const
{
    return page >= 0 && page < m_widths.size() ? m_widths[page] : 0;
}

void WizardTabBar::forgetWidths(int keep)
{
    if (m_widths.size() > keep)
        m_widths.resize(keep);
}

QString WizardTabBar::stepName(int step) const
{
    return m_source.pageName(m_source.steps().physicalPage(step));
}

QList<int> WizardTabBar::stepTextWidths() const
{
    const QFontMetrics fm = m_wizard->fontMetrics();
    QList<int> widths;
    for (int step = 1; step <= m_source.steps().numPages(); ++step)
        widths << fm.horizontalAdvance(stepName(step));
    return widths;
}

void WizardTabBar::computeRows()
{
    if (!m_rows)
        m_rows = new TIntegerList(this);
    if (m_source.steps().numPages() > 0)
        m_rows->setValues(TabStrip::compute(stepTextWidths(), m_wizard->width() - 4, m_source.tabSpace().x()));
    // The selected tab reaches one pixel below the strip, onto the page area's edge.
    setGeometry(0, 0, m_wizard->width(), areaHeight() + 1);
    show();
}

void WizardTabBar::drop()
{
    delete m_rows;
    m_rows = nullptr;
    hide();
}

int WizardTabBar::stepAt(QPoint at) const
{
    if (!m_rows)
        return -1;
    const WizardNavigator &steps = m_source.steps();
    QList<int> stored;
    for (int step = 1; step <= steps.numPages(); ++step)
        stored << tabWidth(steps.physicalPage(step));
    return TabStrip::hitTest(m_rows->values(), stored, steps.page(), rowHeight(), at.x(), at.y());
}

void WizardTabBar::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    TabStrip::StripInput in;
    in.rows = m_rows ? m_rows->values() : QList<int>();
    in.textWidths = stepTextWidths();
    in.currentPage = m_source.steps().page();
    in.width = m_wizard->width();
    in.rowHeight = rowHeight();
    in.spaceX = m_source.tabSpace().x();
    in.areaHeight = areaHeight();
    for (const TabStrip::Paint &item : TabStrip::layoutStrip(in)) {
        if (item.kind == TabStrip::Paint::Fill)
            p.fillRect(item.rect, Silver);
        else
            paintTab(p, item.page, item.x, item.y, item.pad, item.kind == TabStrip::Paint::SelectedTab);
    }
}

void WizardTabBar::paintTab(QPainter &p, int step, int x, int y, int pad, bool selected)
{
    const QString name = stepName(step);
    const QFontMetrics fm = p.fontMetrics();
    const int textWidth = fm.horizontalAdvance(name);
    const int w = textWidth + pad;
    const int h = rowHeight();
    if (!selected) {
        p.fillRect(TabStrip::span(x, y, x + w - 1, y + h - 1), Silver);
        lineThrough(p, Qt::white, {{x, y + h - 1}, {x, y + 2}, {x + 2, y}, {x + w - 2, y}});
        lineThrough(p, Qt::black, {{x + w - 2, y + 1}, {x + w - 1, y + 2}, {x + w - 1, y + h}});
        lineThrough(p, Grey, {{x + w - 2, y + 2}, {x + w - 2, y + h}});
    } else {
        // Two pixels larger and open towards the page area.
        p.fillRect(TabStrip::span(x - 2, y - 2, x + w + 1, y + h + 1), Silver);
        lineThrough(p, Qt::white, {{0, y + h}, {x - 2, y + h}, {x - 2, y}, {x, y - 2}, {x + w - 1, y - 2}});
        lineThrough(p, Qt::white, {{x + w, y + h}, {width() - 2, y + h}});
        lineThrough(p, Qt::black, {{x + w, y - 1}, {x + w + 1, y}, {x + w + 1, y + h + 1}});
        lineThrough(p, Grey, {{x + w, y}, {x + w, y + h + 1}});
    }
    const int textX = x + pad / 2;
    const int textY = y + m_source.tabSpace().y() / 2;
    p.setPen(Qt::black);
    p.drawText(textX, textY + fm.ascent(), name);
    if (selected && m_wizard->hasFocus()) {
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        const QRect r = TabStrip::span(textX - 2, textY - 2, textX + textWidth + 2, fm.height() + textY + 2);
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
    const int page = m_source.steps().physicalPage(step);
    if (page >= 0) {
        if (m_widths.size() <= page)
            m_widths.resize(page + 1);
        m_widths[page] = w;
    }
}

void WizardTabBar::paintFrame(QPainter &p, QSize size) const
{
    const int w = size.width();
    const int h = size.height();
    const int area = areaHeight();
    p.setPen(QPen(Qt::white, 1));
    p.drawLine(0, area, 0, h - 3);
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
    p.drawPolyline(QPolygon({{1, h - 2}, {w - 2, h - 2}, {w - 2, area + 1}}));
    p.setPen(QPen(Qt::black, 1));
    p.drawPolyline(QPolygon({{0, h - 1}, {w - 1, h - 1}, {w - 1, area + 1}}));
}
