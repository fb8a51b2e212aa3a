#include "screens/marketing/CalendarDates.h"

#include "toolkit/Locale.h"

#include <algorithm>

namespace CalendarDates {

QList<QDate> weekdaysFrom(const QDate &from, int count)
{
    QList<QDate> days;
    if (!from.isValid() || count <= 0)
        return days;
    days.reserve(count);
    QDate d = from;
    for (int r = 0; r < count; ++r) {
        days.append(d);
        d = d.addDays(1);
        if (Locale::dayOfWeek(d) == Saturday)
            d = d.addDays(2);
    }
    return days;
}

const QList<Jump> &jumps()
{
    static const QList<Jump> table = {
        {"Today", 0, 0},      {"1 week", 7, 0},      {"2 weeks", 14, 0},    {"3 weeks", 21, 0},
        {"1 month", 0, 1},    {"5 weeks", 35, 0},    {"6 weeks", 42, 0},    {"7 weeks", 49, 0},
        {"2 months", 0, 2},   {"3 months", 0, 3},    {"4 months", 0, 4},    {"5 months", 0, 5},
        {"6 months", 0, 6},   {"7 months", 0, 7},    {"8 months", 0, 8},    {"9 months", 0, 9},
        {"10 months", 0, 10}, {"11 months", 0, 11},  {"1 year", 0, 12},
    };
    return table;
}

QStringList jumpCaptions()
{
    QStringList captions;
    for (const Jump &j : jumps())
        captions << QString::fromLatin1(j.caption);
    return captions;
}

QDate clampedDate(int year, int month, int day)
{
    static constexpr int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12 || day < 1)
        return QDate();
    int length = lengths[month - 1];
    if (month == 2 && year % 4 == 0)
        length = 29;
    day = std::min(day, length);
    // Years such as 2100 divide by 4 without a 29 February: take the last day
    // the month really has rather than an invalid date.
    if (!QDate::isValid(year, month, day))
        day = QDate(year, month, 1).daysInMonth();
    return QDate(year, month, day);
}

QDate addMonths(const QDate &today, int months)
{
    if (!today.isValid() || months < 0)
        return QDate();
    int year = today.year();
    int month = today.month() + months;
    // "1 year" keeps the month and moves the year, the same as 12 months.
    while (month > 12) {
        month -= 12;
        ++year;
    }
    return clampedDate(year, month, today.day());
}

QDate weekendRule(const QDate &target)
{
    switch (Locale::dayOfWeek(target)) {
    case Sunday: return target.addDays(1);
    case Saturday: return target.addDays(-1);
    default: return target;
    }
}

QDate jumpTarget(const QDate &today, int item)
{
    if (!today.isValid() || item < 0 || item >= jumps().size())
        return QDate();
    const Jump &j = jumps().at(item);
    const QDate raw = j.months > 0 ? addMonths(today, j.months) : today.addDays(j.days);
    return weekendRule(raw);
}

int rowFor(const QList<QDate> &days, const QDate &target, int shown)
{
    shown = std::min<int>(shown, int(days.size()));
    if (shown <= 0 || !target.isValid())
        return 0;
    for (int i = 0; i < shown; ++i) {
        if (days.at(i) >= target) {
            const int row = i + 1;
            return days.at(i) > target && row > 1 ? row - 1 : row;
        }
    }
    return shown;
}

} // namespace CalendarDates
