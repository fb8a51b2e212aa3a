#include "tests/support/TestSupport.h"

#include "toolkit/AccessibleNames.h"
#include "toolkit/TComboBox.h"
#include "toolkit/TEdit.h"
#include "toolkit/TLabel.h"
#include "toolkit/TStringGrid.h"

#include <QAccessible>
#include <QLineEdit>

#include <gtest/gtest.h>

using AccessibleNames::Item;
using AccessibleNames::Match;
using AccessibleNames::Pairing;

namespace {

Item label(int parent, QRect r, const char *text = "Name :")
{
    return {Item::Label, parent, r, QLatin1String(text)};
}

Item field(int parent, QRect r)
{
    return {Item::Field, parent, r, {}};
}

QString accessibleName(QWidget *w)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(QAccessible::Name) : QString();
}

} // namespace

TEST(AccessibleNames, LabelsPairWithTheFieldsTheyStandFor)
{
    const Match none;
    const struct {
        const char *name;
        QList<Item> items;
        QList<Match> expected;
    } rows[] = {
        {"beside, on the field's line", {label(0, {8, 62, 75, 16}), field(0, {140, 58, 145, 21})},
         {none, {0, Pairing::Beside}}},
        {"beside the first row of a tall list", {label(0, {6, 243, 82, 16}), field(0, {128, 244, 161, 69})},
         {none, {0, Pairing::Beside}}},
        {"just above", {label(0, {24, 32, 280, 16}), field(0, {21, 57, 453, 65})}, {none, {0, Pairing::Above}}},
        {"too far to the left", {label(0, {0, 10, 40, 16}), field(0, {400, 6, 100, 21})}, {none, none}},
        {"too far above", {label(0, {20, 0, 80, 16}), field(0, {20, 40, 200, 21})}, {none, none}},
        {"in another parent", {label(1, {8, 62, 75, 16}), field(2, {140, 58, 145, 21})}, {none, none}},
        {"inside one group box", {label(3, {10, 21, 60, 16}), field(3, {80, 18, 113, 21}), field(0, {80, 18, 113, 21})},
         {none, {0, Pairing::Beside}, none}},
        {"a label without a letter names nothing",
         {label(0, {8, 62, 75, 16}, " "), field(0, {140, 58, 145, 21}), label(0, {272, 40, 6, 16}, "-"),
          field(0, {286, 36, 101, 24})},
         {none, none, none, none}},
        {"the nearest label; a control between stops it",
         {label(0, {6, 9, 66, 16}), label(0, {128, 10, 97, 16}), field(0, {240, 6, 60, 21}),
          label(0, {8, 100, 60, 16}), field(0, {100, 96, 40, 21}), field(0, {300, 96, 40, 21}),
          label(0, {10, 150, 60, 16}), {Item::Other, 0, {100, 145, 25, 25}, {}}, field(0, {132, 147, 113, 21})},
         {none, none, {1, Pairing::Beside}, none, {3, Pairing::Beside}, none, none, none, none}},
        {"further fields of the line and of the column",
         {label(0, {8, 199, 110, 16}), field(0, {140, 199, 89, 21}), field(0, {233, 199, 140, 21}),
          field(0, {140, 222, 89, 21})},
         {none, {0, Pairing::Beside}, {0, Pairing::Line}, {0, Pairing::Column}}},
        {"labels side by side above are column headings",
         {label(0, {26, 87, 30, 16}, "Date"), label(0, {94, 87, 30, 16}, "Time"), field(0, {16, 104, 669, 202})},
         {none, none, none}},
        // Questions shown one at a time at one place, each with its text and
        // its answers right after it in the definition.
        {"stacked alternatives pair in definition order",
         {label(0, {24, 32, 280, 16}, "First?"), field(0, {21, 57, 453, 65}), field(0, {21, 128, 452, 185}),
          label(0, {22, 31, 194, 16}, "Second?"), field(0, {19, 56, 448, 65}), field(0, {21, 128, 448, 185})},
         {none, {0, Pairing::Above}, {0, Pairing::Column}, none, {3, Pairing::Above}, {3, Pairing::Column}}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const QList<Match> got = AccessibleNames::pairLabels(row.items);
        ASSERT_EQ(got.size(), row.expected.size());
        for (int i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].label, row.expected[i].label) << "item " << i;
            EXPECT_EQ(int(got[i].how), int(row.expected[i].how)) << "item " << i;
        }
    }
}

