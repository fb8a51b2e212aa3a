#pragma once

// The rows of tabs along the top edge of a wizard in the tabbed style, one
// tab per wizard page, as a child widget of the wizard: it computes the rows,
// paints them above the wizard's frame of the page area, remembers the width
// each tab had when painted and finds the tab under a point. Clicks go
// through it to the wizard, which owns the page change and the focus.

#include <QList>
#include <QWidget>

class TIntegerList;
class WizardNavigator;

class WizardTabBar : public QWidget
{
    Q_OBJECT

public:
    // What the strip shows, asked whenever it is needed.
    class Source
    {
    public:
        virtual ~Source() = default;
        // The steps and the pages they show, and the current step.
        virtual const WizardNavigator &steps() const = 0;
        virtual QString pageName(int page) const = 0;
        // The padding of each tab: TabSpaceX and TabSpaceY.
        virtual QPoint tabSpace() const = 0;
    };

    // `wizard` is the parent; the strip takes its width, font and focus.
    WizardTabBar(QWidget *wizard, const Source &source);

    // The number of tabs of each row, row 0 first; null until computed and
    // after drop().
    const TIntegerList *rows() const { return m_rows; }
    // Computes the rows for the wizard's width, pages and padding, and takes
    // the height of the strip (creating the rows on first use).
    void computeRows();
    void drop();
    // The height of the strip above the page area; 0 without rows.
    int areaHeight() const;
    // The font's text height plus TabSpaceY.
    int rowHeight() const;
    // The width the tab of physical page `page` had when last painted; 0
    // before its first painting.
    int tabWidth(int page) const;
    void forgetWidths(int keep = 0);
    // The step whose tab is under `at`, or -1.
    int stepAt(QPoint at) const;
    // Paints the bevelled frame of the page area below the strip, on the
    // wizard of size `size`.
    void paintFrame(QPainter &p, QSize size) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The text width of each step's page name, step 1 first.
    QList<int> stepTextWidths() const;
    QString stepName(int step) const;
    void paintTab(QPainter &p, int step, int x, int y, int pad, bool selected);

    QWidget *m_wizard;
    const Source &m_source;
    TIntegerList *m_rows = nullptr;
    // Painted tab widths by physical page, beside the page names.
    QList<int> m_widths;
};
