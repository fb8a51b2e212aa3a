// Mouse input goes through the window, as a real press does.
#define QTEST_QPA_MOUSE_HANDLING

#include "data/DataCatalogue.h"
#include "screens/marketing/Query.h"
#include "screens/marketing/Query2.h"
#include "tests/support/TourFixture.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Printing.h"
#include "toolkit/TButton.h"
#include "toolkit/TCheckBox.h"
#include "toolkit/TComboBox.h"
#include "toolkit/TEdit.h"
#include "toolkit/TLabel.h"
#include "toolkit/TMenuItem.h"
#include "toolkit/TRadioGroup.h"
#include "toolkit/TTabbedNotebook.h"

#include <QFileInfo>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

namespace {

template<typename T>
T *part(const TForm *form, const char *name)
{
    return TestSupport::component<T>(form, name);
}

// A control by name, whatever widget class it is.
Control *control(const TForm *form, const char *name)
{
    Control *c = Control::from(form->findComponent(QString::fromLatin1(name)));
    EXPECT_NE(c, nullptr) << name;
    return c;
}

// Picks `item` of a drop-down list with the keyboard, as a user does: each
// arrow key moves one item and reports the change.
void pickWithKeys(TComboBox *combo, int item)
{
    while (combo->ItemIndex() < item)
        QTest::keyClick(combo, Qt::Key_Down);
    while (combo->ItemIndex() > item)
        QTest::keyClick(combo, Qt::Key_Up);
    ASSERT_EQ(combo->ItemIndex(), item);
}

} // namespace

class QueryFmTest : public TourFixture
{
protected:
    void SetUp() override
    {
        TourFixture::SetUp();
        gotoPage(8);
        screen_ = screen<TQueryFm>();
        ASSERT_NE(screen_, nullptr);
        Dialogs::clearShown();
    }

    QPointer<TQueryFm> screen_;
};

TEST_F(QueryFmTest, ShowsTheKindsOfQueryWithTheFirstChosen)
{
    EXPECT_EQ(screen_->Caption(), QStringLiteral("Account Selection Queries"));
    EXPECT_EQ(screen_->HelpContext(), 38);
    auto *kinds = part<TRadioGroup>(screen_, "RadioGroup1");
    EXPECT_EQ(kinds->Caption(), QStringLiteral("Query By :"));
    EXPECT_EQ(kinds->Items(), QStringList({"Main Account details only", "Stock held by manufacturer", "Stock held by product",
                                           "Marketing campaign", "Analysis details", "Sales value",
                                           "Sales by Product Group", "Sales by Product"}));
    EXPECT_EQ(kinds->ItemIndex(), 0);
    EXPECT_EQ(part<TLabel>(screen_, "Label2")->Caption(), QStringLiteral("Campaign 3/98"));
    QStringList menu;
    for (const char *name : {"Print1", "List1", "Clear1", "Query1", "Savelist1", "Close1"})
        menu << part<TMenuItem>(screen_, name)->Caption();
    EXPECT_EQ(menu, QStringList({"Print", "List", "Clear", "Query", "Save list", "Close"}));
}

TEST_F(QueryFmTest, MenuQueryLeadsToTheBuilderWhateverKindIsChosen)
{
    for (int kind : {0, 3, 7}) {
        SCOPED_TRACE(kind);
        if (!screen_) {
            gotoPage(8);
            screen_ = screen<TQueryFm>();
            ASSERT_NE(screen_, nullptr);
        }
        part<TRadioGroup>(screen_, "RadioGroup1")->SetItemIndex(kind);
        part<TMenuItem>(screen_, "Query1")->Click();
        TestSupport::settle();
        EXPECT_EQ(wizard()->Page(), 9);
        EXPECT_TRUE(screen_.isNull()) << "the selection screen is freed with its page";
        EXPECT_NE(screen<TQuery2Fm>(), nullptr);
    }
    EXPECT_TRUE(Dialogs::shown().isEmpty());
}

TEST_F(QueryFmTest, ButtonsAndOtherMenuItemsLeaveTheScreenAsItIs)
{
    auto *kinds = part<TRadioGroup>(screen_, "RadioGroup1");
    kinds->SetItemIndex(5);
    for (const char *name : {"ListBtn", "ClearBtn", "QryBtnLbl", "SaveBtn", "CloseBtn"}) {
        SCOPED_TRACE(name);
        QTest::mouseClick(part<TButton>(screen_, name), Qt::LeftButton);
        TestSupport::settle();
        ASSERT_FALSE(screen_.isNull());
    }
    for (const char *name : {"List1", "Clear1", "Savelist1", "Close1"}) {
        SCOPED_TRACE(name);
        part<TMenuItem>(screen_, name)->Click();
        TestSupport::settle();
        ASSERT_FALSE(screen_.isNull());
    }
    EXPECT_EQ(wizard()->Page(), 8);
    EXPECT_EQ(kinds->ItemIndex(), 5);
    EXPECT_TRUE(screen_->Enabled());
    EXPECT_TRUE(Dialogs::shown().isEmpty());
}

