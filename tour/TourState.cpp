#include "tour/TourState.h"

#include "toolkit/Locale.h"

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

QString editMaskFor(const QString &shortFormat, QChar separator)
{
    const QString s(separator);
    if (shortFormat.size() == 8)
        return QStringLiteral("!00") + s + QStringLiteral("00") + s + QStringLiteral("00;1;_");
    if (firstUpper(shortFormat) == u'Y')
        return QStringLiteral("!0000") + s + QStringLiteral("00") + s + QStringLiteral("00;1;_");
    return QStringLiteral("!00") + s + QStringLiteral("00") + s + QStringLiteral("0000;1;_");
}

QString blankDateTextFor(const QString &shortFormat, QChar separator)
{
    const QString s(separator);
    if (shortFormat.size() == 8)
        return QStringLiteral("  ") + s + QStringLiteral("  ") + s + QStringLiteral("  ");
    if (firstUpper(shortFormat) == u'Y')
        return QStringLiteral("    ") + s + QStringLiteral("  ") + s + QStringLiteral("  ");
    return QStringLiteral("  ") + s + QStringLiteral("  ") + s + QStringLiteral("    ");
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
