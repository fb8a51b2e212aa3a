#include "data/DatabaseAliases.h"
#include "data/DbNames.h"

#include <gtest/gtest.h>

TEST(DatabaseAliases, LookupIgnoresLetterCaseButNothingElse)
{
    const struct {
        const char *written;
        const char *registered;   // null: unknown
    } rows[] = {
        {"Holvintele", "Holvintele"},
        {"holvintele", "Holvintele"},
        {"HOLVINTELE", "Holvintele"},
        {"HolvinteleLocal", "HolvinteleLocal"},
        {"holvintelelocal", "HolvinteleLocal"},
        {"HOLVINTELElocal", "HolvinteleLocal"},
        {"Holvintele2", nullptr},
        {"HolvinteleLoc", nullptr},
        {"Holvin", nullptr},
        {" Holvintele", nullptr},
        {"", nullptr},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.written);
        const QString alias = QString::fromLatin1(row.written);
        EXPECT_EQ(DatabaseAliases::isKnown(alias), row.registered != nullptr);
        EXPECT_EQ(DatabaseAliases::canonical(alias), QString::fromLatin1(row.registered));
        EXPECT_EQ(DatabaseAliases::canonical(alias).isNull(), row.registered == nullptr);
        EXPECT_EQ(DatabaseAliases::description(alias).isEmpty(), row.registered == nullptr);
    }
    EXPECT_EQ(DatabaseAliases::names(), (QStringList{"Holvintele", "HolvinteleLocal"}));
}

TEST(DatabaseAliases, RefusalSaysWhichDatabaseWasAskedFor)
{
    const QString known = DatabaseAliases::openRefusal("OwnerTbl", "holvintele");
    EXPECT_EQ(known, "Cannot open OwnerTbl: the database Holvintele is not available in this demonstration.");

    const QString unknown = DatabaseAliases::openRefusal("Users", "Nowhere");
    EXPECT_EQ(unknown, "Cannot open Users: the database alias \"Nowhere\" is unknown.");

    const QString none = DatabaseAliases::openRefusal("Table2", "  ");
    EXPECT_TRUE(none.startsWith("Cannot open Table2: it names no database")) << none.toStdString();
}

TEST(DbNames, FieldListsSplitTrimmedAndWithoutEmptyEntries)
{
    EXPECT_EQ(DbNames::splitFieldList("Reference;Posn;Line"), (QStringList{"Reference", "Posn", "Line"}));
    EXPECT_EQ(DbNames::splitFieldList(" ACCOUNT ; ;ACTIVEDATE;"), (QStringList{"ACCOUNT", "ACTIVEDATE"}));
    EXPECT_EQ(DbNames::splitFieldList("OWNER"), QStringList{"OWNER"});
    EXPECT_TRUE(DbNames::splitFieldList("").isEmpty());
    EXPECT_TRUE(DbNames::splitFieldList(";;").isEmpty());
}

TEST(DbNames, FieldListsMatchIgnoringCaseInOrder)
{
    const struct {
        const char *a;
        const char *b;
        bool same;
        bool aLeadsB;
    } rows[] = {
        {"Reference;Posn;Line", "REFERENCE;POSN;LINE", true, true},
        {"Reference;Posn", "REFERENCE;POSN;LINE", false, true},
        {"Posn;Reference", "Reference;Posn;Line", false, false},
        {"Reference;Posn;Line", "Reference;Posn", false, false},
        {"Reference; Posn", "reference;posn", true, true},
        {"Account", "ACCOUNT;REFERENCE;POSN;CONTACT", false, true},
        {"Contact", "ACCOUNT;REFERENCE;POSN;CONTACT", false, false},
        {"", "", true, false},
        {"", "OWNER", false, false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(std::string(row.a) + " / " + row.b);
        EXPECT_EQ(DbNames::sameFieldList(row.a, row.b), row.same);
        EXPECT_EQ(DbNames::sameFieldList(row.b, row.a), row.same);
        EXPECT_EQ(DbNames::isLeadingPart(row.a, row.b), row.aLeadsB);
    }
    const QStringList fields{"OWNER", "NAME"};
    EXPECT_EQ(DbNames::indexOfField(fields, u"name"), 1);
    EXPECT_EQ(DbNames::indexOfField(fields, u"Owner"), 0);
    EXPECT_EQ(DbNames::indexOfField(fields, u"OWNERS"), -1);
}

TEST(DbNames, TableNamesWithAndWithoutExtension)
{
    const struct {
        const char *table;
        const char *file;
    } rows[] = {
        {"OWNER", "OWNER.DB"},
        {"status", "status.DB"},
        {"MALACT01.DB", "MALACT01.DB"},
        {"malcon01.db", "malcon01.db"},
        {"RptTmp2.db", "RptTmp2.db"},
        {"", ""},
    };
    for (const auto &row : rows)
        EXPECT_EQ(DbNames::tableFileName(row.table), QString::fromLatin1(row.file)) << row.table;

    EXPECT_TRUE(DbNames::sameTable("TELRCM", "TELRCM.DB"));
    EXPECT_TRUE(DbNames::sameTable("ctrl01.db", "CTRL01"));
    EXPECT_FALSE(DbNames::sameTable("TELRCM", "TELRCMQ1"));
    EXPECT_FALSE(DbNames::sameTable("TELRCM01.DB", "TELRCM.DB"));
    EXPECT_FALSE(DbNames::sameTable("", ""));
}
