#pragma once

// Dates written into a masked date field: the text that fits the tour's date
// edit mask, which has two digits for day and month and a year of two digits
// for a short date format of exactly 8 characters, four otherwise.

#include <QChar>
#include <QDate>
#include <QString>

namespace MaskedDate {

// `date` in the order of `shortFormat` (year, month or day first, by its
// first letter; anything else counts as day first) with `separator` between
// the fields. Empty for an invalid date.
QString textFor(const QDate &date, const QString &shortFormat, QChar separator);
// The same under the current locale settings.
QString textFor(const QDate &date);

} // namespace MaskedDate
