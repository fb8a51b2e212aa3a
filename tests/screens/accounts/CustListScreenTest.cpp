// The account list on page 1 of the running tour: filters and their refusal,
// the sort headings, the "Position to" search, the mirror grid, the filters
// kept for the next visit and the hand-over to the account detail.

#include "tests/screens/accounts/AccountsFixture.h"

#include "data/DataCatalogue.h"
#include "screens/accounts/Cust.h"
#include "screens/accounts/Custdtl.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Screen.h"
#include "toolkit/TCheckBox.h"
#include "toolkit/TComboBox.h"
#include "toolkit/TLabel.h"
#include "toolkit/TListBox.h"
#include "toolkit/TMaskEdit.h"
#include "toolkit/TMenuItem.h"
#include "toolkit/TPanel.h"
#include "toolkit/TRadioGroup.h"
#include "toolkit/TStringGrid.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace {

const QString RefusalText = QStringLiteral("You cannot select an Status without an Owner");

class CustListTest : public AccountsFixture
{
protected:
    TCustListFm *list()
    {
        gotoPage(1);
        auto *fm = screen<TCustListFm>();
        EXPECT_TRUE(fm);
        return fm;
    }
    static void click(TPanel *heading)
    {
        QTest::mouseClick(heading, Qt::LeftButton, {}, heading->rect().center());
        TestSupport::settle();
    }
    // Types a search text into "Position to" and leaves the box.
    static void positionTo(TCustListFm *fm, const QString &text)
    {
        fm->Position->setFocus();
        QTest::keyClicks(fm->Position, text);
        fm->Grid1->setFocus();
        TestSupport::settle();
    }
    static int refusals()
    {
        int n = 0;
        for (const Dialogs::Request &r : Dialogs::shown())
            n += r.text == RefusalText;
        return n;
    }
};

} // namespace

TEST_F(CustListTest, StartsUnfilteredInAccountOrder)
{
    TCustListFm *fm = list();
    ASSERT_TRUE(fm);
    EXPECT_EQ(fm->Grid1->RowCount(), 20);
    EXPECT_EQ(fm->Grid1->Cell(0, 0), "010001");
    EXPECT_EQ(fm->Grid1->Cell(0, 19), "010020");
    EXPECT_EQ(fm->NumAccs->Caption(), "20");
    EXPECT_EQ(fm->AccountLbl->Color(), Tk::TColor::clAqua);
    EXPECT_EQ(fm->NameLbl->Color(), Tk::TColor::clFuchsia);
    EXPECT_EQ(fm->NextDateLbl->Color(), Tk::TColor::clSilver);
    EXPECT_FALSE(fm->TodaysCalls->Enabled());
    EXPECT_FALSE(fm->Position->IsMasked());
    EXPECT_EQ(fm->Grid1->Row(), 0);
    EXPECT_EQ(fm->MatchList.size(), 20);
    EXPECT_TRUE(Dialogs::shown().isEmpty());
    // Every row shows one account's own cells, also in the mirror grid.
    EXPECT_EQ(rows(Form1->grid2), rows(fm->Grid1));
    EXPECT_EQ(fm->Grid1->RowTexts(3).mid(0, 6),
              (QStringList{"010004", Form1->CoList->Items().at(3), "10/10/1998", "09/09/1998", "Area1", "Prospect"}));
    EXPECT_TRUE(DataCatalogue::openDataSets(fm).isEmpty());
}

TEST_F(CustListTest, StatusWithoutOwnerIsRefused)
{
    TCustListFm *fm = list();
    ASSERT_TRUE(fm);
    pick(fm->StatusList, "Prospect");
    EXPECT_EQ(refusals(), 1);
    EXPECT_EQ(Dialogs::shown().last().type, Dialogs::MsgType::mtError);
    EXPECT_EQ(fm->StatusList->Text(), "");
    EXPECT_EQ(fm->StatusList->ItemIndex(), -1);
    EXPECT_TRUE(Unit1::StatusFilter.isEmpty());
    EXPECT_EQ(fm->Grid1->RowCount(), 20);
    EXPECT_EQ(fm->NextDateLbl->Color(), Tk::TColor::clSilver);

    // Typed, the status is refused at its first letter.
    Dialogs::clearShown();
    typeInto(fm->StatusList, "Cust");
    EXPECT_EQ(refusals(), 4);
    EXPECT_EQ(fm->StatusList->Text(), "");
    EXPECT_EQ(fm->NumAccs->Caption(), "20");
}

