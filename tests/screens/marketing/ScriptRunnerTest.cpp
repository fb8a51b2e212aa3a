// Mouse input goes through the window, as a real press does, so that Qt picks
// the receiving widget and the list's viewport sees the press and release.
#define QTEST_QPA_MOUSE_HANDLING

#include "data/DataCatalogue.h"
#include "designer/CheckLB.h"
#include "screens/marketing/ScriptBranching.h"
#include "screens/marketing/scriptR1.h"
#include "tests/support/TourFixture.h"
#include "toolkit/Dialogs.h"
#include "toolkit/TBitBtn.h"
#include "toolkit/TButton.h"
#include "toolkit/TEdit.h"
#include "toolkit/TLabel.h"
#include "toolkit/TMemo.h"

#include <QPointer>
#include <QTest>

#include <algorithm>

using Tk::TCheckBoxState;

TEST(ScriptBranching, NextAndPreviousFollowTheTable)
{
    const struct {
        int question;
        bool yes;
        int next;
        int previous;
    } rows[] = {
        {1, true, 2, 0}, {1, false, 2, 0}, {2, true, 3, 1}, {2, false, 4, 1},
        {3, true, 4, 2}, {3, false, 4, 2}, {4, true, 0, 3}, {4, false, 0, 2},
        {0, true, 0, 0}, {5, false, 0, 0}, {-1, true, 0, 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(testing::Message() << "question " << row.question << (row.yes ? " yes" : " no"));
        EXPECT_EQ(ScriptBranching::next(row.question, row.yes), row.next);
        EXPECT_EQ(ScriptBranching::previous(row.question, row.yes), row.previous);
    }
}

TEST(ScriptBranching, PreviousRetracesTheWayNextTookWhileTheSelectionStays)
{
    for (bool yes : {true, false}) {
        SCOPED_TRACE(yes ? "yes" : "no");
        QList<int> way = {1};
        while (const int to = ScriptBranching::next(way.last(), yes))
            way << to;
        EXPECT_EQ(way, yes ? QList<int>({1, 2, 3, 4}) : QList<int>({1, 2, 4}));
        QList<int> back = {way.last()};
        while (const int to = ScriptBranching::previous(back.last(), yes))
            back << to;
        std::reverse(back.begin(), back.end());
        EXPECT_EQ(back, way);
    }
}

class ScriptRunnerTest : public TourFixture
{
protected:
    void SetUp() override
    {
        TourFixture::SetUp();
        gotoPage(3);
        screen_ = screen<TScriptR1Fm>();
        ASSERT_NE(screen_, nullptr);
        answers = {list("Ans1"), list("Ans2"), list("ans3"), list("Ans4")};
        Dialogs::clearShown();
    }

    template<typename T>
    T *part(const char *name) const
    {
        return TestSupport::component<T>(screen_, name);
    }
    TCheckListBox *list(const char *name) const { return part<TCheckListBox>(name); }
    TBitBtn *nextBtn() const { return part<TBitBtn>("NextBtn"); }
    TBitBtn *previousBtn() const { return part<TBitBtn>("PreviousBtn"); }
    QString number() const { return part<TLabel>("CurrentNo")->Caption(); }

    void next() { QTest::mouseClick(nextBtn(), Qt::LeftButton); }
    void previous() { QTest::mouseClick(previousBtn(), Qt::LeftButton); }

    // A point in `line` of a list's viewport: on its check box, or on its text.
    static QPoint onBox(TCheckListBox *l, int line) { return QPoint(l->ItemRect(line).left() + l->Offset() + 5, l->ItemRect(line).center().y()); }
    static QPoint onText(TCheckListBox *l, int line) { return QPoint(l->ItemRect(line).left() + 40, l->ItemRect(line).center().y()); }
    void clickBox(TCheckListBox *l, int line) { QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, onBox(l, line)); }
    void clickText(TCheckListBox *l, int line) { QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, onText(l, line)); }

    static QList<TCheckBoxState> states(const TCheckListBox *l)
    {
        QList<TCheckBoxState> s;
        for (int i = 0; i < l->Count(); ++i)
            s << l->State(i);
        return s;
    }

    // Exactly the controls of `question` are shown, and the buttons say
    // where the script stands.
    void expectShowing(int question, const QString &nextCaption)
    {
        SCOPED_TRACE(testing::Message() << "showing question " << question);
        EXPECT_EQ(number(), QString::number(question));
        const char *shortTexts[] = {"q1", "q2", "q3", "q4"};
        const char *fullTexts[] = {"Fullq1", "Fullq2", "Fullq3", "Fullq4"};
        for (int i = 0; i < 4; ++i) {
            const bool current = i + 1 == question;
            EXPECT_EQ(part<TLabel>(shortTexts[i])->isVisible(), current) << shortTexts[i];
            EXPECT_EQ(part<TMemo>(fullTexts[i])->isVisible(), current) << fullTexts[i];
            EXPECT_EQ(answers[i]->isVisible(), current) << answers[i]->objectName().toStdString();
        }
        EXPECT_TRUE(part<TLabel>("SelectOneLbl")->isVisible());
        EXPECT_FALSE(part<TLabel>("SelectAllLbl")->isVisible());
        EXPECT_EQ(previousBtn()->isVisible(), question != 1);
        EXPECT_EQ(nextBtn()->Caption(), nextCaption);
    }

    QPointer<TScriptR1Fm> screen_;
    QList<TCheckListBox *> answers;
};

