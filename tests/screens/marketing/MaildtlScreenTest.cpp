// The campaign activity screen in the running tour: the date and plan shown
// at creation, including and excluding contact types against the contact
// type table, the letter and e-mail switch with its attachment, and the
// datasets it declares without opening them.

#include "tests/support/TourFixture.h"

#include "data/DataCatalogue.h"
#include "screens/marketing/ContactTypes.h"
#include "screens/marketing/Maildtl.h"
#include "screens/marketing/MaskedDate.h"
#include "toolkit/Dialogs.h"
#include "toolkit/TBitBtn.h"
#include "toolkit/TListBox.h"
#include "toolkit/TMaskEdit.h"
#include "toolkit/TOpenDialog.h"
#include "toolkit/TRadioGroup.h"
#include "toolkit/TSpeedButton.h"
#include "toolkit/TStringGrid.h"
#include "tour/TourState.h"

#include <QTest>

namespace {

constexpr int CampaignPage = 7;
const QString noLine = QStringLiteral("Line must be selected first");

class MaildtlScreen : public TourFixture
{
protected:
    void SetUp() override
    {
        Maildtl::resetContTypeTable();
        TourFixture::SetUp();
        openScreen();
    }
    void TearDown() override
    {
        TOpenDialog::setResponder([](TOpenDialog &) { return false; });
        TourFixture::TearDown();
        Maildtl::resetContTypeTable();
    }

    void openScreen()
    {
        gotoPage(CampaignPage);
        campaign = screen<TMailDtlFm>();
        ASSERT_NE(campaign, nullptr);
        Dialogs::clearShown();
    }

    static QStringList items(const TListBox *list) { return list->Items(); }
    int flagOf(const QString &name) const
    {
        for (const Maildtl::ContType &t : Maildtl::ContTypeTable) {
            if (t.Name == name)
                return t.Included;
        }
        return -1;
    }

    TMailDtlFm *campaign = nullptr;
};

} // namespace

TEST_F(MaildtlScreen, ShowsTodayAndTheSamplePlan)
{
    EXPECT_EQ(campaign->Caption(), QStringLiteral("Campaign Entry"));
    EXPECT_EQ(campaign->Date1->EditMask(), Unit1::DateEditMask);
    EXPECT_EQ(campaign->Date1->Text(), MaskedDate::textFor(QDate::currentDate()));
    EXPECT_TRUE(campaign->Date1->IsValid());

    const auto date = [](const char *d, const char *m, const char *y) {
        return Unit1::SampleDateText(QString::fromLatin1(d), QString::fromLatin1(m), QString::fromLatin1(y));
    };
    TStringGrid *grid = campaign->Grid1;
    EXPECT_EQ(grid->RowTexts(0), QStringList({"Line", "Send Date", "Call back", "Number", "Date Sent"}));
    EXPECT_EQ(grid->RowTexts(1), QStringList({"1", date("01", "05", "1998"), date("07", "05", "1998"), "50",
                                              date("01", "05", "1998")}));
    EXPECT_EQ(grid->RowTexts(2), QStringList({"2", date("02", "05", "1998"), date("08", "05", "1998"), "50", ""}));
    EXPECT_EQ(grid->RowTexts(3), QStringList({"3", date("03", "05", "1998"), date("09", "05", "1998"), "50", ""}));
    EXPECT_EQ(grid->RowTexts(4), QStringList({"", "", "", "", ""}));
    EXPECT_TRUE(items(campaign->List1).isEmpty());
    EXPECT_FALSE(campaign->EMailAttach->Visible());
}

TEST_F(MaildtlScreen, TableStartsWithTheOfferedContactTypes)
{
    EXPECT_EQ(Maildtl::startingContactTypes(), items(campaign->List2));
    for (int i = 0; i < Maildtl::ContTypeCount; ++i) {
        const Maildtl::ContType &t = Maildtl::ContTypeTable[i];
        EXPECT_EQ(t.Included, 0) << i;
        EXPECT_EQ(t.Name.isEmpty(), i >= 4) << i;
    }
}

