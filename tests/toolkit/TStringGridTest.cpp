#include "tests/support/TestSupport.h"

#include "toolkit/TStringGrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QStyledItemDelegate>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class GridForm : public TForm
{
    Q_OBJECT

public:
    using TForm::TForm;
    int clicks = 0;
    int dblClicks = 0;

    int keys = 0;
    int exits = 0;

public slots:
    void Grid1Click(QObject *) { ++clicks; }
    void Grid1DblClick(QObject *) { ++dblClicks; }
    void pagelistKeyDown(QObject *, int &, Tk::TShiftState) { ++keys; }
    void pagelistExit(QObject *) { ++exits; }
};

class TStringGridTest : public testing::Test
{
protected:
    void SetUp() override
    {
        form = TestSupport::loadFormOf<GridForm>(QStringLiteral(R"(Form1: GridForm {
          Grid1: TStringGrid { Left = 0 Top = 0 Width = 400 Height = 200 ColCount = 3 RowCount = 5
                               FixedRows = 1 FixedCols = 0 DefaultRowHeight = 17
                               Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRowSelect]
                               OnClick = Grid1Click OnDblClick = Grid1DblClick }
        })"));
        grid = form->findChild<TStringGrid *>(QStringLiteral("Grid1"));
        ASSERT_TRUE(grid);
    }
    QString shown(int viewRow, int viewCol) const
    {
        return grid->model()->index(viewRow, viewCol).data().toString();
    }
    QPoint cellCentre(int col, int row) const { return grid->CellRect(col, row).center(); }

    std::unique_ptr<GridForm, TestSupport::FormDeleter> form;
    TStringGrid *grid = nullptr;
};

} // namespace

