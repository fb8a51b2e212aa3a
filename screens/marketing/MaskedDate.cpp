#include "screens/marketing/MaskedDate.h"

#include "toolkit/Locale.h"

namespace MaskedDate {

QString textFor(const QDate &date, const QString &shortFormat, QChar separator)
{
    if (!date.isValid())
        return QString();
    const auto two = [](int n) { return QStringLiteral("%1").arg(n % 100, 2, 10, QLatin1Char('0')); };
    const QString year = shortFormat.size() == 8 ? two(date.year()) : QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0'));
    const QString day = two(date.day());
    const QString month = two(date.month());
    const QString s(separator);
    const QChar first = shortFormat.isEmpty() ? QChar() : shortFormat.at(0).toUpper();
    if (first == u'Y')
        return year + s + month + s + day;
    if (first == u'M')
        return month + s + day + s + year;
    return day + s + month + s + year;
}

QString textFor(const QDate &date)
{
    return textFor(date, Locale::shortDateFormat(), Locale::dateSeparator());
}

} // namespace MaskedDate