TEST_F(MaildtlScreen, NothingSelectedSaysSo)
{
    QTest::mouseClick(campaign->ExcBtn, Qt::LeftButton);
    campaign->List2->SetItemIndex(-1);
    QTest::mouseClick(campaign->IncBtn, Qt::LeftButton);
    ASSERT_EQ(Dialogs::shown().size(), 2);
    for (const Dialogs::Request &r : Dialogs::shown()) {
        EXPECT_EQ(r.text, noLine);
        EXPECT_EQ(r.type, Dialogs::MsgType::mtError);
        EXPECT_EQ(r.buttons, Dialogs::MsgButtons(Dialogs::MsgButton::mbOK));
    }
    EXPECT_TRUE(items(campaign->List1).isEmpty());
    EXPECT_EQ(items(campaign->List2).size(), 4);
}

TEST_F(MaildtlScreen, IncludeAndExcludeMoveTypesAndFlags)
{
    TListBox *chosen = campaign->List1;
    TListBox *available = campaign->List2;
    available->SetItemIndex(1);
    QTest::mouseClick(campaign->IncBtn, Qt::LeftButton);
    EXPECT_EQ(items(chosen), QStringList({"Manager"}));
    EXPECT_EQ(items(available), QStringList({"Primary contact", "Managing Director", "Supervisor"}));
    EXPECT_EQ(flagOf("Manager"), 1);

    // A double click on an available type includes it too, at the end; its
    // first click selects the line.
    const QPoint supervisor = available->ItemRect(2).center();
    QTest::mouseClick(available->viewport(), Qt::LeftButton, {}, supervisor);
    QTest::mouseDClick(available->viewport(), Qt::LeftButton, {}, supervisor);
    EXPECT_EQ(items(chosen), QStringList({"Manager", "Supervisor"}));
    EXPECT_EQ(flagOf("Supervisor"), 1);

    chosen->SetItemIndex(0);
    QTest::mouseClick(campaign->ExcBtn, Qt::LeftButton);
    EXPECT_EQ(items(chosen), QStringList({"Supervisor"}));
    EXPECT_EQ(items(available), QStringList({"Primary contact", "Managing Director", "Manager"}));
    EXPECT_EQ(flagOf("Manager"), 0);

    const QPoint chosenLine = chosen->ItemRect(0).center();
    QTest::mouseClick(chosen->viewport(), Qt::LeftButton, {}, chosenLine);
    QTest::mouseDClick(chosen->viewport(), Qt::LeftButton, {}, chosenLine);
    EXPECT_TRUE(items(chosen).isEmpty());
    EXPECT_EQ(flagOf("Supervisor"), 0);
    EXPECT_TRUE(Dialogs::shown().isEmpty());
}

TEST_F(MaildtlScreen, TypesTheTableDoesNotHoldStayWhereTheyAre)
{
    // A second "Manager" finds no available entry once the first is chosen.
    campaign->List2->AddItem(QStringLiteral("Manager"));
    campaign->List2->SetItemIndex(1);
    QTest::mouseClick(campaign->IncBtn, Qt::LeftButton);
    campaign->List2->SetItemIndex(campaign->List2->Count() - 1);
    QTest::mouseClick(campaign->IncBtn, Qt::LeftButton);
    EXPECT_EQ(items(campaign->List1), QStringList({"Manager"}));
    EXPECT_EQ(items(campaign->List2).last(), QStringLiteral("Manager"));

    // Letter case counts, and an emptied table matches nothing.
    campaign->List2->AddItem(QStringLiteral("supervisor"));
    campaign->List2->SetItemIndex(campaign->List2->Count() - 1);
    QTest::mouseClick(campaign->IncBtn, Qt::LeftButton);
    EXPECT_EQ(items(campaign->List1).size(), 1);
    Maildtl::ContTypeTable = Maildtl::ContTypes {};
    campaign->List2->SetItemIndex(0);
    QTest::mouseClick(campaign->IncBtn, Qt::LeftButton);
    campaign->List1->SetItemIndex(0);
    QTest::mouseClick(campaign->ExcBtn, Qt::LeftButton);
    EXPECT_EQ(items(campaign->List1), QStringList({"Manager"}));
    EXPECT_EQ(items(campaign->List2).size(), 5);
    EXPECT_TRUE(Dialogs::shown().isEmpty());
}