TEST_F(QueryFmTest, DeclaresItsDatasetsAndOpensNone)
{
    using Entry = DataCatalogue::Entry;
    const struct {
        const char *name;
        const char *alias;
        const char *table;
        QStringList index;
    } rows[] = {
        {"Telrcm", "HolvinteleLocal", "TELRCM.DB", {}},
        {"MailAcc", "Holvintele", "MALACC01", {"ACCOUNT", "REFERENCE", "POSN", "CONTACT"}},
        {"Telrcm1", "Holvintele", "TELRCM01.DB", {"Account"}},
        {"RptTmp", "HolvinteleLocal", "RptTmp2.db", {}},
        {"RptDtl", "Holvintele", "RptDtl", {}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const std::optional<Entry> e = DataCatalogue::find(screen_, QString::fromLatin1(row.name));
        ASSERT_TRUE(e.has_value());
        EXPECT_EQ(e->kind, DataCatalogue::Kind::Table);
        EXPECT_EQ(e->alias, QString::fromLatin1(row.alias));
        EXPECT_EQ(e->table, QString::fromLatin1(row.table));
        EXPECT_EQ(e->indexFields, row.index);
        EXPECT_EQ(e->dataSources.size(), 1);
    }
    EXPECT_TRUE(DataCatalogue::openDataSets(screen_).isEmpty());
}

class Query2FmTest : public TourFixture
{
protected:
    void SetUp() override
    {
        TourFixture::SetUp();
        gotoPage(9);
        screen_ = screen<TQuery2Fm>();
        ASSERT_NE(screen_, nullptr);
        Dialogs::clearShown();
    }

    bool shown(const char *name) const { return control(screen_, name)->Visible(); }

    QPointer<TQuery2Fm> screen_;
};

TEST_F(Query2FmTest, RangeFieldsShowOnlyForRangeAndOnlyInTheirOwnBox)
{
    part<TTabbedNotebook>(screen_, "TabbedNotebook1")->SetPageIndex(1);
    auto *thisYear = part<TComboBox>(screen_, "Op01");
    auto *lastYear = part<TComboBox>(screen_, "op02");
    EXPECT_EQ(thisYear->Items(), QStringList({"Equal to", "Greater than", "Less than", "Range"}));
    EXPECT_EQ(thisYear->ItemIndex(), -1);
    EXPECT_FALSE(shown("D01"));
    EXPECT_FALSE(shown("T01"));

    const struct {
        const char *step;
        TComboBox *combo;
        int item;
        bool thisYearRange;
        bool lastYearRange;
    } rows[] = {
        {"this year equal to", thisYear, 0, false, false},
        {"this year range", thisYear, 3, true, false},
        {"last year range", lastYear, 3, true, true},
        {"this year less than", thisYear, 2, false, true},
        {"last year greater than", lastYear, 1, false, false},
        {"this year range again", thisYear, 3, true, false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.step);
        pickWithKeys(row.combo, row.item);
        EXPECT_EQ(shown("D01"), row.thisYearRange);
        EXPECT_EQ(shown("T01"), row.thisYearRange);
        EXPECT_EQ(shown("d02"), row.lastYearRange);
        EXPECT_EQ(shown("t02"), row.lastYearRange);
        EXPECT_TRUE(shown("F01"));
        EXPECT_TRUE(shown("f02"));
    }
}

TEST_F(Query2FmTest, YesAndNoAreNeverBothChecked)
{
    auto *yes = part<TCheckBox>(screen_, "LetYes");
    auto *no = part<TCheckBox>(screen_, "LetNo");
    EXPECT_FALSE(yes->Checked());
    EXPECT_FALSE(no->Checked());
    const struct {
        const char *click;
        TCheckBox *box;
        bool yesAfter;
        bool noAfter;
    } rows[] = {
        {"No", no, false, true},
        {"Yes over No", yes, true, false},
        {"Yes again clears it", yes, false, false},
        {"Yes", yes, true, false},
        {"No over Yes", no, false, true},
        {"No again clears it", no, false, false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.click);
        QTest::mouseClick(row.box, Qt::LeftButton);
        EXPECT_EQ(yes->Checked(), row.yesAfter);
        EXPECT_EQ(no->Checked(), row.noAfter);
    }
    // The space key clicks a box as the mouse does.
    QTest::mouseClick(yes, Qt::LeftButton);
    QTest::keyClick(no, Qt::Key_Space);
    EXPECT_FALSE(yes->Checked());
    EXPECT_TRUE(no->Checked());
}

TEST_F(Query2FmTest, OkCloseAndMenuItemsKeepTheSelections)
{
    auto *company = part<TEdit>(screen_, "Cpy");
    QTest::keyClicks(company, QStringLiteral("Kestlebury Engineering and a name far too long"));
    EXPECT_EQ(company->Text(), QStringLiteral("Kestlebury Engineering and a n")) << "at most 30 characters";
    QTest::mouseClick(part<TCheckBox>(screen_, "LetYes"), Qt::LeftButton);
    QTest::mouseClick(part<TButton>(screen_, "OkBtn"), Qt::LeftButton);
    QTest::mouseClick(part<TButton>(screen_, "CloseBtn"), Qt::LeftButton);
    part<TMenuItem>(screen_, "OK1")->Click();
    part<TMenuItem>(screen_, "Cancel1")->Click();
    TestSupport::settle();
    ASSERT_FALSE(screen_.isNull());
    EXPECT_EQ(wizard()->Page(), 9);
    EXPECT_EQ(company->Text(), QStringLiteral("Kestlebury Engineering and a n"));
    EXPECT_TRUE(part<TCheckBox>(screen_, "LetYes")->Checked());
    EXPECT_EQ(part<TLabel>(screen_, "Total")->Caption(), QStringLiteral("0"));
    EXPECT_TRUE(Dialogs::shown().isEmpty());
    for (const char *name : {"ErrMsg1", "ErrMsg2", "ErrMsg3", "ErrMsg4", "ErrMsg5"})
        EXPECT_FALSE(shown(name)) << name;
}

TEST_F(Query2FmTest, PrintSendsTheScreenToOnePage)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("query.pdf"));
    Printing::simulateNoPrinter(false);
    Printing::setPdfOutput(pdf);
    part<TMenuItem>(screen_, "Print1")->Click();
    Printing::setPdfOutput(QString());
    Printing::simulateNoPrinter(true);
    EXPECT_TRUE(Dialogs::shown().isEmpty());
    EXPECT_GT(QFileInfo(pdf).size(), 0);
}

