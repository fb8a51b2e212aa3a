#pragma once

// The platform's locale settings as the forms use them: short and long date
// formats, the date separator, weekday names, date texts in both formats, and
// text comparison that ignores letter case under the locale's collation.
// Read from the system locale on first use; tests set a named locale or a
// short format of their own.

#include <QChar>
#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>

class Locale
{
public:
    Locale() = delete;

    // Formats are patterns of d, M and y ("dd/MM/yyyy", "M/d/yy",
    // "yyyy-MM-dd"); the separator is one character.
    static QString shortDateFormat();
    static QString longDateFormat();
    static QChar dateSeparator();

    // Weekdays are numbered 1 = Sunday to 7 = Saturday; other numbers give an
    // empty name.
    static QString longDayName(int weekday);
    static QString shortDayName(int weekday);
    // The weekday of `date` in the same numbering.
    static int dayOfWeek(const QDate &date);

    static QString formatShortDate(const QDate &date);
    static QString formatLongDate(const QDate &date);
    // `pattern` as the formats above, plus "ddd"/"dddd" for weekday names and
    // "MMM"/"MMMM" for month names of the locale.
    static QString formatDate(const QDate &date, const QString &pattern);
    // Reads a date typed in the order of the short format: day, month and year
    // as numbers between separators (any non-digit), a year of one or two
    // digits taken within 50 years of today, a missing year meaning this one.
    // Returns an invalid date when the text is no date.
    static QDate parseShortDate(const QString &text);
    // The same with the order and today's year given, for callers and tests
    // that must not depend on the settings or the clock.
    static QDate parseDate(const QString &text, const QString &shortFormat, int currentYear);

    // Negative, zero or positive as `a` sorts before, with or after `b`;
    // letter case does not count.
    static int compareText(const QString &a, const QString &b);
    static bool sameText(const QString &a, const QString &b);
    // Sorts ascending by compareText; equal texts keep their order.
    static void sortTexts(QStringList &texts);

    // The separator of a short format: its first character that is not a
    // pattern letter, space or quote; '/' when there is none.
    static QChar separatorOf(const QString &shortFormat);
    // Whether `format` writes a date in numbers only (no month or day names).
    static bool isNumericFormat(const QString &format);

    // Settings. useSystem() reads the platform's locale again; a locale whose
    // short format is not numeric (the C locale's) falls back to
    // "dd/MM/yyyy" with "/".
    static void useSystem();
    // A named locale such as "en_US", "de_DE" or "ja_JP".
    static void useLocale(const QString &name);
    // Keeps the current locale's names and long format.
    static void setShortDateFormat(const QString &format, QChar separator);
    static void setShortDateFormat(const QString &format) { setShortDateFormat(format, separatorOf(format)); }
    static void setLongDateFormat(const QString &format);
    static QLocale qlocale();
};