TEST(AccessibleNames, ALoadedFormNamesItsFieldsAndTheirInnerWidgets)
{
    auto form = TestSupport::loadForm(QStringLiteral(R"(Form1: TForm {
      StatusLbl: TLabel { Left = 8 Top = 62 Caption = "A/c Status :" }
      StatusList: TComboBox { Left = 140 Top = 58 Width = 145 Height = 21 }
      Code: TEdit { Left = 290 Top = 58 Width = 50 Height = 21 }
      Search: TEdit { Left = 8 Top = 200 Width = 50 Height = 21 Hint = "Field search" }
      OwnerBox: TGroupBox {
        Left = 5 Top = 100 Width = 229 Height = 40 Caption = "Owner"
        OwnerCombo: TComboBox { Left = 76 Top = 13 Width = 145 Height = 21 Style = csDropDown }
      }
    })"));
    // The label is the field's buddy, which assistive technology also reads
    // as the field's label relation.
    auto *statusList = TestSupport::component<TComboBox>(form.get(), "StatusList");
    auto *statusLbl = TestSupport::component<TLabel>(form.get(), "StatusLbl");
    EXPECT_EQ(statusList->accessibleName(), QStringLiteral("A/c Status :"));
    EXPECT_EQ(statusLbl->buddy(), statusList);
    const auto labels = QAccessible::queryAccessibleInterface(statusList)->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels.first().first->object(), statusLbl);
    ASSERT_TRUE(statusList->lineEdit());
    EXPECT_EQ(accessibleName(statusList->lineEdit()), QStringLiteral("A/c Status :"));
    EXPECT_EQ(accessibleName(TestSupport::component<TEdit>(form.get(), "Code")), QStringLiteral("A/c Status :"));
    EXPECT_EQ(accessibleName(TestSupport::component<TEdit>(form.get(), "Search")), QStringLiteral("Field search"));
    auto *owner = TestSupport::component<TComboBox>(form.get(), "OwnerCombo");
    ASSERT_TRUE(owner->lineEdit());
    EXPECT_EQ(owner->accessibleName(), QStringLiteral("Owner"));
    EXPECT_EQ(accessibleName(owner->lineEdit()), QStringLiteral("Owner"));
}

TEST(AccessibleNames, AGridsFixedRowAndOnlyThatReadsAsItsColumnHeaders)
{
    auto form = TestSupport::loadForm(QStringLiteral(R"(Form1: TForm {
      Calls: TStringGrid { Left = 8 Top = 8 Width = 229 Height = 120 ColCount = 2 RowCount = 3 FixedCols = 0 FixedRows = 1 }
      Plain: TStringGrid { Left = 8 Top = 140 Width = 229 Height = 120 ColCount = 2 RowCount = 3 FixedCols = 0 FixedRows = 0 }
      SortAccount: TPanel { Left = 9 Top = 283 Width = 66 Height = 17 Caption = "Account" }
      NameLabel: TLabel { Left = 80 Top = 284 Caption = "Name" }
      Sorted: TStringGrid { Left = 8 Top = 300 Width = 229 Height = 120 ColCount = 2 RowCount = 3 FixedCols = 0 FixedRows = 0 }
    })"));
    const struct {
        const char *grid;
        QStringList headers;   // of the two columns
        QString firstCell;     // row 0, column 0 of the table as read
    } rows[] = {
        {"Calls", {QStringLiteral("Month"), QStringLiteral("Calls")}, QStringLiteral("January")},
        {"Plain", {QString(), QString()}, QStringLiteral("Month")},
        // Texts standing over the columns of a grid without a fixed row.
        {"Sorted", {QStringLiteral("Account"), QStringLiteral("Name")}, QStringLiteral("Month")},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.grid);
        auto *grid = TestSupport::component<TStringGrid>(form.get(), row.grid);
        grid->SetCell(0, 0, QStringLiteral("Month"));
        grid->SetCell(1, 0, QStringLiteral("Calls"));
        grid->SetCell(0, 1, QStringLiteral("January"));
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(grid);
        ASSERT_TRUE(iface && iface->tableInterface());
        QAccessibleTableInterface *table = iface->tableInterface();
        ASSERT_EQ(table->columnCount(), 2);
        // The header cells as the table's children, as a screen reader walks
        // them; Qt's cache owns those, while the header lists that a cell
        // hands out are new objects that nobody frees.
        QStringList headers;
        for (int i = 0; i < iface->childCount(); ++i) {
            QAccessibleInterface *child = iface->child(i);
            if (child->role() == QAccessible::ColumnHeader) {
                headers << child->text(QAccessible::Name);
            } else if (child->role() == QAccessible::RowHeader) {
                EXPECT_TRUE(child->text(QAccessible::Name).isEmpty()) << "no fixed column, no row heading";
            }
        }
        EXPECT_EQ(headers, row.headers);
        EXPECT_EQ(table->cellAt(0, 0)->text(QAccessible::Name), row.firstCell);
    }
}
