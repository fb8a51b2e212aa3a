#include "toolkit/Locale.h"

#include <gtest/gtest.h>

namespace {

class LocaleTest : public testing::Test
{
protected:
    void TearDown() override { Locale::useSystem(); }
};

const QDate kDate(1997, 12, 14);   // a Sunday

} // namespace

TEST_F(LocaleTest, NamedLocalesGiveNumericShortFormats)
{
    struct Row {
        const char *name;
        const char *format;
        char16_t separator;
        const char *shortText;
    };
    const Row rows[] = {
        {"en_GB", "dd/MM/yyyy", u'/', "14/12/1997"},
        {"en_US", "M/d/yy", u'/', "12/14/97"},
        {"de_DE", "dd.MM.yy", u'.', "14.12.97"},
        {"ja_JP", "yyyy/MM/dd", u'/', "1997/12/14"},
        {"nl_NL", "dd-MM-yyyy", u'-', "14-12-1997"},
        // The C locale writes month names; the numeric fallback stands in.
        {"C", "dd/MM/yyyy", u'/', "14/12/1997"},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        Locale::useLocale(QString::fromLatin1(r.name));
        EXPECT_EQ(Locale::shortDateFormat(), QString::fromLatin1(r.format));
        EXPECT_EQ(Locale::dateSeparator(), QChar(r.separator));
        EXPECT_EQ(Locale::formatShortDate(kDate), QString::fromLatin1(r.shortText));
        EXPECT_EQ(Locale::parseShortDate(Locale::formatShortDate(kDate)), kDate);
    }
}

TEST_F(LocaleTest, SystemLocaleAlwaysHasANumericShortFormat)
{
    Locale::useSystem();
    EXPECT_TRUE(Locale::isNumericFormat(Locale::shortDateFormat())) << Locale::shortDateFormat().toStdString();
    EXPECT_EQ(Locale::parseShortDate(Locale::formatShortDate(kDate)), kDate);
}

TEST_F(LocaleTest, SeparatorSettingReplacesTheFormatsOwn)
{
    Locale::useLocale(QStringLiteral("en_GB"));
    Locale::setShortDateFormat(QStringLiteral("dd/MM/yyyy"), u'-');
    EXPECT_EQ(Locale::dateSeparator(), u'-');
    EXPECT_EQ(Locale::formatShortDate(kDate), QStringLiteral("14-12-1997"));
    Locale::setShortDateFormat(QStringLiteral("yyyy.MM.dd"));
    EXPECT_EQ(Locale::dateSeparator(), u'.');
    EXPECT_EQ(Locale::formatShortDate(kDate), QStringLiteral("1997.12.14"));
    // Names still come from the locale.
    EXPECT_EQ(Locale::longDayName(1), QStringLiteral("Sunday"));
}

TEST_F(LocaleTest, SeparatorOfAFormat)
{
    const std::pair<const char *, char16_t> rows[] = {
        {"dd/MM/yyyy", u'/'}, {"yyyy-MM-dd", u'-'}, {"dd.MM.yy", u'.'}, {"yy. M. d.", u'.'},
        {"'le' dd/MM", u'/'}, {"ddMMyyyy", u'/'},   {"", u'/'},
    };
    for (const auto &[format, separator] : rows)
        EXPECT_EQ(Locale::separatorOf(QString::fromLatin1(format)), QChar(separator)) << format;
}

TEST_F(LocaleTest, NumericFormats)
{
    const std::pair<const char *, bool> rows[] = {
        {"dd/MM/yyyy", true}, {"M/d/yy", true},      {"yyyy-MM-dd", true}, {"d MMM yyyy", false},
        {"dddd, d MMMM yyyy", false}, {"ddMMyyyy", false}, {"dd/MM", false},
    };
    for (const auto &[format, numeric] : rows)
        EXPECT_EQ(Locale::isNumericFormat(QString::fromLatin1(format)), numeric) << format;
}