TEST_F(TStringGridTest, FixedRowIsRowZeroAndTheHeader)
{
    grid->SetCell(0, 0, QStringLiteral("Date"));
    grid->SetCell(1, 1, QStringLiteral("Monday"));
    EXPECT_EQ(grid->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Date"));
    EXPECT_EQ(shown(0, 1), QStringLiteral("Monday"));
    EXPECT_EQ(grid->model()->rowCount(), 4);
    EXPECT_TRUE(grid->horizontalHeader()->isVisibleTo(grid));
    EXPECT_FALSE(grid->verticalHeader()->isVisibleTo(grid));
    EXPECT_EQ(grid->RowTexts(1), (QStringList{QString(), QStringLiteral("Monday"), QString()}));
}

TEST_F(TStringGridTest, CellsBeyondTheRowCountAreKeptButNotShown)
{
    grid->SetCell(0, 10, QStringLiteral("far"));
    EXPECT_EQ(grid->Cell(0, 10), QStringLiteral("far"));
    EXPECT_EQ(grid->model()->rowCount(), 4);
    grid->SetRowCount(11);
    EXPECT_EQ(shown(9, 0), QStringLiteral("far"));

    // No rows: one empty row stays, the far cells are kept.
    grid->SetCell(2, 0, QStringLiteral("head"));
    grid->SetRowCount(0);
    EXPECT_EQ(grid->RowCount(), 1);
    EXPECT_EQ(grid->FixedRows(), 0);
    EXPECT_EQ(grid->model()->rowCount(), 1);
    EXPECT_EQ(grid->Cell(2, 0), QString());
    EXPECT_EQ(grid->Cell(0, 10), QStringLiteral("far"));
}

TEST_F(TStringGridTest, RowAndColCountFromTheFixedRow)
{
    EXPECT_EQ(grid->Row(), 1);   // the first row below the header is current
    EXPECT_EQ(grid->Col(), 0);
    grid->SetRow(3);
    EXPECT_EQ(grid->Row(), 3);
    EXPECT_EQ(grid->currentIndex().row(), 2);
    for (int row : {0, 5, -1, 99})
        grid->SetRow(row);   // the header and rows past the end are no rows to go to
    EXPECT_EQ(grid->Row(), 3);
    grid->SetCol(2);
    EXPECT_EQ(grid->Col(), 2);

    // The whole row is selected.
    const QModelIndexList selected = grid->selectionModel()->selectedIndexes();
    EXPECT_EQ(selected.size(), 3);
    for (const QModelIndex &i : selected)
        EXPECT_EQ(i.row(), 2);

    // Fewer rows keep a current row, moved into range.
    grid->SetRow(4);
    grid->SetRowCount(3);
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_EQ(grid->selectionModel()->selectedIndexes().size(), 3);
    grid->SetRowCount(8);
    EXPECT_EQ(grid->Row(), 2);
}

TEST_F(TStringGridTest, ClicksFromTheMouseAndKeys)
{
    ASSERT_TRUE(TestSupport::showActive(form.get()));
    form->clicks = 0;
    QWidget *vp = grid->viewport();
    QTest::mouseClick(vp, Qt::LeftButton, {}, cellCentre(1, 3));
    EXPECT_EQ(grid->Row(), 3);
    EXPECT_EQ(form->clicks, 1);
    QTest::mouseClick(vp, Qt::LeftButton, {}, cellCentre(1, 3));   // same cell
    EXPECT_EQ(form->clicks, 2);
    QTest::mouseClick(vp, Qt::RightButton, {}, cellCentre(1, 2));
    EXPECT_EQ(form->clicks, 2);
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(grid->Row(), 4);
    EXPECT_EQ(form->clicks, 3);
    QTest::mouseDClick(vp, Qt::LeftButton, {}, cellCentre(0, 2));
    EXPECT_EQ(form->dblClicks, 1);
    EXPECT_EQ(grid->Row(), 2);
    // Changing the row count by code raises no click.
    const int before = form->clicks;
    grid->SetRowCount(3);
    grid->ClearCells();
    EXPECT_EQ(form->clicks, before);
}

TEST(TStringGrid, EditedCellsTypeIntoTheGrid)
{
    auto form = TestSupport::loadFormOf<GridForm>(QStringLiteral(R"(Form1: GridForm {
      pagelist: TStringGrid { Left = 0 Top = 0 Width = 133 Height = 150 ColCount = 2 RowCount = 10
                              FixedCols = 1 FixedRows = 0 ColWidths = (22, 90) DefaultRowHeight = 15
                              Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goEditing]
                              OnKeyDown = pagelistKeyDown OnExit = pagelistExit }
      Other: TEdit { Left = 200 Top = 0 }
    })"));
    auto *grid = form->findChild<TStringGrid *>(QStringLiteral("pagelist"));
    ASSERT_TRUE(TestSupport::showActive(form.get()));
    grid->setFocus();
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->Row(), 0);
    for (const QChar c : QStringLiteral("Contacts"))
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    EXPECT_EQ(grid->Cell(1, 0), QStringLiteral("Contacts"));
    // Every key reached the grid's handler, those typed in the cell editor too.
    EXPECT_EQ(form->keys, 8);
    EXPECT_EQ(form->exits, 0);
    form->findChild<QWidget *>(QStringLiteral("Other"))->setFocus();
    EXPECT_EQ(form->exits, 1);
}

TEST(TStringGrid, TabLeavesAGridWithoutTabsBetweenCells)
{
    auto form = TestSupport::loadFormOf<GridForm>(QStringLiteral(R"(Form1: GridForm {
      Before: TEdit { Left = 0 Top = 0 TabOrder = 0 }
      pagelist: TStringGrid { Left = 0 Top = 30 Width = 133 Height = 150 ColCount = 2 RowCount = 10
                              FixedCols = 1 FixedRows = 0 TabOrder = 1
                              Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goEditing] }
      After: TEdit { Left = 200 Top = 0 TabOrder = 2 }
      Tabbing: TStringGrid { Left = 200 Top = 30 ColCount = 3 RowCount = 3 TabOrder = 3
                             Options = [goFixedVertLine, goFixedHorzLine, goTabs] }
    })"));
    auto *grid = form->findChild<TStringGrid *>(QStringLiteral("pagelist"));
    ASSERT_TRUE(TestSupport::showActive(form.get()));
    const auto focused = [] { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); };
    // From the grid itself, and from inside its cell editor, both ways.
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_EQ(focused(), "After");
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), "Before");
    grid->setFocus();
    for (const char c : {'a', 'b'})
        QTest::keyClick(QApplication::focusWidget(), c);
    ASSERT_NE(QApplication::focusWidget(), grid) << "typing opens the cell editor";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(focused(), "After");
    EXPECT_EQ(grid->Cell(1, 0), "ab");
    // A grid whose options ask for it keeps Tab for its cells.
    auto *tabbing = form->findChild<TStringGrid *>(QStringLiteral("Tabbing"));
    tabbing->setFocus();
    QTest::keyClick(tabbing, Qt::Key_Tab);
    EXPECT_EQ(focused(), "Tabbing");
    EXPECT_EQ(tabbing->Col(), 2);
}

