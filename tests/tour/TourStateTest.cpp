// The date mask, the blank date text and the sample date texts under the
// short date formats of several locales.

#include "tests/support/TestSupport.h"

#include "toolkit/Locale.h"
#include "tour/TourState.h"

#include <gtest/gtest.h>

TEST(TourState, DateMaskAndBlankTextFollowTheShortFormat)
{
    struct Row {
        const char *format;
        char separator;
        const char *mask;
        const char *blank;
    };
    const Row rows[] = {
        {"dd/MM/yyyy", '/', "!00/00/0000;1;_", "  /  /    "},
        {"yyyy-MM-dd", '-', "!0000-00-00;1;_", "    -  -  "},
        {"dd.MM.yy", '.', "!00.00.00;1;_", "  .  .  "},
        {"yy/MM/dd", '/', "!00/00/00;1;_", "  /  /  "},
        {"M/d/yy", '/', "!00/00/0000;1;_", "  /  /    "},
        {"MM/dd/yyyy", '/', "!00/00/0000;1;_", "  /  /    "},
        {"yyyy/MM/d", '/', "!0000/00/00;1;_", "    /  /  "},
        {"d.MM.yyyy", '.', "!00.00.0000;1;_", "  .  .    "},
        // Only the length counts: eight characters mean a two-digit year field.
        {"yyyy/M/d", '/', "!00/00/00;1;_", "  /  /  "},
        {"d.M.yyyy", '.', "!00.00.00;1;_", "  .  .  "},
        {"", '/', "!00/00/0000;1;_", "  /  /    "},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.format);
        const QString f = QString::fromLatin1(r.format);
        EXPECT_EQ(Unit1::editMaskFor(f, QLatin1Char(r.separator)), QString::fromLatin1(r.mask));
        EXPECT_EQ(Unit1::blankDateTextFor(f, QLatin1Char(r.separator)), QString::fromLatin1(r.blank));
    }
}

TEST(TourState, SampleDatesComeInTheLocalesOrder)
{
    struct Row {
        const char *format;
        char separator;
        const char *day, *month, *year;
        const char *text;
    };
    const Row rows[] = {
        {"dd/MM/yyyy", '/', "14", "12", "1997", "14/12/1997"},
        {"M/d/yy", '/', "14", "12", "1997", "12/14/1997"},
        {"MM/dd/yy", '/', "14", "12", "1997", "12/14/97"},
        {"dd/MM/yyyy", '/', "04", "01", "1998", "04/01/1998"},
        {"yyyy/MM/dd", '/', "04", "01", "1998", "1998/01/04"},
        {"yyyy-MM-dd", '-', "04", "01", "1998", "1998-01-04"},
        {"dd.MM.yy", '.', "18", "12", "1997", "18.12.97"},
        {"d.MM.yyyy", '.', "18", "12", "1997", "18.12.1997"},
        {"d.M.yyyy", '.', "18", "12", "1997", "18.12.97"},
        {"g/d/M", '/', "18", "12", "1997", "18/12/1997"},   // unknown order: day first
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.format);
        EXPECT_EQ(Unit1::sampleDateText(QString::fromLatin1(r.format), QLatin1Char(r.separator), QString::fromLatin1(r.day),
                                        QString::fromLatin1(r.month), QString::fromLatin1(r.year)),
                  QString::fromLatin1(r.text));
    }
}

TEST(TourState, InitializeTakesTheCurrentLocaleAndResetsTheAccountPosition)
{
    Unit1::CurrentAccount = 7;
    Unit1::ListSortOrder = 2;
    Locale::setShortDateFormat(QStringLiteral("yyyy-MM-dd"), u'-');
    Unit1::initialize();
    EXPECT_EQ(Unit1::CurrentAccount, 0);
    EXPECT_EQ(Unit1::ListSortOrder, 0);
    EXPECT_EQ(Unit1::DateEditMask, QStringLiteral("!0000-00-00;1;_"));
    EXPECT_EQ(Unit1::BlankDateText, QStringLiteral("    -  -  "));
    EXPECT_EQ(Unit1::SampleDateText(QStringLiteral("04"), QStringLiteral("01"), QStringLiteral("1998")), QStringLiteral("1998-01-04"));

    Locale::useLocale(QStringLiteral("C"));
    Unit1::initialize();
    EXPECT_EQ(Unit1::DateEditMask, QStringLiteral("!00/00/0000;1;_")) << "the C locale falls back to a numeric day-first format";
    Locale::useSystem();
}
