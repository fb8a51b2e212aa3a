// The wizard's tabbed style: splitting the pages into tab rows, the order and
// places in which rows and tabs are painted, the hit test, and the wizard
// switching into and out of the style, painting it and following clicks.

#include "tests/wizard/WizardTestForm.h"
#include "toolkit/TPanel.h"
#include "wizard/TabStrip.h"

#include <QImage>
#include <QMouseEvent>

#include <numeric>

#include <gtest/gtest.h>

namespace {

using WizardTest::load;
using WizardTest::wizardForm;

QList<int> repeated(int count, int value)
{
    return QList<int>(count, value);
}

} // namespace

TEST(TabRows, RowsAreFilledThenBalanced)
{
    struct Row {
        const char *name;
        QList<int> widths;
        int limit;
        QList<int> rows;
    };
    // With 16 pixels of padding a text of 37 makes a tab of 53: 12 of them
    // need 636 pixels, 1.6 times a limit of 396.
    const Row table[] = {
        {"twelve tabs of 1.6 times the width share two rows evenly", repeated(12, 37), 396, {6, 6}},
        {"balancing stops where the lower row would overflow", repeated(7, 20) + repeated(5, 60), 396, {7, 5}},
        {"tabs that fit make one row", {20, 30, 40}, 396, {3}},
        {"a tab exactly at the limit still fits", {380}, 396, {1}},
        {"a first tab wider than the limit leaves its row empty, then moves back", {500}, 396, {1, 0}},
        {"a wide first tab among others", {500, 20, 20}, 396, {1, 0, 2}},
        {"three rows, the lower ones filled up to the average", repeated(15, 40), 396, {5, 5, 5}},
        {"no pages, no rows", {}, 396, {}},
    };
    for (const Row &row : table)
        EXPECT_EQ(TabStrip::compute(row.widths, row.limit, 16), row.rows) << row.name;
}

TEST(TabRows, RowsNeverGoNegativeWhatEverTheWidths)
{
    // Zero and negative padding, a zero limit: the rows hold every page and
    // none holds fewer than 0.
    const QList<int> widths = {0, 50, 0, 400, 10, 10, 900, 0};
    for (int spaceX : {-20, 0, 16}) {
        for (int limit : {0, 10, 100, 396}) {
            const QList<int> rows = TabStrip::compute(widths, limit, spaceX);
            EXPECT_GE(*std::min_element(rows.begin(), rows.end()), 0) << spaceX << " " << limit;
            EXPECT_EQ(std::accumulate(rows.begin(), rows.end(), 0), widths.size()) << spaceX << " " << limit;
        }
    }
}

TEST(TabRows, RowOfAPageAndThePaintingOrder)
{
    const QList<int> rows = {3, 4, 2};
    EXPECT_EQ(TabStrip::firstPage(rows, 0), 1);
    EXPECT_EQ(TabStrip::firstPage(rows, 2), 8);
    const QList<QPair<int, int>> rowOf = {{0, -1}, {1, 0}, {3, 0}, {4, 1}, {7, 1}, {8, 2}, {9, 2}, {10, -1}};
    for (const auto &[page, row] : rowOf)
        EXPECT_EQ(TabStrip::rowOf(rows, page), row) << page;
    // The current page's row comes last, next to the page area.
    EXPECT_EQ(TabStrip::paintOrder(rows, 5), QList<int>({0, 2, 1}));
    EXPECT_EQ(TabStrip::paintOrder(rows, 2), QList<int>({1, 2, 0}));
    EXPECT_EQ(TabStrip::paintOrder(rows, 9), QList<int>({0, 1, 2}));
    EXPECT_EQ(TabStrip::paintOrder(rows, 0), QList<int>({0, 1, 2}));
}

TEST(TabStripLayout, SingleRowKeepsItsPaddingAndFillsTheRest)
{
    using P = TabStrip::Paint;
    TabStrip::StripInput in;
    in.rows = {3};
    in.textWidths = {30, 40, 50};
    in.currentPage = 2;
    in.width = 400;
    in.rowHeight = 20;
    in.spaceX = 16;
    in.areaHeight = 22;
    const QList<P> expected = {
        {P::Fill, QRect(0, 0, 2, 22)},
        {P::Tab, {}, 1, 2, 2, 16},
        {P::Tab, {}, 3, 104, 2, 16},
        {P::Fill, QRect(170, 0, 2, 22)},   // right of the last tab
        {P::Fill, QRect(0, 0, 400, 2)},    // above the row
        {P::SelectedTab, {}, 2, 48, 2, 16},
    };
    EXPECT_EQ(TabStrip::layoutStrip(in), expected);
}