TEST_F(CustListTest, OwnerAndStatusNarrowTheListAndOpenTheNextDateOrder)
{
    TCustListFm *fm = list();
    ASSERT_TRUE(fm);
    pick(fm->OwnerCombo, "Area2");
    EXPECT_EQ(fm->NumAccs->Caption(), "10");
    EXPECT_EQ(fm->NextDateLbl->Color(), Tk::TColor::clSilver);
    click(fm->NextDateLbl);
    EXPECT_EQ(fm->SortOrder->ItemIndex(), 0) << "the next date order needs a status too";

    pick(fm->StatusList, "Prospect");
    EXPECT_EQ(column(fm->Grid1, 0), (QStringList{"010003", "010009", "010017"}));
    EXPECT_EQ(fm->NumAccs->Caption(), "3");
    EXPECT_EQ(fm->NextDateLbl->Color(), Tk::TColor::clFuchsia);
    EXPECT_EQ(rows(Form1->grid2), rows(fm->Grid1));
    EXPECT_EQ(Form1->grid2->RowCount(), 3);

    click(fm->NextDateLbl);
    EXPECT_EQ(column(fm->Grid1, 2), (QStringList{"05/06/1998", "09/10/1998", "11/12/1998"}));
    EXPECT_EQ(column(fm->Grid1, 0), (QStringList{"010003", "010017", "010009"}));
    EXPECT_EQ(fm->NextDateLbl->Color(), Tk::TColor::clAqua);
    EXPECT_EQ(fm->AccountLbl->Color(), Tk::TColor::clFuchsia);
    EXPECT_EQ(fm->NameLbl->Color(), Tk::TColor::clFuchsia);
    EXPECT_TRUE(fm->TodaysCalls->Enabled());
    EXPECT_EQ(fm->Position->EditMask(), Unit1::DateEditMask);
    EXPECT_EQ(Unit1::ListSortOrder, 2);
    EXPECT_EQ(rows(Form1->grid2), rows(fm->Grid1));

    // Emptying the owner refuses the status and goes back to account order.
    erase(fm->OwnerCombo);
    EXPECT_EQ(refusals(), 1);
    EXPECT_EQ(fm->StatusList->Text(), "");
    EXPECT_EQ(fm->SortOrder->ItemIndex(), 0);
    EXPECT_EQ(Unit1::ListSortOrder, 0);
    EXPECT_EQ(fm->NextDateLbl->Color(), Tk::TColor::clSilver);
    EXPECT_EQ(fm->AccountLbl->Color(), Tk::TColor::clAqua);
    EXPECT_FALSE(fm->TodaysCalls->Enabled());
    EXPECT_FALSE(fm->Position->IsMasked());
    EXPECT_EQ(fm->Grid1->RowCount(), 20);
    EXPECT_EQ(fm->Grid1->Cell(0, 0), "010001");
}

TEST_F(CustListTest, EachRowOfTheNextDateOrderShowsItsOwnAccount)
{
    TCustListFm *fm = list();
    ASSERT_TRUE(fm);
    pick(fm->OwnerCombo, "Area1");
    pick(fm->StatusList, "Customer");
    click(fm->NextDateLbl);
    EXPECT_EQ(column(fm->Grid1, 0), (QStringList{"010001", "010006", "010011", "010018"}));
    EXPECT_EQ(column(fm->Grid1, 2), (QStringList{"01/02/1998", "08/04/1998", "10/06/1998", "10/10/1998"}));
    for (int r = 0; r < 4; ++r) {
        const int account = fm->rowAccounts().at(r);
        EXPECT_EQ(fm->Grid1->RowTexts(r).mid(0, 6),
                  (QStringList{Form1->AcList->Items().at(account), Form1->CoList->Items().at(account),
                               Form1->nextlist->Items().at(account), Form1->lastlist->Items().at(account), "Area1",
                               "Customer"}));
    }

    // Every next date of 1998 lies before today: the call list keeps them all.
    QTest::mouseClick(fm->TodaysCalls, Qt::LeftButton, {}, QPoint(6, fm->TodaysCalls->height() / 2));
    TestSupport::settle();
    ASSERT_TRUE(fm->TodaysCalls->Checked());
    EXPECT_EQ(fm->NumAccs->Caption(), "4");
    EXPECT_EQ(fm->SortOrder->ItemIndex(), 2);

    // Leaving the next date order unchecks and disables the call list.
    click(fm->NameLbl);
    EXPECT_FALSE(fm->TodaysCalls->Checked());
    EXPECT_FALSE(fm->TodaysCalls->Enabled());
    EXPECT_EQ(fm->NameLbl->Color(), Tk::TColor::clAqua);
    EXPECT_EQ(fm->NextDateLbl->Color(), Tk::TColor::clFuchsia);
}

