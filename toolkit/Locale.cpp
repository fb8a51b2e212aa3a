#include "toolkit/Locale.h"

#include "toolkit/BoundedCache.h"

#include <QCollator>

#include <algorithm>

namespace {

struct Settings {
    bool ready = false;
    QLocale locale = QLocale::c();
    QString shortFormat;
    QString longFormat;
    QChar separator;
    QCollator collator;
    // The short format with the separator setting in place, made when first
    // needed after a change.
    QString shortPattern;
    // Date texts already made under this locale, by day and pattern: a
    // screen writes the same days again each time it is shown (the call
    // calendar hundreds of them), and Qt reads the pattern afresh on every
    // call. Emptied when the locale changes.
    BoundedCache<std::pair<qint64, QString>, QString> texts;
};

Settings &settings()
{
    static Settings s;
    return s;
}

void apply(const QLocale &locale)
{
    Settings &s = settings();
    s.locale = locale;
    s.shortFormat = locale.dateFormat(QLocale::ShortFormat);
    if (!Locale::isNumericFormat(s.shortFormat))
        s.shortFormat = QStringLiteral("dd/MM/yyyy");
    s.separator = Locale::separatorOf(s.shortFormat);
    s.longFormat = locale.dateFormat(QLocale::LongFormat);
    s.collator = QCollator(locale);
    s.collator.setCaseSensitivity(Qt::CaseInsensitive);
    s.shortPattern.clear();
    s.texts.clear();
    s.ready = true;
}

Settings &current()
{
    Settings &s = settings();
    if (!s.ready)
        apply(QLocale::system());
    return s;
}

// Calls `f(index, character)` for every pattern character of a date format,
// skipping quoted literal text ('...', with '' for a quote).
template<typename F>
void forEachUnquoted(const QString &format, F &&f)
{
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == u'\'') {
            quoted = !quoted;
            continue;
        }
        if (!quoted)
            f(i, c);
    }
}

bool isPatternLetter(QChar c)
{
    return c == u'd' || c == u'M' || c == u'y';
}

// Qt's weekday number (1 = Monday) for ours (1 = Sunday); 0 when out of range.
int qtWeekday(int weekday)
{
    if (weekday < 1 || weekday > 7)
        return 0;
    return weekday == 1 ? 7 : weekday - 1;
}

} // namespace

QString Locale::shortDateFormat()
{
    return current().shortFormat;
}

QString Locale::longDateFormat()
{
    return current().longFormat;
}

QChar Locale::dateSeparator()
{
    return current().separator;
}

QString Locale::longDayName(int weekday)
{
    const int d = qtWeekday(weekday);
    return d ? current().locale.dayName(d, QLocale::LongFormat) : QString();
}

QString Locale::shortDayName(int weekday)
{
    const int d = qtWeekday(weekday);
    return d ? current().locale.dayName(d, QLocale::ShortFormat) : QString();
}

int Locale::dayOfWeek(const QDate &date)
{
    return date.isValid() ? date.dayOfWeek() % 7 + 1 : 0;
}

QString Locale::formatShortDate(const QDate &date)
{
    // The separator setting replaces the format's own separator character.
    Settings &s = current();
    if (s.shortPattern.isEmpty()) {
        const QChar own = separatorOf(s.shortFormat);
        s.shortPattern = s.shortFormat;
        if (own != s.separator) {
            forEachUnquoted(s.shortFormat, [&](qsizetype i, QChar c) {
                if (c == own)
                    s.shortPattern[i] = s.separator;
            });
        }
    }
    return formatDate(date, s.shortPattern);
}

QString Locale::formatLongDate(const QDate &date)
{
    return formatDate(date, current().longFormat);
}

QString Locale::formatDate(const QDate &date, const QString &pattern)
{
    if (!date.isValid())
        return QString();
    Settings &s = current();
    return s.texts.get({date.toJulianDay(), pattern}, [&] { return s.locale.toString(date, pattern); });
}

QDate Locale::parseShortDate(const QString &text)
{
    return parseDate(text, current().shortFormat, QDate::currentDate().year());
}