TEST_F(Query2FmTest, TabsAndPreferredTypesAreLaidOutAsDeclared)
{
    auto *notebook = part<TTabbedNotebook>(screen_, "TabbedNotebook1");
    EXPECT_EQ(notebook->Pages(), QStringList({"Main details", "Account details", "Preferred types", "Objectives"}));
    EXPECT_EQ(notebook->TabsPerRow(), 4);
    for (int k = 1; k <= 10; ++k) {
        SCOPED_TRACE(k);
        const QByteArray n = QByteArray::number(k);
        auto *test = part<TComboBox>(screen_, QByteArray("Test" + n).constData());
        EXPECT_EQ(test->Items(), QStringList({"Is", "IsNot"}));
        EXPECT_EQ(test->Left(), 184);
        EXPECT_EQ(control(screen_, QByteArray("DBText" + n).constData())->Top(), 16 + 24 * (k - 1));
        EXPECT_EQ(control(screen_, QByteArray("CheckBox" + n).constData())->Left(), 261);
    }
}

TEST_F(Query2FmTest, DeclaresItsDatasetsAndOpensNone)
{
    const auto query = DataCatalogue::find(screen_, u"Query1");
    ASSERT_TRUE(query.has_value());
    EXPECT_EQ(query->kind, DataCatalogue::Kind::Query);
    EXPECT_TRUE(query->requestLive);
    EXPECT_TRUE(query->uniDirectional);
    const auto move = DataCatalogue::find(screen_, u"BatchMove1");
    ASSERT_TRUE(move.has_value());
    EXPECT_EQ(move->source, QStringLiteral("Query1"));
    EXPECT_EQ(move->destination, QStringLiteral("Result"));
    EXPECT_FALSE(move->abortOnKeyViol);
    EXPECT_FALSE(move->abortOnProblem);
    const struct {
        const char *name;
        const char *alias;
        const char *table;
    } rows[] = {
        {"Result", "HolvinteleLocal", "TELRCM"},      {"OwnerTbl", "Holvintele", "OWNER"},
        {"UserTable", "HolvinteleLocal", "USER"},     {"Status", "Holvintele", "STATUS"},
        {"TelrcmQ1", "HolvinteleLocal", "TELRCMQ1"},  {"Telrcm", "HolvinteleLocal", "TELRCM.DB"},
        {"rpttmp", "HolvinteleLocal", "RPTTMP2"},     {"Ctrl", "Holvintele", "CTRL01.DB"},
        {"rcmobj", "Holvintele", "RCMOBJ01.DB"},      {"objective", "Holvintele", "OBJECT01.DB"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const auto e = DataCatalogue::find(screen_, QString::fromLatin1(row.name));
        ASSERT_TRUE(e.has_value());
        EXPECT_EQ(e->alias, QString::fromLatin1(row.alias));
        EXPECT_EQ(e->table, QString::fromLatin1(row.table));
        EXPECT_EQ(e->dataSources.size(), 1);
    }
    QStringList expectedBound;
    for (int k = 1; k <= 10; ++k)
        expectedBound << QStringLiteral("DBText%1.PrefT%2").arg(k).arg(k, 2, 10, QLatin1Char('0'));
    EXPECT_EQ(DataCatalogue::find(screen_, u"Ctrl")->boundControls, expectedBound);
    EXPECT_TRUE(DataCatalogue::openDataSets(screen_).isEmpty());
}