TEST_F(ScriptRunnerTest, StartsOnTheFirstQuestionWithTheSampleScript)
{
    expectShowing(1, QStringLiteral("&Next"));
    EXPECT_EQ(screen_->Caption(), QStringLiteral("Script :"));
    EXPECT_EQ(part<TLabel>("q1")->Caption(), QStringLiteral("What makes of computers do you have ?"));
    EXPECT_EQ(part<TLabel>("q2")->Caption(), QStringLiteral("Do you have a PC network ?"));
    EXPECT_EQ(part<TLabel>("q3")->Caption(), QStringLiteral("What network operating systems do you use ?"));
    EXPECT_EQ(part<TLabel>("q4")->Caption(), QStringLiteral("What makes of printers do you use ?"));
    EXPECT_EQ(part<TMemo>("Fullq2")->Lines(),
              QStringList({"Do you have a Local Area Network of PC's ?",
                           "(This does not include dial-ups or links to external networks)"}));
    EXPECT_TRUE(part<TMemo>("Fullq1")->ReadOnly());
    EXPECT_EQ(answers[0]->Items(),
              QStringList({"Amdahl", "IBM", "Dell", "Compaq", "HP", "Gateway", "Toshiba", "Brother", "Cray"}));
    EXPECT_EQ(answers[1]->Items(), QStringList({"Yes", "No"}));
    EXPECT_EQ(answers[2]->Items(), QStringList({"OS/2", "OS/400", "Novell", "Windows NT"}));
    EXPECT_EQ(answers[3]->Items(), QStringList({"Lexmark", "HP", "Brother", "Xerox", "Star", "IBM", "Genicom"}));
    for (TCheckListBox *l : answers) {
        EXPECT_FALSE(l->AllowGrayed());
        for (int i = 0; i < l->Count(); ++i)
            EXPECT_FALSE(l->Checked(i));
    }
    EXPECT_FALSE(part<TEdit>("TextBox")->isVisible());
    EXPECT_EQ(part<TEdit>("TextBox")->MaxLength(), 40);
}

