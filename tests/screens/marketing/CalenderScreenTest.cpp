// The calendar screen in the running tour: its list of days, the "Go to"
// jumps selecting grid rows, and Close, Select and closing the form
// returning to the account detail page.

#include "tests/support/TourFixture.h"

#include "data/DataCatalogue.h"
#include "screens/marketing/CalendarDates.h"
#include "screens/marketing/Calender.h"
#include "toolkit/Locale.h"
#include "toolkit/TButton.h"
#include "toolkit/TLabel.h"
#include "toolkit/TMenuItem.h"
#include "toolkit/TRadioGroup.h"
#include "toolkit/TStringGrid.h"

#include <QApplication>
#include <QRadioButton>
#include <QTest>

#include <functional>

namespace {

constexpr int CalendarPage = 4;

class CalenderScreen : public TourFixture
{
protected:
    void SetUp() override
    {
        TourFixture::SetUp();
        gotoPage(CalendarPage);
        calendar = screen<TCalenderFm>();
        ASSERT_NE(calendar, nullptr);
    }

    TCalenderFm *calendar = nullptr;
};

} // namespace

TEST_F(CalenderScreen, ListsTheWeekdaysFromToday)
{
    const QDate today = QDate::currentDate();
    EXPECT_EQ(calendar->Caption(), QStringLiteral("Calender"));
    EXPECT_EQ(calendar->Today->Caption(), Locale::formatLongDate(today));
    TStringGrid *grid = calendar->Grid1;
    EXPECT_EQ(grid->RowTexts(0), QStringList({"Date", "Day", "Planned calls", "Note"}));
    EXPECT_EQ(grid->RowCount(), 401);
    EXPECT_EQ(grid->Row(), 1);
    // The "Go to" list offers the jumps in the order the arithmetic counts them.
    EXPECT_EQ(calendar->GotoDate->Items(), CalendarDates::jumpCaptions());
    EXPECT_EQ(calendar->GotoDate->ItemIndex(), 0);
    const QList<QDate> days = CalendarDates::weekdaysFrom(today);
    // Rows 401 to 500 are written too, though the grid does not show them.
    for (int row = 1; row <= 500; ++row) {
        const QDate d = days.at(row - 1);
        const QStringList want = {Locale::formatShortDate(d), Locale::longDayName(Locale::dayOfWeek(d)),
                                  QStringLiteral("0"), QString()};
        if (grid->RowTexts(row) != want || calendar->dayOfRow(row) != d) {
            ADD_FAILURE() << "row " << row << ": " << grid->RowTexts(row).join('|').toStdString();
            break;
        }
    }
    EXPECT_FALSE(calendar->dayOfRow(0).isValid());
    EXPECT_FALSE(calendar->dayOfRow(501).isValid());
    EXPECT_TRUE(DataCatalogue::entries(calendar).isEmpty());
}

TEST_F(CalenderScreen, ListStartsOnAWeekendDayWhenCreatedOnOne)
{
    calendar->showDaysFrom(QDate(2026, 12, 12));   // a Saturday
    TStringGrid *grid = calendar->Grid1;
    EXPECT_EQ(grid->Cell(1, 1), Locale::longDayName(7));
    EXPECT_EQ(grid->Cell(1, 2), Locale::longDayName(1));
    EXPECT_EQ(grid->Cell(1, 3), Locale::longDayName(2));
    EXPECT_EQ(grid->Cell(0, 3), Locale::formatShortDate(QDate(2026, 12, 14)));
    EXPECT_EQ(calendar->Today->Caption(), Locale::formatLongDate(QDate(2026, 12, 12)));
}

TEST_F(CalenderScreen, JumpsSelectTheTargetRow)
{
    TStringGrid *grid = calendar->Grid1;
    struct Row {
        const char *name;
        QDate today;
        int item;
        int row;
    };
    const Row rows[] = {
        {"Today on a Sunday", QDate(2026, 12, 13), 0, 2},
        {"Today on a Saturday", QDate(2026, 12, 12), 0, 1},
        {"1 week on a Wednesday", QDate(2026, 12, 9), 1, 6},
        {"1 month from 31 March to a Saturday", QDate(2022, 3, 31), 4, 22},
        {"1 year from 29 February", QDate(2024, 2, 29), 18, 262},
        {"1 month from 31 January 2100", QDate(2100, 1, 31), 4, 22},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        calendar->showDaysFrom(r.today);
        calendar->gotoDate(r.item, r.today);
        EXPECT_EQ(grid->Row(), r.row);
        // The selected row is brought into view.
        EXPECT_GE(r.row, grid->TopRow());
        EXPECT_LT(r.row, grid->TopRow() + grid->VisibleRowCount());
    }
}

TEST_F(CalenderScreen, ChoosingAGoToItemSelectsItsDay)
{
    const QDate today = QDate::currentDate();
    QRadioButton *oneMonth = calendar->GotoDate->Button(4);
    ASSERT_NE(oneMonth, nullptr);
    QTest::mouseClick(oneMonth, Qt::LeftButton, {}, QPoint(6, oneMonth->height() / 2));
    ASSERT_EQ(calendar->GotoDate->ItemIndex(), 4);
    EXPECT_EQ(calendar->dayOfRow(calendar->Grid1->Row()), CalendarDates::jumpTarget(today, 4));
    calendar->GotoDate->SetItemIndex(18);
    EXPECT_EQ(calendar->dayOfRow(calendar->Grid1->Row()), CalendarDates::jumpTarget(today, 18));
}

TEST_F(CalenderScreen, CloseSelectAndClosingTheFormReturnToTheAccountDetail)
{
    EXPECT_FALSE(calendar->SelectBtn->Visible());
    EXPECT_FALSE(calendar->SelectBtn->Enabled());

    struct Row {
        const char *name;
        std::function<void(TCalenderFm *)> act;
    };
    const Row rows[] = {
        {"Close button", [](TCalenderFm *c) { QTest::mouseClick(c->CloseBtn, Qt::LeftButton); }},
        {"Close menu item", [](TCalenderFm *c) { c->Close1->Click(); }},
        {"Select menu item", [](TCalenderFm *c) { c->Select1->Click(); }},
        {"closing the form", [](TCalenderFm *c) { c->Close(); }},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        gotoPage(CalendarPage);
        calendar = screen<TCalenderFm>();
        ASSERT_NE(calendar, nullptr);
        r.act(calendar);
        TestSupport::settle();
        EXPECT_EQ(wizard()->Page(), 2);
        EXPECT_EQ(screen<TCalenderFm>(), nullptr);
    }
}

TEST_F(CalenderScreen, DaysCannotBeEdited)
{
    TStringGrid *grid = calendar->Grid1;
    ASSERT_TRUE(TestSupport::showActive(Form1));
    grid->setFocus();
    const QString before = grid->Cell(2, 1);
    QTest::keyClick(grid, Qt::Key_F2);
    QTest::keyClick(grid, Qt::Key_5);
    TestSupport::settle();
    EXPECT_EQ(QApplication::focusWidget(), grid);
    EXPECT_EQ(grid->Cell(2, 1), before);
}
