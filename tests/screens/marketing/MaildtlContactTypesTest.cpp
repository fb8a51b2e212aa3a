// The contact type table's matching rules and the masked date text, without
// a window.

#include "tests/support/TestSupport.h"

#include "screens/marketing/ContactTypes.h"
#include "screens/marketing/MaskedDate.h"

#include <gtest/gtest.h>

using namespace Maildtl;

TEST(MaildtlContactTypes, IncludeTakesTheFirstAvailableEntryOfThatExactName)
{
    ContTypes table = contTypesOf({"Manager", "Buyer", "Manager"});
    EXPECT_TRUE(includeContType(table, "Manager"));
    EXPECT_EQ(table[0].Included, 1);
    EXPECT_EQ(table[2].Included, 0);
    EXPECT_TRUE(includeContType(table, "Manager"));
    EXPECT_EQ(table[2].Included, 1);
    EXPECT_FALSE(includeContType(table, "Manager"));
    EXPECT_FALSE(includeContType(table, "manager"));
    EXPECT_FALSE(includeContType(table, "Director"));
    // "Buyer" was never chosen, so there is no chosen entry of it.
    EXPECT_EQ(findContType(table, "Buyer", 1), -1);

    EXPECT_TRUE(excludeContType(table, "Manager"));
    EXPECT_EQ(table[0].Included, 0);
    EXPECT_EQ(table[2].Included, 1);
    EXPECT_FALSE(excludeContType(table, "Buyer"));
}

TEST(MaildtlContactTypes, NamesAreCutTo20CharactersAndTheTableTo40Entries)
{
    QStringList names;
    for (int i = 0; i < 45; ++i)
        names << QStringLiteral("Type %1").arg(i);
    names[0] = QStringLiteral("A contact type with a long name");
    const ContTypes table = contTypesOf(names);
    EXPECT_EQ(table[0].Name, QStringLiteral("A contact type with "));
    EXPECT_EQ(table[39].Name, QStringLiteral("Type 39"));
    ContTypes copy = table;
    EXPECT_FALSE(includeContType(copy, names[0]));
    EXPECT_FALSE(includeContType(copy, QStringLiteral("Type 40")));
}

TEST(MaildtlContactTypes, SplitShowsChosenTypesInTableOrder)
{
    ContTypes table = contTypesOf({"Primary contact", "Manager", "Managing Director", "Supervisor"});
    includeContType(table, "Supervisor");
    includeContType(table, "Manager");
    QStringList available = {"Primary contact", "Manager", "Managing Director", "Supervisor"};
    QStringList chosen;
    splitByTable(table, available, chosen);
    EXPECT_EQ(chosen, QStringList({"Manager", "Supervisor"}));
    EXPECT_EQ(available, QStringList({"Primary contact", "Managing Director"}));
}

TEST(MaildtlContactTypes, MaskedDateFitsTheDateMask)
{
    struct Row {
        const char *format;
        char separator;
        const char *text;
    };
    const QDate date(2026, 3, 7);
    // Only the format's length decides the year's digits, as for the mask:
    // "d/M/yyyy" has 8 characters.
    const Row rows[] = {
        {"dd/MM/yyyy", '/', "07/03/2026"}, {"d/M/yyyy", '/', "07/03/26"}, {"M/d/yy", '/', "03/07/2026"},
        {"MM/dd/yy", '/', "03/07/26"},     {"yyyy-MM-dd", '-', "2026-03-07"}, {"yy/MM/dd", '/', "26/03/07"},
        {"dd.MM.yy", '.', "07.03.26"},     {"", '/', "07/03/2026"},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.format);
        EXPECT_EQ(MaskedDate::textFor(date, QString::fromLatin1(r.format), QLatin1Char(r.separator)),
                  QString::fromLatin1(r.text));
    }
    EXPECT_TRUE(MaskedDate::textFor(QDate(), "dd/MM/yyyy", '/').isEmpty());
}