TEST_F(ScriptRunnerTest, YesLeadsThroughTheNetworkQuestionAndBack)
{
    next();
    expectShowing(2, QStringLiteral("Next"));
    clickText(answers[1], 0);
    next();
    expectShowing(3, QStringLiteral("Next"));
    next();
    expectShowing(4, QStringLiteral("FINISH"));
    next();
    expectShowing(4, QStringLiteral("FINISH"));
    previous();
    expectShowing(3, QStringLiteral("Next"));
    previous();
    expectShowing(2, QStringLiteral("Next"));
    previous();
    expectShowing(1, QStringLiteral("Next"));
    EXPECT_TRUE(Dialogs::shown().isEmpty());
}

TEST_F(ScriptRunnerTest, NoOrNoSelectionSkipsTheNetworkQuestion)
{
    next();
    next(); // nothing selected in the network question
    expectShowing(4, QStringLiteral("FINISH"));
    previous();
    expectShowing(2, QStringLiteral("Next"));
    clickBox(answers[1], 1); // "No", checked and selected
    next();
    expectShowing(4, QStringLiteral("FINISH"));
    previous();
    expectShowing(2, QStringLiteral("Next"));
    // The branch follows the selected line, not the check: "No" stays
    // checked while "Yes" is only selected.
    clickText(answers[1], 0);
    EXPECT_EQ(states(answers[1]), QList<TCheckBoxState>({TCheckBoxState::cbUnchecked, TCheckBoxState::cbChecked}));
    next();
    expectShowing(3, QStringLiteral("Next"));
}

TEST_F(ScriptRunnerTest, NetworkQuestionKeepsOneAnswerChecked)
{
    next();
    TCheckListBox *network = answers[1];
    const auto U = TCheckBoxState::cbUnchecked;
    const auto C = TCheckBoxState::cbChecked;
    const struct {
        const char *step;
        bool onBox;
        int line;
        QList<TCheckBoxState> after;
    } rows[] = {
        {"check Yes", true, 0, {C, U}},
        {"check No", true, 1, {U, C}},
        {"check Yes again", true, 0, {C, U}},
        {"text of No changes no check", false, 1, {C, U}},
        {"clear Yes", true, 0, {U, U}},
        {"check No from its box", true, 1, {U, C}},
        {"text of Yes changes no check", false, 0, {U, C}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.step);
        if (row.onBox)
            clickBox(network, row.line);
        else
            clickText(network, row.line);
        EXPECT_EQ(network->ItemIndex(), row.line);
        EXPECT_EQ(states(network), row.after);
    }
}

TEST_F(ScriptRunnerTest, TheSingleAnswerIsSettledWhenTheButtonIsReleased)
{
    next();
    TCheckListBox *network = answers[1];
    clickBox(network, 0);
    // The press checks "No" beside "Yes"; the release clears "Yes".
    QTest::mousePress(network->viewport(), Qt::LeftButton, {}, onBox(network, 1));
    EXPECT_TRUE(network->Checked(0));
    EXPECT_TRUE(network->Checked(1));
    QTest::mouseRelease(network->viewport(), Qt::LeftButton, {}, onBox(network, 1));
    EXPECT_FALSE(network->Checked(0));
    EXPECT_TRUE(network->Checked(1));

    // Also when the button leaves the list before it is released.
    QTest::mousePress(network->viewport(), Qt::LeftButton, {}, onBox(network, 0));
    QTest::mouseMove(network->viewport(), QPoint(network->viewport()->width() + 30, -20));
    QTest::mouseRelease(network->viewport(), Qt::LeftButton, {}, QPoint(network->viewport()->width() + 30, -20));
    EXPECT_TRUE(network->Checked(0));
    EXPECT_FALSE(network->Checked(1));
}