TEST(TabStripLayout, SeveralRowsAreJustifiedAndTheCurrentRowComesLast)
{
    using P = TabStrip::Paint;
    TabStrip::StripInput in;
    in.rows = {2, 3, 2};
    in.textWidths = {31, 40, 50, 60, 70, 33, 44};
    in.currentPage = 4;
    in.width = 400;
    in.rowHeight = 20;
    in.spaceX = 16;
    in.areaHeight = 62;
    const QList<P> strip = TabStrip::layoutStrip(in);

    // Row 0 on top, then row 2, then the current page's row 1.
    QList<int> pages;
    QList<int> ys;
    for (const P &p : strip) {
        if (p.kind != P::Fill) {
            pages << p.page;
            ys << p.y;
        }
    }
    EXPECT_EQ(pages, QList<int>({1, 2, 6, 7, 3, 5, 4}));
    EXPECT_EQ(ys, QList<int>({2, 2, 22, 22, 42, 42, 42}));
    EXPECT_EQ(strip.last().kind, P::SelectedTab);
    // Justified rows need no fill beside the one at the left edge.
    EXPECT_EQ(strip.first(), (P{P::Fill, QRect(0, 0, 2, 62)}));
    EXPECT_EQ(std::count_if(strip.begin(), strip.end(), [](const P &p) { return p.kind == P::Fill; }), 1);

    // Every row starts at x = 2 and ends exactly at width - 2; the padding
    // is shared evenly and what does not divide goes to the last tab.
    QMap<int, QList<P>> byRow;
    for (const P &p : strip) {
        if (p.kind != P::Fill)
            byRow[p.y] << p;
    }
    for (auto it = byRow.begin(); it != byRow.end(); ++it) {
        QList<P> tabs = it.value();
        std::sort(tabs.begin(), tabs.end(), [](const P &a, const P &b) { return a.x < b.x; });
        EXPECT_EQ(tabs.first().x, 2);
        const P &last = tabs.last();
        EXPECT_EQ(last.x + in.textWidths[last.page - 1] + last.pad, 398) << "row at y " << it.key();
        for (int i = 0; i + 1 < tabs.size(); ++i)
            EXPECT_EQ(tabs[i + 1].x, tabs[i].x + in.textWidths[tabs[i].page - 1] + tabs[i].pad);
    }
    // Row 0: 396 - 71 = 325 pixels of padding for two tabs: 162 and 163.
    EXPECT_EQ(strip[1], (P{P::Tab, {}, 1, 2, 2, 162}));
    EXPECT_EQ(strip[2], (P{P::Tab, {}, 2, 195, 2, 163}));
}

TEST(TabStripHit, ClicksFindTheTabUnderThePointer)
{
    // Two rows of two tabs, painted 193 and 203 wide; page 3 is current, so
    // row 1 is drawn at the bottom (y 22 .. 41) and row 0 on top (y 2 .. 21).
    const QList<int> rows = {2, 2};
    const QList<int> painted = {193, 203, 193, 203};
    struct Click {
        const char *name;
        int current;
        int mx, my;
        int page;
    };
    const Click table[] = {
        {"first pixel of the first tab", 3, 2, 5, 1},
        {"last pixel of the first tab", 3, 194, 5, 1},
        {"first pixel of the second tab", 3, 195, 5, 2},
        {"the 2 pixels above the top row belong to it", 3, 100, 0, 1},
        {"bottom row holds the current page", 3, 10, 30, 3},
        {"last pixel of the bottom row", 3, 397, 41, 4},
        {"left of every tab selects nothing", 3, 1, 5, -1},
        {"right of the row's last tab selects nothing", 3, 398, 5, -1},
        {"below the strip", 3, 10, 42, -1},
        {"rows swap when the current page is on row 0", 1, 10, 5, 3},
        {"and row 0 is then at the bottom", 1, 200, 30, 2},
        {"without a current page the rows keep their order", 0, 10, 30, 3},
    };
    for (const Click &c : table)
        EXPECT_EQ(TabStrip::hitTest(rows, painted, c.current, 20, c.mx, c.my), c.page) << c.name;

    // Before any painting every stored width is 0: nothing is hit.
    EXPECT_EQ(TabStrip::hitTest(rows, {0, 0, 0, 0}, 3, 20, 50, 5), -1);
    EXPECT_EQ(TabStrip::hitTest(rows, {}, 3, 20, 50, 5), -1);
    EXPECT_EQ(TabStrip::hitTest({}, painted, 3, 20, 50, 5), -1);
}

