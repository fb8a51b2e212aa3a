#include "tour/TourState.h"

#include "toolkit/Locale.h"

#include <array>

namespace Unit1 {

int CurrentAccount = 0;
QString OwnerFilter;
QString StatusFilter;
int ListSortOrder = 0;
QString ContactCompany;
QString ContactName;
QString ContactPhone;
QString DateEditMask;
QString BlankDateText;

namespace {
QChar firstUpper(const QString &format)
{
    return format.isEmpty() ? QChar() : format.at(0).toUpper();
}
} // namespace

namespace {
// The digit counts of the three date fields in the order the format writes
// them: eight characters mean a two-digit year, year-first formats put the
// four-digit year first.
std::array<int, 3> fieldWidths(const QString &shortFormat)
{
    if (shortFormat.size() == 8)
        return {2, 2, 2};
    if (firstUpper(shortFormat) == u'Y')
        return {4, 2, 2};
    return {2, 2, 4};
}

// The three fields of `fill` characters, joined by the separator.
QString fields(const QString &shortFormat, QChar separator, QChar fill)
{
    const auto widths = fieldWidths(shortFormat);
    return QString(widths[0], fill) + separator + QString(widths[1], fill) + separator + QString(widths[2], fill);
}
} // namespace

QString editMaskFor(const QString &shortFormat, QChar separator)
{
    return QStringLiteral("!") + fields(shortFormat, separator, u'0') + QStringLiteral(";1;_");
}

QString blankDateTextFor(const QString &shortFormat, QChar separator)
{
    return fields(shortFormat, separator, u' ');
}

QString sampleDateText(const QString &shortFormat, QChar separator, const QString &day, const QString &month,
                       const QString &year)
{
    const QString s(separator);
    const bool eight = shortFormat.size() == 8;
    const QString shortYear = year.mid(2, 2);
    switch (firstUpper(shortFormat).unicode()) {
    case 'Y': return year + s + month + s + day;
    case 'M': return month + s + day + s + (eight ? shortYear : year);
    default: return day + s + month + s + (eight ? shortYear : year);
    }
}

QString SampleDateText(const QString &Day, const QString &Month, const QString &Year)
{
    return sampleDateText(Locale::shortDateFormat(), Locale::dateSeparator(), Day, Month, Year);
}

void initialize()
{
    CurrentAccount = 0;
    ListSortOrder = 0;
    const QString format = Locale::shortDateFormat();
    const QChar separator = Locale::dateSeparator();
    DateEditMask = editMaskFor(format, separator);
    BlankDateText = blankDateTextFor(format, separator);
}

} // namespace Unit1