TEST_F(ScriptRunnerTest, OtherQuestionsTakeSeveralAnswersAndKeepThem)
{
    clickBox(answers[0], 0);
    clickBox(answers[0], 2);
    clickText(answers[0], 4);
    clickBox(answers[0], 8);
    const QList<bool> firstAnswers = {true, false, true, false, false, false, false, false, true};
    auto checks = [](const TCheckListBox *l) {
        QList<bool> c;
        for (int i = 0; i < l->Count(); ++i)
            c << l->Checked(i);
        return c;
    };
    EXPECT_EQ(checks(answers[0]), firstAnswers);

    next();
    clickBox(answers[1], 0);
    next();
    clickBox(answers[2], 1);
    clickBox(answers[2], 3);
    next();
    clickBox(answers[3], 6);
    previous();
    previous();
    previous();
    expectShowing(1, QStringLiteral("Next"));
    EXPECT_EQ(checks(answers[0]), firstAnswers);
    EXPECT_EQ(answers[0]->ItemIndex(), 8);
    EXPECT_EQ(checks(answers[1]), QList<bool>({true, false}));
    EXPECT_EQ(answers[1]->ItemIndex(), 0);
    EXPECT_EQ(checks(answers[2]), QList<bool>({false, true, false, true}));
    EXPECT_EQ(checks(answers[3]), QList<bool>({false, false, false, false, false, false, true}));
}

TEST_F(ScriptRunnerTest, KeysMoveTheSelectionAndTheBranchFollowsIt)
{
    next();
    TCheckListBox *network = answers[1];
    clickBox(network, 1); // "No" checked and selected
    QTest::keyClick(network, Qt::Key_Up);
    EXPECT_EQ(network->ItemIndex(), 0);
    EXPECT_EQ(states(network), QList<TCheckBoxState>({TCheckBoxState::cbUnchecked, TCheckBoxState::cbChecked}));
    QTest::keyClick(network, Qt::Key_Space);
    EXPECT_FALSE(network->Checked(0)) << "the keyboard never checks";
    next();
    expectShowing(3, QStringLiteral("Next"));
}

TEST_F(ScriptRunnerTest, CancelDoesNothing)
{
    next();
    QTest::mouseClick(part<TButton>("CancelBtn"), Qt::LeftButton);
    TestSupport::settle();
    ASSERT_FALSE(screen_.isNull());
    EXPECT_EQ(wizard()->Page(), 3);
    expectShowing(2, QStringLiteral("Next"));
    EXPECT_TRUE(Dialogs::shown().isEmpty());
}

TEST_F(ScriptRunnerTest, AnswersAreLostWithTheScreen)
{
    clickBox(answers[0], 1);
    next();
    gotoPage(4);
    EXPECT_TRUE(screen_.isNull());
    gotoPage(3);
    screen_ = screen<TScriptR1Fm>();
    ASSERT_NE(screen_, nullptr);
    answers = {list("Ans1"), list("Ans2"), list("ans3"), list("Ans4")};
    expectShowing(1, QStringLiteral("&Next"));
    EXPECT_FALSE(answers[0]->Checked(1));
}

TEST_F(ScriptRunnerTest, DeclaresTheScriptDatasetsAndOpensNone)
{
    const auto move = DataCatalogue::find(screen_, u"BatchMove1");
    ASSERT_TRUE(move.has_value());
    EXPECT_EQ(move->source, QStringLiteral("Table1"));
    EXPECT_EQ(move->destination, QStringLiteral("Table2"));
    EXPECT_EQ(move->recordCount, 1);
    const struct {
        const char *name;
        const char *alias;
        const char *table;
    } rows[] = {{"Table1", "Holvintele", "ScrHed"}, {"Table2", "", ""}, {"RcmScr", "Holvintele", "RcmScr"}, {"Users", "Holvintele", "users"}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const auto e = DataCatalogue::find(screen_, QString::fromLatin1(row.name));
        ASSERT_TRUE(e.has_value());
        EXPECT_EQ(e->kind, DataCatalogue::Kind::Table);
        EXPECT_EQ(e->alias, QString::fromLatin1(row.alias));
        EXPECT_EQ(e->table, QString::fromLatin1(row.table));
        EXPECT_EQ(e->dataSources.size(), 1);
    }
    EXPECT_TRUE(DataCatalogue::openDataSets(screen_).isEmpty());
}