QDate Locale::parseDate(const QString &text, const QString &shortFormat, int currentYear)
{
    // Order of the fields by their first appearance in the format.
    qsizetype dayPos = -1, monthPos = -1, yearPos = -1;
    forEachUnquoted(shortFormat, [&](qsizetype i, QChar c) {
        qsizetype &pos = c == u'd' ? dayPos : c == u'M' ? monthPos : yearPos;
        if (isPatternLetter(c) && pos < 0)
            pos = i;
    });
    if (dayPos < 0 || monthPos < 0 || yearPos < 0)
        return QDate();

    QStringList numbers;
    QString digits;
    for (const QChar c : text) {
        if (c.isLetter())
            return QDate();
        if (c.isDigit()) {
            digits += c;
        } else if (!digits.isEmpty()) {
            numbers << digits;
            digits.clear();
        }
    }
    if (!digits.isEmpty())
        numbers << digits;
    if (numbers.size() != 2 && numbers.size() != 3)
        return QDate();
    for (const QString &n : numbers) {
        if (n.size() > 4)
            return QDate();
    }

    struct Field {
        qsizetype pos;
        int *value;
        int digits = 0;
    };
    int day = 0, month = 0, year = currentYear;
    std::vector<Field> fields{{dayPos, &day}, {monthPos, &month}};
    if (numbers.size() == 3)
        fields.push_back({yearPos, &year});
    std::sort(fields.begin(), fields.end(), [](const Field &a, const Field &b) { return a.pos < b.pos; });
    for (size_t i = 0; i < fields.size(); ++i) {
        *fields[i].value = numbers.at(qsizetype(i)).toInt();
        fields[i].digits = int(numbers.at(qsizetype(i)).size());
    }
    if (numbers.size() == 3) {
        const auto yearField = std::find_if(fields.begin(), fields.end(), [&](const Field &f) { return f.value == &year; });
        if (yearField->digits <= 2) {
            year += currentYear - currentYear % 100;
            if (year > currentYear + 50)
                year -= 100;
            else if (year <= currentYear - 50)
                year += 100;
        }
    }
    const QDate date(year, month, day);
    return date.isValid() ? date : QDate();
}

int Locale::compareText(const QString &a, const QString &b)
{
    return current().collator.compare(a, b);
}

bool Locale::sameText(const QString &a, const QString &b)
{
    return compareText(a, b) == 0;
}

void Locale::sortTexts(QStringList &texts)
{
    const QCollator &c = current().collator;
    std::stable_sort(texts.begin(), texts.end(), [&](const QString &a, const QString &b) { return c.compare(a, b) < 0; });
}

QChar Locale::separatorOf(const QString &shortFormat)
{
    QChar separator;
    forEachUnquoted(shortFormat, [&](qsizetype, QChar c) {
        if (separator.isNull() && !isPatternLetter(c) && !c.isSpace())
            separator = c;
    });
    return separator.isNull() ? QChar(u'/') : separator;
}

bool Locale::isNumericFormat(const QString &format)
{
    bool day = false, month = false, year = false, names = false, separator = false;
    qsizetype run = 0;
    QChar previous;
    forEachUnquoted(format, [&](qsizetype, QChar c) {
        run = c == previous ? run + 1 : 1;
        previous = c;
        if (c == u'd') {
            day = true;
            names = names || run >= 3;
        } else if (c == u'M') {
            month = true;
            names = names || run >= 3;
        } else if (c == u'y') {
            year = true;
        } else if (!c.isSpace()) {
            separator = true;
        }
    });
    return day && month && year && separator && !names;
}

void Locale::useSystem()
{
    apply(QLocale::system());
}

void Locale::useLocale(const QString &name)
{
    apply(QLocale(name));
}

void Locale::setShortDateFormat(const QString &format, QChar separator)
{
    Settings &s = current();
    s.shortFormat = format;
    s.separator = separator.isNull() ? separatorOf(format) : separator;
    s.shortPattern.clear();
}

void Locale::setLongDateFormat(const QString &format)
{
    current().longFormat = format;
}

QLocale Locale::qlocale()
{
    return current().locale;
}
