// The account list's rows without a window: filters, sort orders, the call
// list for today, finding the account of a listed key, and the row that a
// "Position to" text selects.

#include "screens/accounts/AccountRows.h"
#include "tests/support/TestSupport.h"

#include "toolkit/Locale.h"

#include <gtest/gtest.h>

using namespace AccountRows;

namespace {

// Owner, status and dates of the twenty sample accounts; company names that
// do not sort as their numbers do, two of them in lower case.
Samples samples()
{
    Samples s;
    const char *const owner = "12212112211212122112";
    const char *const customer = "11001101001101010101";
    const char *const next[] = {"01/02/1998", "06/10/1998", "05/06/1998", "10/10/1998", "03/01/1998",
                                "08/04/1998", "03/06/1998", "12/12/1998", "11/12/1998", "11/11/1998",
                                "10/06/1998", "12/05/1998", "09/05/1998", "08/04/1998", "09/06/1998",
                                "04/03/1998", "09/10/1998", "10/10/1998", "07/11/1998", "06/11/1998"};
    const char *const names[] = {"Tern", "apple", "Kite", "Moor", "Fen", "Dale", "Heath", "Cove", "Brook", "Quay",
                                 "Ness", "Jetty", "Wold", "Ridge", "Gorse", "Pike", "Lynn", "Ebb", "Scar", "islet"};
    for (int i = 0; i < 20; ++i) {
        s.account << QStringLiteral("0100%1").arg(i + 1, 2, 10, QLatin1Char('0'));
        s.company << QString::fromLatin1(names[i]);
        s.next << QString::fromLatin1(next[i]);
        s.last << QStringLiteral("01/01/1998");
        s.owner << QStringLiteral("Area%1").arg(QLatin1Char(owner[i]));
        s.status << (customer[i] == '1' ? QStringLiteral("Customer") : QStringLiteral("Prospect"));
    }
    return s;
}

QList<int> list(const char *owner, const char *status, int order, bool todayOnly = false, QDate today = {})
{
    Filters f;
    f.owner = QString::fromUtf8(owner);
    f.status = QString::fromUtf8(status);
    f.sortOrder = order;
    f.todayOnly = todayOnly;
    f.today = today;
    return listed(samples(), f);
}

class AccountRowsTest : public ::testing::Test
{
protected:
    void SetUp() override { Locale::setShortDateFormat(QStringLiteral("dd/MM/yyyy"), u'/'); }
    void TearDown() override { Locale::useSystem(); }
};

} // namespace

TEST_F(AccountRowsTest, FiltersAndOrdersGiveTheListedAccounts)
{
    struct Row {
        const char *name;
        const char *owner;
        const char *status;
        int order;
        QList<int> accounts;
    };
    QList<int> all;
    for (int i = 0; i < 20; ++i)
        all << i;
    const Row rows[] = {
        {"no filter, account order", "", "", ByAccount, all},
        {"owner only", "Area1", "", ByAccount, {0, 3, 5, 6, 9, 10, 12, 14, 17, 18}},
        {"status only", "", "Prospect", ByAccount, {2, 3, 6, 8, 9, 12, 14, 16, 18}},
        {"owner and status", "Area2", "Prospect", ByAccount, {2, 8, 16}},
        {"next dates sort as texts", "Area2", "Prospect", ByNextDate, {2, 16, 8}},
        {"next date order of Area1 customers", "Area1", "Customer", ByNextDate, {0, 5, 10, 17}},
        {"names ignore letter case", "Area2", "Customer", ByName, {1, 7, 4, 19, 11, 15, 13}},
        {"all names", "", "", ByName, {1, 8, 7, 5, 17, 4, 14, 6, 19, 11, 2, 16, 3, 10, 15, 9, 13, 18, 0, 12}},
        {"filters compare exact texts", "area1", "", ByAccount, {}},
        {"a status of no account", "Area1", "Suspect", ByAccount, {}},
        {"non-ASCII owner", "Área1", "", ByAccount, {}},
        {"an owner of twenty characters", "Area1Area1Area1Area1", "", ByAccount, {}},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(list(r.owner, r.status, r.order), r.accounts);
    }
}