TEST_F(LocaleTest, ParsesInTheOrderOfTheFormat)
{
    struct Row {
        const char *text;
        const char *format;
        QDate expected;
    };
    const Row rows[] = {
        {"14/12/1997", "dd/MM/yyyy", kDate},
        {"12/14/1997", "M/d/yy", kDate},
        {"01/02/1998", "M/d/yy", QDate(1998, 1, 2)},
        {"01/02/1998", "dd/MM/yyyy", QDate(1998, 2, 1)},
        {"1997-12-14", "yyyy-MM-dd", kDate},
        {" 4. 1. 1998 ", "d.M.yyyy", QDate(1998, 1, 4)},
        {"14/12/97", "dd/MM/yy", kDate},
        {"14/12/75", "dd/MM/yy", QDate(2075, 12, 14)},
        {"14/12/76", "dd/MM/yy", QDate(1976, 12, 14)},
        {"14/12", "dd/MM/yyyy", QDate(2025, 12, 14)},
        {"31/02/1998", "dd/MM/yyyy", QDate()},
        {"13/13/1998", "dd/MM/yyyy", QDate()},
        {"1998/01/04", "dd/MM/yyyy", QDate()},
        {"14/Dec/1997", "dd/MM/yyyy", QDate()},
        {"14/12/1997/1", "dd/MM/yyyy", QDate()},
        {"14/12/19970", "dd/MM/yyyy", QDate()},
        {"  /  /    ", "dd/MM/yyyy", QDate()},
        {"", "dd/MM/yyyy", QDate()},
        {"14/12/1997", "MMM", QDate()},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(std::string(r.text) + " as " + r.format);
        EXPECT_EQ(Locale::parseDate(QString::fromLatin1(r.text), QString::fromLatin1(r.format), 2025), r.expected);
    }
}

TEST_F(LocaleTest, WeekdaysCountFromSunday)
{
    Locale::useLocale(QStringLiteral("en_US"));
    EXPECT_EQ(Locale::longDayName(1), QStringLiteral("Sunday"));
    EXPECT_EQ(Locale::longDayName(2), QStringLiteral("Monday"));
    EXPECT_EQ(Locale::shortDayName(7), QStringLiteral("Sat"));
    EXPECT_EQ(Locale::longDayName(0), QString());
    EXPECT_EQ(Locale::longDayName(8), QString());
    EXPECT_EQ(Locale::dayOfWeek(kDate), 1);
    EXPECT_EQ(Locale::dayOfWeek(kDate.addDays(1)), 2);
    EXPECT_EQ(Locale::dayOfWeek(kDate.addDays(6)), 7);
    EXPECT_EQ(Locale::formatDate(kDate, QStringLiteral("dddd")), QStringLiteral("Sunday"));
    EXPECT_EQ(Locale::formatLongDate(kDate), QStringLiteral("Sunday, December 14, 1997"));

    Locale::useLocale(QStringLiteral("de_DE"));
    EXPECT_EQ(Locale::longDayName(2), QStringLiteral("Montag"));
    EXPECT_EQ(Locale::formatDate(kDate, QStringLiteral("dddd")), QStringLiteral("Sonntag"));
}

TEST_F(LocaleTest, ComparisonIgnoresLetterCase)
{
    for (const char *name : {"C", "en_US", "de_DE"}) {
        SCOPED_TRACE(name);
        Locale::useLocale(QString::fromLatin1(name));
        EXPECT_TRUE(Locale::sameText(QStringLiteral("Area1"), QStringLiteral("AREA1")));
        EXPECT_FALSE(Locale::sameText(QStringLiteral("Area1"), QStringLiteral("Area2")));
        // Plain character codes would put every capital first.
        EXPECT_LT(Locale::compareText(QStringLiteral("apple"), QStringLiteral("Banana")), 0);
        EXPECT_GT(Locale::compareText(QStringLiteral("cherry"), QStringLiteral("Banana")), 0);

        QStringList texts{QStringLiteral("b"), QStringLiteral("A"), QStringLiteral("a"), QStringLiteral("B"),
                          QStringLiteral("10/10/1998"), QStringLiteral("01/02/1998")};
        Locale::sortTexts(texts);
        EXPECT_EQ(texts, (QStringList{QStringLiteral("01/02/1998"), QStringLiteral("10/10/1998"), QStringLiteral("A"),
                                      QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("B")}));
    }
}