// ---- The wizard in the tabbed style -------------------------------------------

namespace {

// Names long enough that twelve of them need two rows in a 400 pixel wizard.
QString twelvePages(const QString &more = {})
{
    QStringList names = {QStringLiteral("\"Dialog\"")};
    for (int p = 1; p <= 12; ++p)
        names << QStringLiteral("\"Step %1 of it\"").arg(p);
    return wizardForm(12, 0, QStringLiteral("PageNames = (%1) %2").arg(names.join(u", "), more), {});
}

void press(QWidget *w, QPoint at)
{
    QMouseEvent down(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(w, &down);
    QMouseEvent up(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &up);
}

int rowSum(const TIntegerList *rows)
{
    const QList<int> values = rows->values();
    return std::accumulate(values.begin(), values.end(), 0);
}

} // namespace

TEST(TabbedStyle, SwitchingInAndOut)
{
    auto form = load(twelvePages(QStringLiteral("BtnNext.Show = true BtnNext.Enabled = true")));
    TAssistent *w = form->wizard();
    ASSERT_EQ(w->Page(), 0);
    EXPECT_EQ(w->TabRows(), nullptr);
    EXPECT_EQ(w->TabAreaHeight(), 0);

    w->SetStyle(Wz::AssistentStyle::asTabbed);
    // Page 0 has no tab: the wizard goes to page 1 through a page change.
    EXPECT_EQ(w->Page(), 1);
    EXPECT_EQ(form->pageChanges, QList<int>({1}));
    ASSERT_NE(w->TabRows(), nullptr);
    EXPECT_GE(w->TabRows()->Count(), 2);
    EXPECT_EQ(rowSum(w->TabRows()), 12);
    const int rowHeight = w->fontMetrics().height() + 8;
    EXPECT_EQ(w->tabRowHeight(), rowHeight);
    EXPECT_EQ(w->TabAreaHeight(), rowHeight * w->TabRows()->Count() + 2);
    EXPECT_EQ(w->clientRect(),
              QRect(1, w->TabAreaHeight() + 1, w->width() - 3, w->height() - 3 - w->TabAreaHeight()));
    for (int i = 0; i < ButtonStrip::ButtonCount; ++i)
        EXPECT_EQ(w->button(i)->Left(), ButtonStrip::HiddenLeft) << i;

    // The same style again keeps the page; another style drops the rows.
    w->SetPage(4);
    w->SetStyle(Wz::AssistentStyle::asTabbed);
    EXPECT_EQ(w->Page(), 4);
    w->SetStyle(Wz::AssistentStyle::asWizard);
    EXPECT_EQ(w->TabRows(), nullptr);
    EXPECT_EQ(w->TabAreaHeight(), 0);
    EXPECT_EQ(w->Page(), 4);
    EXPECT_NE(w->NextButton()->Left(), ButtonStrip::HiddenLeft);
    EXPECT_EQ(w->clientRect(), QRect(0, 0, w->width(), w->height() - w->CancelButton()->Height() - 10));
    w->SetStyle(Wz::AssistentStyle::asTabbed);
    w->SetStyle(Wz::AssistentStyle::asNone);
    EXPECT_EQ(w->TabRows(), nullptr);
    EXPECT_EQ(w->clientRect(), w->rect());
}

TEST(TabbedStyle, RowsFitTheWizardPagesSizeAfterLeavingPage0)
{
    // The dialog page is 400 wide, the wizard pages 900: the switch leaves
    // page 0 and the rows must fit the wider form.
    auto form = load(twelvePages(QStringLiteral("FormSize = %1").arg(WizardTest::hex({300, 900, 300, 400}))));
    TAssistent *w = form->wizard();
    const int narrow = w->width();
    w->SetStyle(Wz::AssistentStyle::asTabbed);
    ASSERT_GT(w->width(), narrow);
    const QList<int> atSwitch = w->TabRows()->values();
    w->SetTabSpaceX(w->TabSpaceX());   // computes the rows again
    EXPECT_EQ(w->TabRows()->values(), atSwitch);
}

TEST(TabbedStyle, RowsFollowSizeNamesFontPaddingAndPageCount)
{
    // The style comes from the definition, which leaves page 0 for page 1.
    auto form = load(twelvePages(QStringLiteral("Style = asTabbed")));
    TAssistent *w = form->wizard();
    EXPECT_EQ(w->Page(), 1);
    ASSERT_NE(w->TabRows(), nullptr);
    const int rows = w->TabRows()->Count();

    // Wide enough for every tab: one row, and the page area moves up.
    form->SetWidth(3000);
    ASSERT_GT(w->width(), 2000);
    EXPECT_EQ(w->TabRows()->values(), QList<int>({12}));
    EXPECT_EQ(w->clientRect().top(), w->tabRowHeight() + 3);
    form->SetWidth(400);
    EXPECT_EQ(w->TabRows()->Count(), rows);

    // Shorter names need fewer rows.
    QStringList names = w->PageNames();
    for (int p = 1; p <= 12; ++p)
        names[p] = QString::number(p);
    w->SetPageNames(names);
    EXPECT_EQ(w->TabRows()->values(), QList<int>({12}));

    // A larger font makes the rows taller and the tabs wider.
    const int height = w->tabRowHeight();
    w->Font()->SetHeight(-40);
    EXPECT_GT(w->tabRowHeight(), height);
    EXPECT_GT(w->TabRows()->Count(), 1);
    w->Font()->SetHeight(-11);

    // More padding per tab, then more pages.
    w->SetTabSpaceX(200);
    EXPECT_GT(w->TabRows()->Count(), 1);
    w->SetTabSpaceX(16);
    EXPECT_EQ(w->TabRows()->values(), QList<int>({12}));
    w->SetNumPages(40);
    EXPECT_EQ(rowSum(w->TabRows()), 40);
    EXPECT_GT(w->TabRows()->Count(), 1);
    w->SetTabSpaceY(20);
    EXPECT_EQ(w->tabRowHeight(), w->fontMetrics().height() + 20);
    // A page count of 0 is refused and keeps the rows.
    const QList<int> before = w->TabRows()->values();
    w->SetNumPages(0);
    EXPECT_EQ(w->TabRows()->values(), before);
}

TEST(TabbedStyle, PageAreaHoldsAlignedChildren)
{
    auto form = load(wizardForm(3, 1, QStringLiteral("Style = asTabbed"),
                                QStringLiteral("Area: TPanel { Align = alClient }")));
    TAssistent *w = form->wizard();
    auto *area = form->component<TPanel>("Area");
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(area->BoundsRect(), w->clientRect());
    EXPECT_EQ(area->Top(), w->TabAreaHeight() + 1);
    // A taller row moves the page area down at once, with the strip.
    w->SetTabSpaceY(w->TabSpaceY() + 4);
    EXPECT_EQ(area->Top(), w->TabAreaHeight() + 1);
    EXPECT_EQ(area->BoundsRect(), w->clientRect());
    w->SetStyle(Wz::AssistentStyle::asNone);
    EXPECT_EQ(area->BoundsRect(), w->rect());
}

TEST(TabbedStyle, ClicksSelectOnlyPaintedTabs)
{
    auto form = load(twelvePages(QStringLiteral("Style = asTabbed")));
    TAssistent *w = form->wizard();
    const QList<int> rows = w->TabRows()->values();
    ASSERT_GE(rows.size(), 2);
    const int rowHeight = w->tabRowHeight();
    const QPoint topRow(10, 2 + rowHeight / 2);
    const QPoint bottomRow(10, 2 + rowHeight + rowHeight / 2);

    // Before the strip was painted no tab has a width.
    press(w, topRow);
    EXPECT_EQ(w->Page(), 1);
    EXPECT_EQ(w->tabWidth(1), 0);

    w->grab();
    const int first = w->fontMetrics().horizontalAdvance(w->PageNames()[1]);
    EXPECT_GT(w->tabWidth(1), first);
    // Page 1 is current, so row 0 is drawn at the bottom and row 1 on top.
    press(w, topRow);
    EXPECT_EQ(w->Page(), rows[0] + 1);
    EXPECT_EQ(form->pageChanges.last(), rows[0] + 1);

    // The rows swapped places: the same point now hits row 0.
    w->grab();
    press(w, topRow);
    EXPECT_EQ(w->Page(), 1);
    // Below the top row: the next row that is not page 1's, else page 1's.
    w->grab();
    press(w, bottomRow);
    EXPECT_EQ(w->Page(), rows.size() > 2 ? rows[0] + rows[1] + 1 : 1);

    // Left of every tab, and a right click: nothing.
    w->SetPage(3);
    w->grab();
    press(w, QPoint(1, topRow.y()));
    EXPECT_EQ(w->Page(), 3);
    QMouseEvent right(QEvent::MouseButtonPress, topRow, w->mapToGlobal(topRow), Qt::RightButton, Qt::RightButton,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &right);
    EXPECT_EQ(w->Page(), 3);

    // New names forget the painted widths until the strip is painted again.
    w->SetPageNames(w->PageNames());
    EXPECT_EQ(w->tabWidth(1), 0);
    press(w, topRow);
    EXPECT_EQ(w->Page(), 3);

    // A vetoed click leaves the page.
    w->grab();
    form->canChange = [](int, int &) { return false; };
    press(w, topRow);
    EXPECT_EQ(w->Page(), 3);
    EXPECT_FALSE(w->LastChangeAccepted());
}

TEST(TabbedStyle, PaintsTheStripAndTheFrame)
{
    auto form = load(wizardForm(3, 1, QStringLiteral("Style = asTabbed"), {}));
    TAssistent *w = form->wizard();
    ASSERT_EQ(w->TabRows()->values(), QList<int>({3}));
    const QImage img = w->grab().toImage();
    const int area = w->TabAreaHeight();
    const int width = w->width();
    const int height = w->height();
    const QColor silver(0xC0, 0xC0, 0xC0);

    // The frame of the page area.
    EXPECT_EQ(img.pixelColor(0, area + 5), QColor(Qt::white));
    EXPECT_EQ(img.pixelColor(width - 2, height - 2), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(img.pixelColor(width - 1, height - 1), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(width / 2, height - 1), QColor(Qt::black));

    // A single row: its tabs keep TabSpaceX, the strip right of them is
    // silver, and so are the 2 pixels above.
    const QFontMetrics fm = w->fontMetrics();
    int right = 2;
    for (int p = 1; p <= 3; ++p) {
        EXPECT_EQ(w->tabWidth(p), fm.horizontalAdvance(w->PageNames()[p]) + 16) << p;
        right += w->tabWidth(p);
    }
    EXPECT_EQ(img.pixelColor(right + 1, 5), silver);
    EXPECT_EQ(img.pixelColor(width / 2, 0), silver);
    // Unselected tab 2: white top edge, black right edge.
    const int x2 = 2 + w->tabWidth(1);
    EXPECT_EQ(img.pixelColor(x2 + 5, 2), QColor(Qt::white));
    EXPECT_EQ(img.pixelColor(x2 + w->tabWidth(2) - 1, 2 + 5), QColor(Qt::black));
    // The selected tab 1 reaches 2 pixels higher and is open to the page.
    EXPECT_EQ(img.pixelColor(5, 0), QColor(Qt::white));
    EXPECT_EQ(img.pixelColor(5, 2 + w->tabRowHeight()), silver);
    // Its neighbour's bottom line is the page area's white top edge.
    EXPECT_EQ(img.pixelColor(x2 + 10, 2 + w->tabRowHeight()), QColor(Qt::white));

    // Another page selected paints a different strip.
    w->SetPage(2);
    EXPECT_NE(w->grab().toImage(), img);
}

TEST(TabbedStyle, TheSelectedTabShowsTheFocus)
{
    auto form = load(wizardForm(3, 1, QStringLiteral("Style = asTabbed"), {}));
    TAssistent *w = form->wizard();
    ASSERT_TRUE(TestSupport::showActive(form.get()));
    w->setFocus();
    ASSERT_TRUE(w->hasFocus());
    const QImage focused = w->grab().toImage();
    w->clearFocus();
    ASSERT_FALSE(w->hasFocus());
    const QImage plain = w->grab().toImage();
    EXPECT_NE(focused, plain);
    // The rectangle lies around the text of tab 1, not elsewhere.
    const QRect around(0, 0, 2 + w->tabWidth(1), w->TabAreaHeight());
    EXPECT_EQ(focused.copy(QRect(around.right() + 1, 0, w->width() - around.width(), w->height())),
              plain.copy(QRect(around.right() + 1, 0, w->width() - around.width(), w->height())));
}
