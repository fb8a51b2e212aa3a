#pragma once

// The tour started under a day-first short date format with no account list
// filters left from an earlier test, and ways to work the account screens'
// controls as a visitor does.

#include "tests/support/TourFixture.h"

class TComboBox;
class TStringGrid;

class AccountsFixture : public TourFixture
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Picks the line `text` of a combo box as from its drop-down list.
    static void pick(TComboBox *combo, const QString &text);
    // Types into an editable combo box, after selecting what it holds.
    static void typeInto(TComboBox *combo, const QString &text);
    // Empties an editable combo box with Backspace.
    static void erase(TComboBox *combo);
    // Cells of columns 0 to 5 of every row.
    static QList<QStringList> rows(const TStringGrid *grid);
    // Column `col` of every row.
    static QStringList column(const TStringGrid *grid, int col);
    static void doubleClickRow(TStringGrid *grid, int row);
    // Prints with the menu item `item` of `form` into a PDF file and counts
    // its pages; -1 when there is no such item.
    static int printedPages(TForm *form, const char *item);
};
