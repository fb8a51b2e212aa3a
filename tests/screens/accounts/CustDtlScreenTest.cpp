// The account detail on page 2: the account handed over by the list under its
// filters and sort order, the fields filled from the sample lists, stepping
// with "Next account", "Save - next account" and "First account".

#include "tests/screens/accounts/AccountsFixture.h"

#include "data/DataCatalogue.h"
#include "data/TDBEdit.h"
#include "screens/accounts/Cust.h"
#include "screens/accounts/Custdtl.h"
#include "toolkit/TComboBox.h"
#include "toolkit/TEdit.h"
#include "toolkit/TLabel.h"
#include "toolkit/TListBox.h"
#include "toolkit/TPanel.h"
#include "toolkit/TRadioButton.h"
#include "toolkit/TSpeedButton.h"
#include "toolkit/TStringGrid.h"

#include <QTest>

namespace {

class CustDtlTest : public AccountsFixture
{
protected:
    TCustListFm *list()
    {
        gotoPage(1);
        return screen<TCustListFm>();
    }
    TCustDtlFm *openRow(TCustListFm *fm, int row)
    {
        doubleClickRow(fm->Grid1, row);
        EXPECT_EQ(wizard()->Page(), 2);
        return screen<TCustDtlFm>();
    }
    static void press(TCustDtlFm *fm, const char *button)
    {
        auto *b = qobject_cast<TSpeedButton *>(fm->findComponent(QString::fromLatin1(button)));
        ASSERT_TRUE(b) << button;
        QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
        TestSupport::settle();
    }
    static QString item(TListBox *list, int account) { return list->Items().at(account); }
    // The fields that follow the account shown.
    static void expectAccount(TCustDtlFm *fm, int a)
    {
        SCOPED_TRACE(a);
        EXPECT_EQ(fm->shownAccount(), a);
        EXPECT_EQ(fm->Acc->Caption(), item(Form1->AcList, a));
        EXPECT_EQ(fm->Company->Text(), item(Form1->CoList, a));
        EXPECT_EQ(fm->Address1->Text(), item(Form1->Add1List, a));
        EXPECT_EQ(fm->Address2->Text(), item(Form1->Add2list, a));
        EXPECT_EQ(fm->Address3->Text(), "");
        EXPECT_EQ(fm->Address4->Text(), "");
        EXPECT_EQ(fm->PostCode->Text(), item(Form1->Pcodelist, a));
        EXPECT_EQ(fm->Country->Text(), "");
        EXPECT_EQ(fm->Telephone->Text(), item(Form1->tellist, a));
        EXPECT_EQ(fm->Fax->Text(), item(Form1->faxlist, a));
        EXPECT_EQ(fm->NextDate->Caption(), item(Form1->nextlist, a));
        EXPECT_EQ(fm->LastDate->Caption(), item(Form1->lastlist, a));
        EXPECT_EQ(fm->StatusDate->Caption(), "03/04/1998");
        EXPECT_EQ(fm->ContList->Items(), QStringList{item(Form1->contlist, a)});
        EXPECT_EQ(fm->ContList->Text(), item(Form1->contlist, a));
        EXPECT_EQ(fm->Sal1->Text(), item(Form1->sallist, a));
    }
};

} // namespace

TEST_F(CustDtlTest, TheFourthRowOpensAccount010004)
{
    TCustListFm *fm = list();
    ASSERT_TRUE(fm);
    TCustDtlFm *dtl = openRow(fm, 3);
    ASSERT_TRUE(dtl);
    expectAccount(dtl, 3);
    EXPECT_EQ(dtl->NextDate->Caption(), "10/10/1998");
    EXPECT_EQ(dtl->LastDate->Caption(), "09/09/1998");
    EXPECT_EQ(dtl->CallTime->Text(), "monthly");
    EXPECT_TRUE(dtl->AddBtn1->Checked());
    EXPECT_TRUE(DataCatalogue::openDataSets(dtl).isEmpty());
}