TEST_F(AccountRowsTest, TodaysCallsLeaveOutLaterNextDates)
{
    // Area1 customers have next dates 01/02, 08/04, 10/06 and 10/10/1998.
    EXPECT_EQ(list("Area1", "Customer", ByNextDate, true, QDate(1998, 4, 8)), (QList<int>{0, 5}));
    EXPECT_EQ(list("Area1", "Customer", ByNextDate, true, QDate(1998, 1, 31)), (QList<int>{}));
    EXPECT_EQ(list("Area1", "Customer", ByNextDate, true, QDate(2026, 12, 9)), (QList<int>{0, 5, 10, 17}));
    // Only the next date order has a call list.
    EXPECT_EQ(list("Area1", "Customer", ByAccount, true, QDate(1998, 1, 31)), (QList<int>{0, 5, 10, 17}));

    // Month first, the same texts are 2 January, 4 August, 6 and 10 October.
    Locale::setShortDateFormat(QStringLiteral("MM/dd/yyyy"), u'/');
    EXPECT_EQ(list("Area1", "Customer", ByNextDate, true, QDate(1998, 10, 6)), (QList<int>{0, 5, 10}));
    // Year first, no text is a date; none is known to lie after today.
    Locale::setShortDateFormat(QStringLiteral("yyyy-MM-dd"), u'-');
    EXPECT_EQ(list("Area1", "Customer", ByNextDate, true, QDate(1998, 1, 1)), (QList<int>{0, 5, 10, 17}));
}

TEST_F(AccountRowsTest, AKeyFindsTheFirstAccountUnderTheFilters)
{
    const Samples s = samples();
    // Accounts 5 (Area1) and 13 (Area2) share the next date 08/04/1998.
    EXPECT_EQ(find(s, "", "", ByNextDate, "08/04/1998"), 5);
    EXPECT_EQ(find(s, "Area2", "Customer", ByNextDate, "08/04/1998"), 13);
    EXPECT_EQ(find(s, "Area1", "Customer", ByNextDate, "08/04/1998"), 5);
    EXPECT_EQ(find(s, "", "", ByAccount, "010004"), 3);
    EXPECT_EQ(find(s, "", "", ByName, "APPLE"), 1);
    EXPECT_EQ(find(s, "Area1", "", ByAccount, "010002"), -1) << "account 010002 belongs to Area2";
    EXPECT_EQ(find(s, "", "", ByAccount, ""), -1);
    EXPECT_EQ(find(s, "", "", ByLastDate, "01/01/1998"), 0);
}

TEST_F(AccountRowsTest, PositionTextSelectsTheRowAtOrBeforeIt)
{
    const QStringList names{"Brook", "Cove", "Dale", "Heath", "Kite"};
    struct Row {
        const char *text;
        int row;
    };
    const Row rows[] = {
        {"", 0},
        {"Aa", 0},       // before every key
        {"Zz", 4},       // after every key
        {"Dale", 2},     // a key itself
        {"Dam", 2},      // between two keys
        {"heath", 3},    // letter case as the list is sorted
        {"C", 0},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.text);
        EXPECT_EQ(positionRow(names, QString::fromUtf8(r.text)), r.row);
    }
    EXPECT_EQ(positionRow({}, QStringLiteral("x")), 0);
    const QStringList dates{"01/02/1998", "08/04/1998", "10/06/1998", "10/10/1998"};
    EXPECT_EQ(positionRow(dates, QStringLiteral("09/05/1998")), 1);
    EXPECT_EQ(positionRow(dates, QStringLiteral("31/02/1998")), 3) << "a day that does not exist positions as text";
}
