// The calendar's date arithmetic over dates that cover every weekday, month
// ends, leap years, the year boundary and 2100, checked against an
// independent computation with std::chrono.

#include "tests/support/TestSupport.h"

#include "screens/marketing/CalendarDates.h"

#include <QDate>

#include <gtest/gtest.h>

#include <chrono>

namespace cr = std::chrono;
using namespace CalendarDates;

namespace {

cr::sys_days toSys(const QDate &d)
{
    return cr::sys_days(cr::year(d.year()) / cr::month(unsigned(d.month())) / cr::day(unsigned(d.day())));
}

QDate toQDate(cr::sys_days s)
{
    const cr::year_month_day ymd(s);
    return QDate(int(ymd.year()), int(unsigned(ymd.month())), int(unsigned(ymd.day())));
}

bool weekend(cr::sys_days s)
{
    const cr::weekday w(s);
    return w == cr::Saturday || w == cr::Sunday;
}

// The jump target computed without the code under test: whole days, or
// calendar months with the day cut back to the month's real last day, then a
// Sunday on to Monday and a Saturday back to Friday.
QDate expectedTarget(const QDate &today, int item)
{
    static constexpr int days[] = {0, 7, 14, 21, -1, 35, 42, 49};
    static constexpr int months[] = {0, 0, 0, 0, 1, 0, 0, 0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    cr::sys_days t;
    if (item < 8 && days[item] >= 0) {
        t = toSys(today) + cr::days(days[item]);
    } else {
        const cr::year_month_day ymd(toSys(today));
        const cr::year_month ym = cr::year_month(ymd.year(), ymd.month()) + cr::months(months[item]);
        const cr::day last = (ym / cr::last).day();
        t = cr::sys_days(ym / std::min(ymd.day(), last));
    }
    const cr::weekday w(t);
    if (w == cr::Sunday)
        t += cr::days(1);
    else if (w == cr::Saturday)
        t -= cr::days(1);
    return toQDate(t);
}

// Stretches of days that cover every weekday, every month end of some
// ordinary and leap years, the turn of several years, 29 February 2000 and
// the years around 2100, whose February has 28 days although 2100 divides
// by 4.
QList<QDate> sampleDays()
{
    QList<QDate> list;
    const auto span = [&](QDate from, QDate to) {
        for (QDate d = from; d <= to; d = d.addDays(1))
            list << d;
    };
    span(QDate(2023, 12, 1), QDate(2025, 3, 31));
    span(QDate(1999, 12, 20), QDate(2000, 3, 5));
    span(QDate(2098, 12, 25), QDate(2100, 3, 10));
    span(QDate(2026, 12, 1), QDate(2027, 1, 10));
    return list;
}

} // namespace

TEST(CalenderDates, ListHoldsEveryWeekdayFromTheFirstDayOn)
{
    for (const QDate &from : sampleDays()) {
        SCOPED_TRACE(from.toString(Qt::ISODate).toStdString());
        const QList<QDate> days = weekdaysFrom(from);
        ASSERT_EQ(days.size(), WrittenDays);
        // The independent list: the first day, the Sunday after it when it
        // is a Saturday, then every Monday to Friday.
        cr::sys_days d = toSys(from);
        for (int i = 0; i < WrittenDays; ++i) {
            if (i > 0) {
                const bool sundayAfterSaturdayStart = i == 1 && cr::weekday(d) == cr::Saturday;
                d += cr::days(1);
                while (!sundayAfterSaturdayStart && weekend(d))
                    d += cr::days(1);
            }
            if (days.at(i) != toQDate(d)) {
                ADD_FAILURE() << "row " << i + 1 << " holds " << days.at(i).toString(Qt::ISODate).toStdString();
                break;
            }
        }
    }
}

TEST(CalenderDates, WeekendsStandOnlyAtTheHead)
{
    const QDate saturday(2026, 12, 12);
    ASSERT_EQ(saturday.dayOfWeek(), Qt::Saturday);
    const QList<QDate> fromSaturday = weekdaysFrom(saturday);
    EXPECT_EQ(fromSaturday.at(0), saturday);
    EXPECT_EQ(fromSaturday.at(1), QDate(2026, 12, 13));
    EXPECT_EQ(fromSaturday.at(2), QDate(2026, 12, 14));
    const QList<QDate> fromSunday = weekdaysFrom(QDate(2026, 12, 13));
    EXPECT_EQ(fromSunday.at(1), QDate(2026, 12, 14));
    const QList<QDate> fromWednesday = weekdaysFrom(QDate(2026, 12, 9));
    for (int i = 0; i < ShownDays; ++i)
        EXPECT_LT(fromWednesday.at(i).dayOfWeek(), int(Qt::Saturday)) << "row " << i + 1;
    EXPECT_TRUE(weekdaysFrom(QDate()).isEmpty());
}

TEST(CalenderDates, JumpsMatchAnIndependentComputation)
{
    ASSERT_EQ(jumps().size(), 19);
    for (const QDate &today : sampleDays()) {
        const QList<QDate> days = weekdaysFrom(today);
        for (int item = 0; item < 19; ++item) {
            const QDate want = expectedTarget(today, item);
            const QDate got = jumpTarget(today, item);
            if (got != want) {
                ADD_FAILURE() << today.toString(Qt::ISODate).toStdString() << " item " << item << ": "
                              << got.toString(Qt::ISODate).toStdString() << " instead of "
                              << want.toString(Qt::ISODate).toStdString();
                continue;
            }
            // Every target is a weekday within the shown rows, so the row
            // found is the target itself; only "Today" on a Saturday aims
            // before the list and stays on its first row.
            const int row = rowFor(days, got);
            ASSERT_GE(row, 1);
            ASSERT_LE(row, ShownDays);
            if (item == 0 && today.dayOfWeek() == Qt::Saturday) {
                EXPECT_EQ(row, 1);
            } else {
                EXPECT_EQ(days.at(row - 1), got) << today.toString(Qt::ISODate).toStdString() << " item " << item;
            }
        }
    }
}

TEST(CalenderDates, NamedCases)
{
    struct Row {
        const char *name;
        QDate today;
        int item;
        QDate target;
        int row;   // the row selected in the list built on `today`
    };
    const Row rows[] = {
        {"1 week on a Wednesday", QDate(2026, 12, 9), 1, QDate(2026, 12, 16), 6},
        {"Today on a Sunday selects the Monday", QDate(2026, 12, 13), 0, QDate(2026, 12, 14), 2},
        {"Today on a Saturday stays on the first row", QDate(2026, 12, 12), 0, QDate(2026, 12, 11), 1},
        {"Today on a Friday", QDate(2026, 12, 11), 0, QDate(2026, 12, 11), 1},
        {"1 month from 31 January", QDate(2025, 1, 31), 4, QDate(2025, 2, 28), 21},
        {"1 month from 31 January, leap year, Thursday", QDate(2024, 1, 31), 4, QDate(2024, 2, 29), 22},
        {"1 month from 31 March, 30 April a Wednesday", QDate(2025, 3, 31), 4, QDate(2025, 4, 30), 23},
        {"1 month from 31 March, 30 April a Saturday", QDate(2022, 3, 31), 4, QDate(2022, 4, 29), 22},
        {"1 month from 31 March, 30 April a Sunday", QDate(2023, 3, 31), 4, QDate(2023, 5, 1), 22},
        {"11 months in February cross the year", QDate(2026, 2, 10), 17, QDate(2027, 1, 11), 240},
        {"1 year from 29 February", QDate(2024, 2, 29), 18, QDate(2025, 2, 28), 262},
        {"12 months over the turn of the year", QDate(2026, 12, 31), 18, QDate(2027, 12, 31), 262},
        {"1 month from 31 January 2100 has no 29 February", QDate(2100, 1, 31), 4, QDate(2100, 3, 1), 22},
        {"1 year from 28 February 2099, a Saturday, to a Sunday", QDate(2099, 2, 28), 18, QDate(2100, 3, 1), 263},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        const QDate target = jumpTarget(r.today, r.item);
        EXPECT_EQ(target, r.target) << target.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(target, expectedTarget(r.today, r.item));
        const QList<QDate> days = weekdaysFrom(r.today);
        const int row = rowFor(days, target);
        EXPECT_EQ(row, r.row);
        ASSERT_GE(row, 1);
        if (r.today.dayOfWeek() != Qt::Saturday || r.item != 0) {
            EXPECT_EQ(days.at(row - 1), target);
        }
    }
}

TEST(CalenderDates, MonthRuleNeverGivesAnInvalidDate)
{
    struct Row {
        int year, month, day;
        QDate want;
    };
    const Row rows[] = {
        {2025, 2, 31, QDate(2025, 2, 28)},   {2024, 2, 31, QDate(2024, 2, 29)},
        {2000, 2, 29, QDate(2000, 2, 29)},   {2100, 2, 29, QDate(2100, 2, 28)},
        {1900, 2, 30, QDate(1900, 2, 28)},   {2025, 4, 31, QDate(2025, 4, 30)},
        {2025, 12, 31, QDate(2025, 12, 31)}, {2025, 13, 1, QDate()},
        {2025, 0, 1, QDate()},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(testing::Message() << r.year << "-" << r.month << "-" << r.day);
        EXPECT_EQ(clampedDate(r.year, r.month, r.day), r.want);
    }
    for (int item = 0; item < 19; ++item) {
        for (const QDate &today : {QDate(2100, 1, 29), QDate(2100, 1, 31), QDate(2099, 2, 28), QDate(2096, 2, 29)})
            EXPECT_TRUE(jumpTarget(today, item).isValid()) << item;
    }
    EXPECT_FALSE(jumpTarget(QDate(2026, 12, 9), 19).isValid());
    EXPECT_FALSE(jumpTarget(QDate(2026, 12, 9), -1).isValid());
}

TEST(CalenderDates, RowSearchKeepsToTheShownRows)
{
    const QList<QDate> days = weekdaysFrom(QDate(2026, 12, 9));
    EXPECT_EQ(rowFor(days, QDate(2026, 12, 9)), 1);
    // A weekend day between rows selects the Friday before it.
    EXPECT_EQ(rowFor(days, QDate(2026, 12, 12)), 3);
    EXPECT_EQ(rowFor(days, QDate(2026, 12, 1)), 1);
    // Past the shown rows the last shown row is taken, even though later
    // rows are written.
    EXPECT_EQ(rowFor(days, days.at(ShownDays)), ShownDays);
    EXPECT_EQ(rowFor(days, days.at(10), 5), 5);
    EXPECT_EQ(rowFor({}, QDate(2026, 12, 9)), 0);
    EXPECT_EQ(rowFor(days, QDate()), 0);
}