TEST_F(MaildtlScreen, ChosenTypesAreShownAgainOnTheNextVisit)
{
    campaign->List2->SetItemIndex(2);
    QTest::mouseClick(campaign->IncBtn, Qt::LeftButton);
    gotoPage(CampaignPage + 1);
    EXPECT_EQ(screen<TMailDtlFm>(), nullptr);
    openScreen();
    EXPECT_EQ(items(campaign->List1), QStringList({"Managing Director"}));
    EXPECT_EQ(items(campaign->List2), QStringList({"Primary contact", "Manager", "Supervisor"}));
    // ... and can be excluded again.
    campaign->List1->SetItemIndex(0);
    QTest::mouseClick(campaign->ExcBtn, Qt::LeftButton);
    EXPECT_TRUE(items(campaign->List1).isEmpty());
    EXPECT_EQ(flagOf("Managing Director"), 0);
}

TEST_F(MaildtlScreen, EMailAttachmentFollowsTheLetterSwitch)
{
    TSpeedButton *attach = campaign->EMailAttach;
    const QString base = QStringLiteral("EMail attachment");
    EXPECT_EQ(campaign->baseHint(), base);
    EXPECT_TRUE(attach->ShowHint());

    campaign->RadioGroup1->SetItemIndex(1);
    EXPECT_TRUE(attach->Visible());
    EXPECT_EQ(attach->Hint(), base);

    const QString path = QStringLiteral("/home/visitor/letters/new range.txt");
    TOpenDialog::setResponder([&](TOpenDialog &d) {
        d.SetFileName(path);
        return true;
    });
    QTest::mouseClick(attach, Qt::LeftButton);
    EXPECT_EQ(attach->Hint(), base + QStringLiteral(": ") + path);
    EXPECT_EQ(campaign->attachment(), path);

    // A cancelled dialog brings the plain hint back and keeps the file.
    TOpenDialog::setResponder([](TOpenDialog &) { return false; });
    QTest::mouseClick(attach, Qt::LeftButton);
    EXPECT_EQ(attach->Hint(), base);
    EXPECT_EQ(campaign->attachment(), path);

    campaign->RadioGroup1->SetItemIndex(0);
    EXPECT_FALSE(attach->Visible());
    EXPECT_TRUE(campaign->attachment().isEmpty());
    campaign->RadioGroup1->SetItemIndex(1);
    EXPECT_EQ(attach->Hint(), base);
    EXPECT_TRUE(campaign->attachment().isEmpty());
}

TEST_F(MaildtlScreen, DeclaresItsTablesAndOpensNone)
{
    struct Row {
        const char *name;
        const char *table;
        const char *index;
    };
    const Row rows[] = {
        {"MailAct", "MALACT01.DB", ""},    {"MailDtl", "MALDTL01", "Reference;Posn;Line"},
        {"MailAcc", "MALACC01", "REFERENCE;POSN;LINE"}, {"LetFile", "LETFILE", "PATH"},
        {"Reports", "REPORTS", "CODE;DESCRIPTION"},    {"ContTp", "conttp", ""},
        {"MailCont", "malcon01.db", ""},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        const auto e = DataCatalogue::find(campaign, QString::fromLatin1(r.name));
        ASSERT_TRUE(e.has_value());
        EXPECT_EQ(e->kind, DataCatalogue::Kind::Table);
        EXPECT_EQ(e->database, QStringLiteral("Holvintele"));
        EXPECT_EQ(e->table, QString::fromLatin1(r.table));
        EXPECT_EQ(e->indexFields.join(';'), QString::fromLatin1(r.index));
        EXPECT_EQ(e->dataSources.size(), 1);
    }
    const auto detail = DataCatalogue::find(campaign, u"MailDtl");
    EXPECT_EQ(detail->masterSource, QStringLiteral("DataSource1"));
    EXPECT_EQ(detail->masterFields, QStringList({"Reference", "Posn"}));
    EXPECT_TRUE(DataCatalogue::openDataSets(campaign).isEmpty());
}
