// The contact history on page 5 and the dealer search on page 6.

#include "tests/screens/accounts/AccountsFixture.h"

#include "data/DataCatalogue.h"
#include "screens/accounts/Accsrch1.h"
#include "screens/accounts/Custcom.h"
#include "toolkit/Locale.h"
#include "toolkit/TButton.h"
#include "toolkit/TCheckBox.h"
#include "toolkit/TComboBox.h"
#include "toolkit/TEdit.h"
#include "toolkit/TLabel.h"
#include "toolkit/TMenuItem.h"
#include "toolkit/TStringGrid.h"

#include <QTest>

namespace {

using ScreensTest = AccountsFixture;

QList<QStringList> allCells(const TStringGrid *grid)
{
    QList<QStringList> cells;
    for (int r = 0; r < grid->RowCount(); ++r)
        cells << grid->RowTexts(r);
    return cells;
}

} // namespace

TEST_F(ScreensTest, ContactHistoryDatesFollowTheShortDateFormat)
{
    struct Row {
        const char *format;
        const char *first, *last;
    };
    const Row rows[] = {
        {"dd/MM/yyyy", "12/11/1997", "04/01/1998"},
        {"MM/dd/yyyy", "11/12/1997", "01/04/1998"},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.format);
        Locale::setShortDateFormat(QString::fromLatin1(r.format), u'/');
        gotoPage(5);
        auto *fm = screen<TCustComfm>();
        ASSERT_TRUE(fm);
        EXPECT_EQ(fm->Grid1->Cell(0, 0), QString::fromLatin1(r.first));
        EXPECT_EQ(fm->Grid1->Cell(4, 0), QString::fromLatin1(r.first));
        EXPECT_EQ(fm->Grid1->Cell(0, 4), QString::fromLatin1(r.last));
        EXPECT_EQ(fm->Grid1->RowTexts(3).mid(1), (QStringList{"15:14:02", fm->Grid1->Cell(2, 0), "Phone", ".", "Christmas sales success"}));
        EXPECT_EQ(fm->Grid1->RowTexts(2).mid(3), (QStringList{"Letter", fm->Grid1->Cell(4, 2), "Keeping up Christmas sales letter"}));
        for (int row = 5; row < 11; ++row)
            EXPECT_EQ(fm->Grid1->RowTexts(row).join(QString()), "") << row;
        // The contact context is empty in the tour.
        EXPECT_EQ(fm->Company->Caption(), "");
        EXPECT_EQ(fm->Tele->Caption(), "");
        EXPECT_EQ(fm->ContList->Items(), QStringList{QString()});
        gotoPage(0);
    }
}

TEST_F(ScreensTest, ContactHistoryClosesToTheDetailAndIgnoresDoubleClicks)
{
    gotoPage(5);
    auto *fm = screen<TCustComfm>();
    ASSERT_TRUE(fm);
    EXPECT_TRUE(DataCatalogue::openDataSets(fm).isEmpty());
    const QList<QStringList> before = allCells(fm->Grid1);
    doubleClickRow(fm->Grid1, 2);
    EXPECT_EQ(allCells(fm->Grid1), before);
    EXPECT_EQ(wizard()->Page(), 5);
    EXPECT_EQ(printedPages(fm, "Print1"), 1);

    auto *close = qobject_cast<TButton *>(fm->findComponent(u"CloseBtn"));
    ASSERT_TRUE(close);
    QTest::mouseClick(close, Qt::LeftButton, {}, close->rect().center());
    TestSupport::settle();
    EXPECT_EQ(wizard()->Page(), 2);
    EXPECT_FALSE(screen<TCustComfm>());
}

TEST_F(ScreensTest, DealerSearchShowsOnlyTheHeader)
{
    gotoPage(6);
    auto *fm = screen<TAccSrch1Fm>();
    ASSERT_TRUE(fm);
    EXPECT_EQ(fm->Grid1->RowTexts(0),
              (QStringList{"Account", "Name", "Address 1", "Address 2", "Address 3", "Address 4", "Post Code"}));
    EXPECT_EQ(fm->Grid1->FixedRows(), 1);
    EXPECT_TRUE(DataCatalogue::openDataSets(fm).isEmpty());
    const QList<QStringList> before = allCells(fm->Grid1);

    // Criteria can be filled in; no button, key or menu item searches.
    auto *text = qobject_cast<TEdit *>(fm->findComponent(u"SrchStr"));
    auto *box = qobject_cast<TCheckBox *>(fm->findComponent(u"CheckBox3"));
    auto *owner = qobject_cast<TComboBox *>(fm->findComponent(u"OwnerList"));
    ASSERT_TRUE(text && box && owner);
    text->setFocus();
    QTest::keyClicks(text, "High Street");
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    pick(owner, "Area2");
    EXPECT_TRUE(box->Checked());
    for (const char *name : {"SearchBtn", "DetailBtn", "SelectBtn", "Closebtn"}) {
        auto *b = qobject_cast<TButton *>(fm->findComponent(QString::fromLatin1(name)));
        ASSERT_TRUE(b) << name;
        QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
    }
    text->setFocus();
    QTest::keyClick(text, Qt::Key_Return);
    QTest::keyClick(text, Qt::Key_Escape);
    for (const char *name : {"Detail2", "Select2", "Search2", "Close2", "Language2"})
        qobject_cast<TMenuItem *>(fm->findComponent(QString::fromLatin1(name)))->Click();
    TestSupport::settle();
    EXPECT_EQ(screen<TAccSrch1Fm>(), fm);
    EXPECT_EQ(wizard()->Page(), 6);
    EXPECT_EQ(allCells(fm->Grid1), before);
    EXPECT_EQ(text->Text(), "High Street");
    EXPECT_TRUE(Dialogs::shown().isEmpty());
    EXPECT_EQ(printedPages(fm, "Print2"), 1);

    // The criteria start empty on the next visit.
    gotoPage(5);
    gotoPage(6);
    fm = screen<TAccSrch1Fm>();
    ASSERT_TRUE(fm);
    text = qobject_cast<TEdit *>(fm->findComponent(u"SrchStr"));
    ASSERT_TRUE(text);
    EXPECT_EQ(text->Text(), "");
}

TEST_F(ScreensTest, EveryDatasetNamesAKnownAliasAndStaysClosed)
{
    for (int page : {1, 2, 5, 6}) {
        SCOPED_TRACE(page);
        gotoPage(page);
        const QList<TForm *> forms = screens();
        ASSERT_EQ(forms.size(), 1);
        int tables = 0;
        for (const DataCatalogue::Entry &e : DataCatalogue::entries(forms.first())) {
            if (e.kind != DataCatalogue::Kind::Table)
                continue;
            ++tables;
            EXPECT_EQ(e.database, "Holvintele") << e.name.toStdString();
            EXPECT_EQ(e.dataSources.size(), 1) << e.name.toStdString();
            EXPECT_FALSE(e.active);
        }
        EXPECT_GE(tables, 3);
        EXPECT_TRUE(DataCatalogue::openDataSets(forms.first()).isEmpty());
    }
}