#include "TStringGridTest.moc"

TEST(TStringGrid, FixedRowIsWrittenInTheGridsFont)
{
    // The grid stands in a group box and takes the form's font through it.
    auto form = TestSupport::loadForm(QStringLiteral(R"(Form1: TForm { Width = 300 Height = 200
      Font.Name = "System" Font.Height = -13
      Box: TGroupBox { Left = 0 Top = 0 Width = 280 Height = 180
        Grid1: TStringGrid { Left = 8 Top = 16 Width = 260 Height = 150 ColCount = 2 RowCount = 3
                             FixedRows = 1 FixedCols = 1 }
      }
    })"));
    auto *grid = form->findChild<TStringGrid *>(QStringLiteral("Grid1"));
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->font().pixelSize(), 13);
    EXPECT_TRUE(grid->font().bold());
    EXPECT_EQ(grid->horizontalHeader()->font(), grid->font());
    EXPECT_EQ(grid->verticalHeader()->font(), grid->font());

    // The header draws its text itself, in the grid's font: a change of the
    // grid's own font reaches it as well.
    grid->Font()->SetHeight(-15);
    EXPECT_EQ(grid->horizontalHeader()->font().pixelSize(), 15);
    grid->SetParentFont(true);

    // A later change of the form's font reaches the fixed cells too.
    QFont larger = form->font();
    larger.setPixelSize(20);
    form->setFont(larger);
    EXPECT_EQ(grid->font().pixelSize(), 20);
    EXPECT_EQ(grid->horizontalHeader()->font().pixelSize(), 20);
}

TEST(TStringGrid, CellsLookAsTheStyleDrawsThemInEveryFont)
{
    // The grid's own cell drawing measures and shapes a text once for all
    // grids; a text too wide for its cell is elided in its own font, as the
    // style's drawing does, after it was measured in a smaller one, and a
    // text that fits in both is drawn in the large font, not the small one's.
    for (const QString &text : {QStringLiteral("Ashcombe Office Supplies"), QStringLiteral("Ashcombe")}) {
        SCOPED_TRACE(text.toStdString());
        auto form = TestSupport::loadForm(QStringLiteral(R"(Form1: TForm { Width = 300 Height = 200
          Small: TStringGrid { Left = 0 Top = 0 Width = 280 Height = 40 ColCount = 1 RowCount = 1
                               FixedRows = 0 FixedCols = 0 DefaultColWidth = 150 Font.Height = -9 }
          Large: TStringGrid { Left = 0 Top = 50 Width = 280 Height = 40 ColCount = 1 RowCount = 1
                               FixedRows = 0 FixedCols = 0 DefaultColWidth = 150 Font.Height = -20 }
        })"));
        auto *small = form->findChild<TStringGrid *>(QStringLiteral("Small"));
        auto *large = form->findChild<TStringGrid *>(QStringLiteral("Large"));
        ASSERT_TRUE(small && large);
        for (TStringGrid *grid : {small, large})
            grid->SetCell(0, 0, text);
        (void)small->grab();
        const QImage ours = large->grab().toImage();
        large->setItemDelegate(new QStyledItemDelegate(large));
        EXPECT_EQ(ours, large->grab().toImage());
    }
}
