#pragma once

// The program-wide tour state the screens share (the account list's filters,
// the account the detail screen steps from, the contact context) and the date
// texts built from the locale's short date format.

#include <QString>

namespace Unit1 {

// Index 0 to 19 of the sample account the detail screen steps from.
extern int CurrentAccount;
// Owner and status chosen in the account list; empty means no filter.
extern QString OwnerFilter;
extern QString StatusFilter;
// 0 account number, 1 company name, 2 next contact date, 3 last contact date.
extern int ListSortOrder;
// The contact history's header; nothing in the tour sets them.
extern QString ContactCompany;
extern QString ContactName;
extern QString ContactPhone;
// The edit mask for typing a date in the locale's short date order, and the
// text a masked date field holds when no digit has been typed.
extern QString DateEditMask;
extern QString BlankDateText;

// The mask and blank text for a short date format and its separator: a
// format of exactly 8 characters gets a two-digit year field, any other
// length a four-digit one; year-first formats put the year field first.
QString editMaskFor(const QString &shortFormat, QChar separator);
QString blankDateTextFor(const QString &shortFormat, QChar separator);
// A date as text in the order of the format, from day and month of two
// digits and a year of four ("14", "12", "1997"). Formats that start with
// neither a year, a month nor a day give the day-month-year order.
QString sampleDateText(const QString &shortFormat, QChar separator, const QString &day, const QString &month,
                       const QString &year);

// The same under the current locale.
QString SampleDateText(const QString &Day, const QString &Month, const QString &Year);
// Builds DateEditMask and BlankDateText from the current locale and resets
// CurrentAccount and ListSortOrder.
void initialize();

} // namespace Unit1