TEST_F(CustListTest, FiltersMatchingNothingLeaveOneEmptyRow)
{
    TCustListFm *fm = list();
    ASSERT_TRUE(fm);
    // Overlong, lower case, non-ASCII: owners of no account.
    for (const QString &owner : {QStringLiteral("area1"), QStringLiteral("\u00c4rea1 \u65e5\u672c"),
                                 QStringLiteral("Area1Area1Area1Area1Area1Area1")}) {
        SCOPED_TRACE(owner.toStdString());
        typeInto(fm->OwnerCombo, owner);
        EXPECT_LE(fm->OwnerCombo->Text().size(), 20);
        EXPECT_EQ(fm->NumAccs->Caption(), "0");
        EXPECT_EQ(fm->Grid1->RowCount(), 1);
        EXPECT_EQ(fm->Grid1->RowTexts(0).join(QString()), "");
        EXPECT_EQ(rows(Form1->grid2), rows(fm->Grid1));
    }
    EXPECT_TRUE(Dialogs::shown().isEmpty());
    // Asking for the detail of the empty row does not invent an account.
    doubleClickRow(fm->Grid1, 0);
    EXPECT_EQ(wizard()->Page(), 2);
    auto *detail = screen<TCustDtlFm>();
    ASSERT_TRUE(detail);
    EXPECT_GE(detail->shownAccount(), 0);
    EXPECT_LE(detail->shownAccount(), 19);
}

TEST_F(CustListTest, PositionToSelectsTheRowAtBothEnds)
{
    TCustListFm *fm = list();
    ASSERT_TRUE(fm);
    click(fm->NameLbl);
    ASSERT_EQ(fm->SortOrder->ItemIndex(), 1);
    const QStringList names = column(fm->Grid1, 1);

    positionTo(fm, "0");
    EXPECT_EQ(fm->Grid1->Row(), 0);
    EXPECT_EQ(fm->Position->Text(), "");
    positionTo(fm, "zzzz");
    EXPECT_EQ(fm->Grid1->Row(), 19);
    EXPECT_EQ(fm->Position->Text(), "");
    // The box takes 15 characters; a name cut there sorts before the name.
    for (int row : {7, 11}) {
        SCOPED_TRACE(row);
        const int expected = names.at(row).size() > 15 ? row - 1 : row;
        positionTo(fm, names.at(row));
        EXPECT_EQ(fm->Grid1->Row(), expected);
        EXPECT_EQ(fm->PositionText, names.at(row).left(15));
        positionTo(fm, names.at(row).toLower());
        EXPECT_EQ(fm->Grid1->Row(), expected) << "letter case counts no more than in the sort";
    }

    // In account order a number positions to its account.
    click(fm->AccountLbl);
    positionTo(fm, "010013");
    EXPECT_EQ(fm->Grid1->Cell(0, fm->Grid1->Row()), "010013");
}

TEST_F(CustListTest, PositionToTakesADateInTheNextDateOrder)
{
    TCustListFm *fm = list();
    ASSERT_TRUE(fm);
    pick(fm->OwnerCombo, "Area1");
    pick(fm->StatusList, "Customer");
    click(fm->NextDateLbl);
    ASSERT_TRUE(fm->Position->IsMasked());

    positionTo(fm, "10061998");
    EXPECT_EQ(fm->Grid1->Cell(2, fm->Grid1->Row()), "10/06/1998");
    EXPECT_EQ(fm->Position->Text(), Unit1::BlankDateText);

    // A day that does not exist still positions among the date texts.
    positionTo(fm, "31021998");
    EXPECT_EQ(fm->Grid1->Row(), 3);

    // A date typed in part keeps the focus and says why; nothing is rebuilt.
    Dialogs::clearShown();
    positionTo(fm, "0804");
    ASSERT_EQ(Dialogs::shown().size(), 1);
    EXPECT_EQ(Dialogs::shown().at(0).text, QString::fromLatin1(TMaskEdit::invalidInputMessage));
    EXPECT_TRUE(fm->Position->hasFocus());
    // A pending text keeps the detail from opening.
    fm->DetailBtnClick(fm);
    TestSupport::settle();
    EXPECT_EQ(wizard()->Page(), 1);
    QTest::keyClicks(fm->Position, "1998");
    fm->Grid1->setFocus();
    TestSupport::settle();
    EXPECT_EQ(fm->Grid1->Cell(2, fm->Grid1->Row()), "08/04/1998");
    EXPECT_EQ(fm->Grid1->Cell(0, fm->Grid1->Row()), "010006");
}

TEST_F(CustListTest, FiltersComeBackOnTheNextVisit)
{
    TCustListFm *fm = list();
    ASSERT_TRUE(fm);
    pick(fm->OwnerCombo, "Area1");
    click(fm->NameLbl);
    gotoPage(0);
    EXPECT_FALSE(screen<TCustListFm>());
    fm = list();
    ASSERT_TRUE(fm);
    EXPECT_EQ(fm->OwnerCombo->Text(), "Area1");
    EXPECT_EQ(fm->NumAccs->Caption(), "10");
    EXPECT_EQ(fm->SortOrder->ItemIndex(), 0) << "each visit starts in account order";
    EXPECT_EQ(column(fm->Grid1, 0),
              (QStringList{"010001", "010004", "010006", "010007", "010010", "010011", "010013", "010015", "010018",
                           "010019"}));
}

