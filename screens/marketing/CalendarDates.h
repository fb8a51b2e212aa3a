#pragma once

// The date arithmetic of the call calendar: the list of weekdays from a given
// day, the "Go to" jumps with their month rule and weekend rule, and the row
// a jump selects. Every function takes "today" as an argument so that any
// date can be tried without a clock.

#include <QDate>
#include <QList>
#include <QString>

namespace CalendarDates {

// Rows of the list written, and rows of them shown and searched.
inline constexpr int WrittenDays = 500;
inline constexpr int ShownDays = 400;

// Weekdays as Locale::dayOfWeek numbers them, 1 = Sunday ... 7 = Saturday.
inline constexpr int Sunday = 1;
inline constexpr int Saturday = 7;

// `count` days from `from` on: `from` itself, then every following day that
// is no Saturday or Sunday. A weekend day can only stand first (and the
// Sunday after a Saturday second).
QList<QDate> weekdaysFrom(const QDate &from, int count = WrittenDays);

// One item of the "Go to" list: a number of days or of calendar months ahead.
struct Jump {
    const char *caption;
    int days;
    int months;
};
// The 19 items in list order, "Today" first and "1 year" last.
const QList<Jump> &jumps();
QStringList jumpCaptions();

// Day `day` of month `month` in `year`, cut back to the month's length. The
// month lengths take February as 29 days in every year that divides by 4;
// where that day does not exist (29 February 2100) the month's real last day
// is taken, so the result is always a valid date.
QDate clampedDate(int year, int month, int day);
// `today` plus `months` calendar months (1 to 12) by the rule above.
QDate addMonths(const QDate &today, int months);
// A Sunday moves on to the Monday, a Saturday back to the Friday.
QDate weekendRule(const QDate &target);
// The day the jump of item `item` aims at, the weekend rule applied; an
// invalid date for an unknown item.
QDate jumpTarget(const QDate &today, int item);

// The row (1 = first day) to select for `target` among the first `shown`
// of `days`: the first row whose day is on or after the target, or the row
// before it when that day is later. A target before the first day selects
// row 1 (the row before would be the header); one past the last shown day
// selects the last shown row. 0 when nothing is shown or the target is
// invalid.
int rowFor(const QList<QDate> &days, const QDate &target, int shown = ShownDays);

} // namespace CalendarDates