TEST_F(CustDtlTest, SteppingWalksTheStoredOrderAndStopsAtTheLast)
{
    TCustListFm *fm = list();
    ASSERT_TRUE(fm);
    TCustDtlFm *dtl = openRow(fm, 3);
    ASSERT_TRUE(dtl);
    // What the visitor chose stays while stepping.
    dtl->CallTime->SetItemIndex(0);
    press(dtl, "SpeedNext");
    expectAccount(dtl, 4);
    EXPECT_EQ(dtl->CallTime->Text(), "Weekly");
    press(dtl, "SpeedSaveNext");
    expectAccount(dtl, 5);
    press(dtl, "FirstAccBtn");
    expectAccount(dtl, 0);
    EXPECT_EQ(Unit1::CurrentAccount, 0);
    for (int i = 0; i < 25; ++i)
        press(dtl, i % 2 ? "SpeedNext" : "SpeedSaveNext");
    expectAccount(dtl, 19);
    EXPECT_EQ(Unit1::CurrentAccount, 19);
    // Neither end gives a message; "Previous" and "Last" do nothing.
    press(dtl, "SpeedPrior");
    press(dtl, "LastAccBtn");
    expectAccount(dtl, 19);
    EXPECT_TRUE(Dialogs::shown().isEmpty());
}

TEST_F(CustDtlTest, TheListsFiltersAndOrderFindTheAccount)
{
    // Accounts 010006 (Area1) and 010014 (Area2) share the next date 08/04/1998.
    TCustListFm *fm = list();
    ASSERT_TRUE(fm);
    pick(fm->OwnerCombo, "Area2");
    pick(fm->StatusList, "Customer");
    QTest::mouseClick(fm->NextDateLbl, Qt::LeftButton, {}, fm->NextDateLbl->rect().center());
    TestSupport::settle();
    const int row = column(fm->Grid1, 0).indexOf("010014");
    ASSERT_GE(row, 0);
    TCustDtlFm *dtl = openRow(fm, row);
    ASSERT_TRUE(dtl);
    expectAccount(dtl, 13);
    // "Next account" goes on from the account shown.
    press(dtl, "SpeedNext");
    expectAccount(dtl, 14);
}

TEST_F(CustDtlTest, NameOrderUnderAFilterStepsOnFromTheAccountShown)
{
    TCustListFm *fm = list();
    ASSERT_TRUE(fm);
    pick(fm->OwnerCombo, "Area2");
    QTest::mouseClick(fm->NameLbl, Qt::LeftButton, {}, fm->NameLbl->rect().center());
    TestSupport::settle();
    const QString company = item(Form1->CoList, 4);
    const int row = column(fm->Grid1, 1).indexOf(company);
    ASSERT_GE(row, 0);
    ASSERT_NE(row, 4);
    TCustDtlFm *dtl = openRow(fm, row);
    ASSERT_TRUE(dtl);
    expectAccount(dtl, 4);
    EXPECT_EQ(Unit1::CurrentAccount, 4);
    press(dtl, "SpeedNext");
    expectAccount(dtl, 5);
}

TEST_F(CustDtlTest, TheWizardsNextShowsTheRowLastHandedOver)
{
    TCustListFm *fm = list();
    ASSERT_TRUE(fm);
    TCustDtlFm *dtl = openRow(fm, 7);
    ASSERT_TRUE(dtl);
    press(dtl, "SpeedNext");
    gotoPage(1);
    gotoPage(2);
    dtl = screen<TCustDtlFm>();
    ASSERT_TRUE(dtl);
    expectAccount(dtl, 7);
    press(dtl, "SpeedNext");
    expectAccount(dtl, 8);
}

TEST_F(CustDtlTest, TheCalendarButtonShowsPage4)
{
    TCustListFm *fm = list();
    ASSERT_TRUE(fm);
    TCustDtlFm *dtl = openRow(fm, 0);
    ASSERT_TRUE(dtl);
    press(dtl, "SpeedButton13");
    EXPECT_EQ(wizard()->Page(), 4);
    EXPECT_FALSE(screen<TCustDtlFm>());
}

TEST_F(CustDtlTest, ClosingTheFormFreesIt)
{
    gotoPage(2);
    TCustDtlFm *dtl = screen<TCustDtlFm>();
    ASSERT_TRUE(dtl);
    expectAccount(dtl, 0);
    QPointer<TCustDtlFm> guard(dtl);
    dtl->Close();
    TestSupport::settle();
    EXPECT_FALSE(guard);
}
