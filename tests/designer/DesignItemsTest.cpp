// The screen designer's tables, without a window: what each field entry
// creates, what each button entry shows, and the page-name rule.

#include "designer/DesignItems.h"
#include "designer/PageNames.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

using DesignItems::Item;
using DesignItems::Kind;

TEST(DesignItems, EveryFieldKindCreatesItsItems)
{
    const struct {
        int field;
        QList<Item> items;
    } rows[] = {
        {0, {{Kind::Label, 30, 40, QString()}}},
        {1, {{Kind::Edit, 30, 40, "1"}}},
        {13, {{Kind::Edit, 30, 40, "13"}}},
        {14, {{Kind::Edit, 50, 40, "14"}, {Kind::CalendarButton, 50, 60, "141"}}},
        {17, {{Kind::Edit, 50, 40, "17"}, {Kind::CalendarButton, 50, 60, "171"}, {Kind::MustCheckBox, 50, 70, "172"}}},
        {19, {{Kind::Memo, 30, 40, "19"}}},
        {42, {{Kind::GroupList, 30, 50, "421"}}},
        {49, {{Kind::Memo, 30, 40, "49"}}},
        {52, {{Kind::Edit, 30, 40, "52"}}},
        {53, {{Kind::Edit, 30, 40, "53"}}},
        {-1, {}},
        {54, {}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(DesignItems::itemsForField(row.field), row.items) << "field " << row.field;
}

TEST(DesignItems, ButtonEntriesNameTheirToolbarControls)
{
    EXPECT_EQ(DesignItems::controlsForButton(0), QStringList{"SpeedButton1"});
    EXPECT_EQ(DesignItems::controlsForButton(4), QStringList{"EMailBtn"});
    EXPECT_EQ(DesignItems::controlsForButton(7), QStringList{"SpeedButton8"});
    EXPECT_EQ(DesignItems::controlsForButton(11), QStringList{"SpeedButton7"});
    EXPECT_EQ(DesignItems::controlsForButton(12), (QStringList{"Scripts", "RunScript"}));
    EXPECT_EQ(DesignItems::controlsForButton(18), QStringList{"SpeedButton12"});
    EXPECT_EQ(DesignItems::controlsForButton(19), QStringList{"NextButton1"});
    EXPECT_EQ(DesignItems::controlsForButton(20), QStringList{"SpeedButton13"});
    EXPECT_TRUE(DesignItems::controlsForButton(-1).isEmpty());
    EXPECT_TRUE(DesignItems::controlsForButton(21).isEmpty());
    // Every control is shown by one entry only.
    QStringList all;
    for (int k = 0; k < DesignItems::ButtonCount; ++k)
        all << DesignItems::controlsForButton(k);
    all.removeDuplicates();
    EXPECT_EQ(all.size(), 22);
}

TEST(PageNames, NamesShowTabsAndAreCutAtTwentyCharacters)
{
    const QString twenty(20, QLatin1Char('x'));
    const QString long25 = QStringLiteral("A name of 25 characters!!");
    ASSERT_EQ(long25.size(), 25);
    const QList<PageNames::Page> pages = PageNames::apply({"Page1", "", twenty, long25});
    ASSERT_EQ(pages.size(), PageNames::PageCount);
    EXPECT_EQ(pages[0], (PageNames::Page{true, "Page1", "Page1", false}));
    EXPECT_EQ(pages[1], (PageNames::Page{false, QString(), QString(), false}));
    EXPECT_EQ(pages[2], (PageNames::Page{true, twenty, twenty, false}));
    // A too long name shows its tab but keeps the earlier caption.
    EXPECT_EQ(pages[3], (PageNames::Page{true, QString(), long25.left(20), true}));
    EXPECT_TRUE(pages[3].caption.isNull());
    for (int i = 4; i < PageNames::PageCount; ++i)
        EXPECT_FALSE(pages[i].tabVisible) << i;
    EXPECT_TRUE(PageNames::anyDefined(pages));
    EXPECT_FALSE(PageNames::anyDefined(PageNames::apply({})));
}

} // namespace
