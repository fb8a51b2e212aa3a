// The fixed statistics of the supervisor screens and writing them into a grid.

#include "tests/support/TestSupport.h"

#include "screens/supervisor/ActivityFigures.h"
#include "toolkit/Component.h"
#include "toolkit/TStringGrid.h"

#include <gtest/gtest.h>

TEST(ActivityFigures, CallsByMonthAreTenMonthsOf1997)
{
    const ActivityFigures::Rows rows = ActivityFigures::callsByMonth();
    ASSERT_EQ(rows.size(), 11);
    EXPECT_EQ(rows.at(0), QStringList({"Year", "Month", "Calls"}));
    const QStringList calls{"581", "723", "694", "718", "742", "596", "527", "696", "715", "726"};
    for (int month = 1; month <= 10; ++month) {
        SCOPED_TRACE(month);
        EXPECT_EQ(rows.at(month), QStringList({"1997", QString::number(month), calls.at(month - 1)}));
    }
}

TEST(ActivityFigures, FillingAGridLeavesNoStaleRowOrCell)
{
    auto *grid = new TStringGrid(nullptr);
    grid->SetColCount(2);
    grid->SetRowCount(9);
    grid->SetCell(1, 7, QStringLiteral("stale"));
    grid->SetCell(0, 1, QStringLiteral("old"));

    ActivityFigures::fillGrid(grid, ActivityFigures::callsByResponse());
    EXPECT_EQ(grid->RowCount(), 5) << "the grid ends with the last figure";
    EXPECT_EQ(grid->RowTexts(0), QStringList({"Response", "Calls"}));
    EXPECT_EQ(grid->RowTexts(1), QStringList({"No interest", "84"})) << "old texts are overwritten";
    EXPECT_EQ(grid->RowTexts(4), QStringList({"Positive", "158"}));

    grid->SetRowCount(9);
    EXPECT_EQ(grid->Cell(1, 7), QString()) << "a text below the figures is gone, not only hidden";

    // Filling again gives the same grid, not a longer one.
    ActivityFigures::fillGrid(grid, ActivityFigures::callsByResponse());
    EXPECT_EQ(grid->RowCount(), 5);

    // No rows at all keeps what the grid has rather than emptying it.
    ActivityFigures::fillGrid(grid, {});
    EXPECT_EQ(grid->RowCount(), 5);
    Component::free(grid);
}