TEST_F(CustListTest, DoubleClickOnTheFourthRowShowsItsAccount)
{
    TCustListFm *fm = list();
    ASSERT_TRUE(fm);
    doubleClickRow(fm->Grid1, 3);
    EXPECT_EQ(Unit1::CurrentAccount, 3);
    EXPECT_EQ(wizard()->Page(), 2);
    EXPECT_FALSE(screen<TCustListFm>()) << "the list is freed when its page is left";
    auto *detail = screen<TCustDtlFm>();
    ASSERT_TRUE(detail);
    EXPECT_EQ(Form1->grid2->Row(), 3);
    EXPECT_EQ(detail->Acc->Caption(), "010004");
    EXPECT_EQ(Screen::Cursor(), Tk::TCursor::crDefault);
}

TEST_F(CustListTest, MenuActions)
{
    TCustListFm *fm = list();
    ASSERT_TRUE(fm);
    auto item = [&](const char *name) {
        auto *i = qobject_cast<TMenuItem *>(fm->findComponent(QString::fromLatin1(name)));
        EXPECT_TRUE(i) << name;
        return i;
    };
    // "Select" runs a batch move without datasets: the standard error box.
    item("Select1")->Click();
    TestSupport::settle();
    ASSERT_EQ(Dialogs::shown().size(), 1);
    EXPECT_TRUE(Dialogs::shown().at(0).text.startsWith(QStringLiteral("Invalid batch move parameters")));
    EXPECT_EQ(fm->Cursor(), Tk::TCursor::crDefault);
    EXPECT_TRUE(DataCatalogue::openDataSets(fm).isEmpty());

    // "Reset User" asks and does nothing either way.
    Dialogs::clearShown();
    item("ResetUser1")->Click();
    ASSERT_EQ(Dialogs::shown().size(), 1);
    EXPECT_EQ(Dialogs::shown().at(0).text, "Clear user ?");
    EXPECT_EQ(Dialogs::shown().at(0).type, Dialogs::MsgType::mtConfirmation);
    EXPECT_EQ(fm->Grid1->RowCount(), 20);

    // A double click on the dot shows or hides the label beside it.
    const bool shown = fm->Label1->Visible();
    fm->ProcessDblClick(fm);
    EXPECT_NE(fm->Label1->Visible(), shown);

    // "Print" puts the screen on one page.
    Dialogs::clearShown();
    EXPECT_EQ(printedPages(fm, "Print1"), 1);
    EXPECT_TRUE(Dialogs::shown().isEmpty());

    // "Detail" opens the account of the selected row.
    fm->Grid1->SetRow(5);
    item("Detail1")->Click();
    TestSupport::settle();
    EXPECT_EQ(wizard()->Page(), 2);
    ASSERT_TRUE(screen<TCustDtlFm>());
    EXPECT_EQ(screen<TCustDtlFm>()->Acc->Caption(), "010006");
}

TEST_F(CustListTest, ToolbarButtonsAndHeadingsLeaveTheFocusWhereItIs)
{
    TCustListFm *fm = list();
    ASSERT_TRUE(fm);
    ASSERT_TRUE(TestSupport::showActive(Form1));
    fm->Position->setFocus();
    QTest::keyClicks(fm->Position, "M");
    // A click on a button without an action, then on a heading: the search
    // text stays pending in the box, which keeps the focus.
    auto *owner = fm->findChild<QWidget *>(QStringLiteral("SpeedButton4"));
    ASSERT_TRUE(owner);
    QTest::mouseClick(owner, Qt::LeftButton, {}, owner->rect().center());
    TestSupport::settle();
    EXPECT_EQ(QApplication::focusWidget(), fm->Position);
    click(fm->findChild<TPanel *>(QStringLiteral("LastDateLbl")));
    EXPECT_EQ(QApplication::focusWidget(), fm->Position);
    EXPECT_EQ(fm->Position->Text(), "M");
    // "Edit" then stops, as a pending search text asks.
    auto *edit = fm->findChild<QWidget *>(QStringLiteral("SpeedButton1"));
    QTest::mouseClick(edit, Qt::LeftButton, {}, edit->rect().center());
    TestSupport::settle();
    EXPECT_EQ(wizard()->Page(), 1);
    // The arrow keys stay with the box instead of turning the page.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_EQ(wizard()->Page(), 1);
}
