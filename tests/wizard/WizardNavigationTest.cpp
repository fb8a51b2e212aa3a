// The wizard's navigation: the page change with its veto and redirect, the
// history, Change, finishing and cancelling, the way list, the caption and
// the owner form's size.

#include "tests/wizard/WizardTestForm.h"
#include "wizard/CaptionFormat.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

using WizardTest::load;
using WizardTest::wizardForm;

WizardTest::Ptr<WizardTestForm> plainWizard(int pages = 8, int page = 0, const QString &properties = {})
{
    return load(wizardForm(pages, page, properties, {}));
}

} // namespace

TEST(WizardNavigation, VetoedNextAndJumpTo)
{
    auto form = plainWizard();
    TAssistent *w = form->wizard();
    w->SetPage(2);
    form->canChange = [](int, int &) { return false; };
    w->Next();
    EXPECT_EQ(w->Page(), 2);
    EXPECT_FALSE(w->LastChangeAccepted());
    EXPECT_EQ(w->History()->Count(), 0);
    w->JumpTo(5);
    EXPECT_EQ(w->Page(), 2);
    EXPECT_EQ(w->History()->values(), QList<int>({2}));
    EXPECT_EQ(form->pageChanges, QList<int>({2}));
}

TEST(WizardNavigation, RedirectedNextKeepsThePageItLeft)
{
    auto form = plainWizard();
    TAssistent *w = form->wizard();
    w->SetPage(2);
    form->canChange = [](int from, int &to) {
        if (from == 2 && to == 3)
            to = 5;
        return true;
    };
    w->Next();
    EXPECT_EQ(w->Page(), 5);
    EXPECT_EQ(w->History()->values(), QList<int>({2}));
    EXPECT_EQ(form->canChangeCalls.last(), qMakePair(2, 3));
}

TEST(WizardNavigation, HistoryAlongNextJumpToAndBack)
{
    auto form = plainWizard();
    TAssistent *w = form->wizard();
    w->SetPage(7);
    w->Back();   // an empty history: nothing, even on page 7
    EXPECT_EQ(w->Page(), 7);
    EXPECT_FALSE(w->BtnBack()->Enabled());

    w->SetPage(1);
    w->Next();
    w->JumpTo(5);
    w->JumpTo(5);   // recorded even when it goes nowhere
    EXPECT_EQ(w->History()->values(), QList<int>({1, 2, 5}));
    EXPECT_TRUE(w->BtnBack()->Enabled());
    w->Back();
    EXPECT_EQ(w->Page(), 5);
    w->Back();
    EXPECT_EQ(w->Page(), 2);
    EXPECT_EQ(w->History()->values(), QList<int>({1}));

    // A redirected Back keeps the page it could not reach.
    form->canChange = [](int, int &to) {
        to = 6;
        return true;
    };
    w->Back();
    EXPECT_EQ(w->Page(), 6);
    EXPECT_EQ(w->History()->values(), QList<int>({1}));
    form->canChange = [](int, int &) { return false; };
    w->Back();
    EXPECT_EQ(w->Page(), 6);
    EXPECT_EQ(w->History()->values(), QList<int>({1}));
}

TEST(WizardNavigation, BackWithoutHistoryStepsDown)
{
    auto form = plainWizard(8, 0, QStringLiteral("UseHistory = false"));
    TAssistent *w = form->wizard();
    w->SetPage(3);
    EXPECT_TRUE(w->BtnBack()->Enabled());
    w->Back();
    EXPECT_EQ(w->Page(), 2);
    w->Back();
    EXPECT_EQ(w->Page(), 1);
    EXPECT_FALSE(w->BtnBack()->Enabled());
    w->Back();
    EXPECT_EQ(w->Page(), 1);
    w->Next();
    EXPECT_EQ(w->History()->Count(), 0);
}

TEST(WizardNavigation, ChangeBetweenDialogAndWizardPages)
{
    const struct {
        bool remember;
        int returnsTo;
        int historyAfter;
    } rows[] = {{false, 3, 0}, {true, 6, 2}};
    for (const auto &row : rows) {
        auto form = plainWizard(8, 0, QStringLiteral("StartPage = 3 RememberPage = %1").arg(row.remember ? "true" : "false"));
        TAssistent *w = form->wizard();
        w->SetPage(4);
        w->JumpTo(6);
        w->JumpTo(6);
        w->Change();
        EXPECT_EQ(w->Page(), 0) << row.remember;
        EXPECT_EQ(w->RememberedPage(), 6);
        w->Change();
        EXPECT_EQ(w->Page(), row.returnsTo) << row.remember;
        EXPECT_EQ(w->History()->Count(), row.historyAfter) << row.remember;
    }
}

TEST(WizardNavigation, StartPageIsRememberedUntilThereIsHistory)
{
    auto form = plainWizard(8, 0, QStringLiteral("RememberPage = true StartPage = 4"));
    TAssistent *w = form->wizard();
    EXPECT_EQ(w->RememberedPage(), 4);
    w->Change();
    EXPECT_EQ(w->Page(), 4);
    w->Next();
    w->SetStartPage(2);   // there is history now
    EXPECT_EQ(w->RememberedPage(), 4);
}

TEST(WizardNavigation, FinishAndCancelSetTheFormsOutcome)
{
    auto form = plainWizard(3);
    TAssistent *w = form->wizard();
    w->SetPage(3);
    w->Next();   // the last page: finish
    EXPECT_EQ(form->ModalResult(), int(Dialogs::mrOk));
    EXPECT_EQ(w->Page(), 3);
    EXPECT_EQ(form->canChangeCalls.last(), qMakePair(3, -1));
    EXPECT_EQ(w->History()->Count(), 0);

    form->SetModalResult(0);
    form->canChange = [](int, int &to) { return to != -1; };
    w->OK();
    EXPECT_EQ(form->ModalResult(), 0);
    EXPECT_EQ(w->Page(), 3);

    form->cancelAnswer = false;
    w->Cancel();
    EXPECT_EQ(form->ModalResult(), 0);
    form->cancelAnswer = true;
    w->Cancel();
    EXPECT_EQ(form->ModalResult(), int(Dialogs::mrCancel));
    EXPECT_EQ(form->cancelClicks, QList<int>({3, 3}));
    w->Help();
    EXPECT_EQ(form->helpClicks, QList<int>({3}));
}

TEST(WizardNavigation, PageChangedEventOnlyWhenThePageMoves)
{
    auto form = plainWizard();
    TAssistent *w = form->wizard();
    EXPECT_TRUE(form->pageChanges.isEmpty());   // reading the definition raises nothing
    EXPECT_TRUE(form->canChangeCalls.isEmpty());
    w->SetPage(0);
    w->SetPage(0);
    w->SetPage(4);
    w->SetPage(4);
    EXPECT_EQ(form->pageChanges, QList<int>({0, 0, 4}));
    EXPECT_EQ(form->canChangeCalls.size(), 4);
}

TEST(WizardNavigation, PagesOutsideTheWizardAreRefusedWithAMessage)
{
    auto form = plainWizard(5);
    TAssistent *w = form->wizard();
    w->SetPage(2);
    Dialogs::clearShown();
    for (int page : {6, -2}) {
        w->SetPage(page);
        EXPECT_EQ(w->Page(), 2);
        EXPECT_FALSE(w->LastChangeAccepted());
    }
    TestSupport::settle();
    EXPECT_EQ(Dialogs::shown().size(), 2);
    EXPECT_EQ(form->pageChanges, QList<int>({2}));
}

TEST(WizardNavigation, OwnerFormKeepsItsCentreBetweenDialogAndWizardSize)
{
    // Wizard pages 500 high x 600 wide, the dialog page 300 x 400.
    auto form = plainWizard(8, 0, QStringLiteral("FormSize = %1").arg(WizardTest::hex({500, 600, 300, 400})));
    TAssistent *w = form->wizard();
    ASSERT_EQ(form->BoundsRect(), QRect(100, 100, 400, 300));
    w->SetPage(3);
    EXPECT_EQ(form->BoundsRect(), QRect(0, 0, 600, 500));
    form->SetBounds(10, 20, 601, 501);
    w->SetPage(4);   // between wizard pages: no resize
    EXPECT_EQ(form->BoundsRect(), QRect(10, 20, 601, 501));
    w->SetPage(0);
    EXPECT_EQ(form->BoundsRect(), QRect(10 + 300 - 200, 20 + 250 - 150, 400, 300));

    // A maximised window is left as it is.
    form->SetWindowState(Tk::TWindowState::wsMaximized);
    const QRect before = form->BoundsRect();
    w->SetPage(2);
    EXPECT_EQ(form->BoundsRect(), before);

    EXPECT_EQ(TAssistent::resizedAroundCentre(QRect(10, 10, 5, 7), 2, 2), QRect(11, 12, 2, 2));
    EXPECT_EQ(TAssistent::resizedAroundCentre(QRect(-50, -50, 10, 10), 31, 31), QRect(-60, -60, 31, 31));
}

TEST(WizardNavigation, ShrinkingNumPagesMovesToTheNewLastPage)
{
    const QString box = QStringLiteral("Box1: TABox { %1 }").arg(WizardTest::table(8, {6}));
    auto form = load(wizardForm(8, 0, {}, box));
    TAssistent *w = form->wizard();
    auto *b = form->component<TABox>("Box1");
    w->SetPage(6);
    w->SetNumPages(4);
    EXPECT_EQ(w->Page(), 4);
    EXPECT_EQ(form->pageChanges, QList<int>({6, 4}));
    EXPECT_EQ(w->PageNames().size(), 5);
    EXPECT_EQ(b->ShowContainer()->Count(), 5);
    w->SetNumPages(6);
    EXPECT_EQ(w->PageNames().last(), QStringLiteral("Page 6"));
    EXPECT_EQ(b->ShowContainer()->Count(), 7);
    for (int n : {0, -3}) {
        w->SetNumPages(n);
        EXPECT_EQ(w->NumPages(), 6);
    }
}

TEST(WizardNavigation, CaptionFollowsThePage)
{
    auto form = plainWizard(8, 0,
                            QStringLiteral("CaptionWizard = \"Wizard - Page %d of %d\" CaptionDialog = \"Start here\""));
    TAssistent *w = form->wizard();
    w->SetPage(0);
    EXPECT_EQ(form->Caption(), QStringLiteral("Start here"));
    w->SetPage(3);
    EXPECT_EQ(form->Caption(), QStringLiteral("Wizard - Page 3 of 8"));
    w->SetNumPages(9);
    EXPECT_EQ(form->Caption(), QStringLiteral("Wizard - Page 3 of 9"));
    w->SetShowPageNames(true);
    EXPECT_EQ(form->Caption(), QStringLiteral("Page 3"));
    w->SetPageNames({QStringLiteral("Intro"), QStringLiteral("One")});
    w->SetPage(1);
    EXPECT_EQ(form->Caption(), QStringLiteral("One"));
    w->SetPage(2);   // no name for page 2
    EXPECT_EQ(form->Caption(), QString());
    w->SetSetFormCaption(false);
    w->SetPage(1);
    EXPECT_EQ(form->Caption(), QString());
}

TEST(WizardNavigation, BadCaptionFormatIsReportedOnceAndThePageStillChanges)
{
    const QString box = QStringLiteral("Box1: TABox { %1 }").arg(WizardTest::table(4, {2}));
    auto form = load(wizardForm(4, 0, QStringLiteral("CaptionWizard = \"Step %s\""), box));
    TAssistent *w = form->wizard();
    Dialogs::clearShown();
    w->SetPage(2);
    w->SetPage(3);
    EXPECT_EQ(w->Page(), 3);
    EXPECT_EQ(form->Caption(), QStringLiteral("Step %s"));
    TestSupport::settle();
    ASSERT_EQ(Dialogs::shown().size(), 1);
    EXPECT_EQ(Dialogs::shown().first().type, Dialogs::MsgType::mtError);
    EXPECT_TRUE(Dialogs::shown().first().text.contains(QLatin1String("Step %s")));
    EXPECT_EQ(form->pageChanges, QList<int>({2, 3}));
    w->SetPage(2);
    EXPECT_TRUE(form->component<TABox>("Box1")->Visible());
}

TEST(WizardNavigation, CaptionFormats)
{
    const struct {
        const char *pattern;
        const char *expected;   // null: refused
    } rows[] = {
        {"Wizard - Page %d of %d", "Wizard - Page 3 of 12"},
        {"no placeholders", "no placeholders"},
        {"%d%%", "3%"},
        {"%1:d/%0:d", "12/3"},
        {"[%4d][%-4d]", "[   3][12  ]"},
        {"%.3d", "003"},
        {"%x %u", "3 12"},
        {"%*d", " 12"},
        {"%s", nullptr},
        {"%d %d %d", nullptr},
        {"%2:d", nullptr},
        {"100%", nullptr},
        {"%f", nullptr},
    };
    for (const auto &row : rows) {
        QString error;
        const auto out = CaptionFormat::format(QString::fromLatin1(row.pattern), {3, 12}, &error);
        if (row.expected) {
            EXPECT_EQ(out.value_or(QStringLiteral("<refused: %1>").arg(error)), QString::fromLatin1(row.expected))
                << row.pattern;
        } else {
            EXPECT_FALSE(out.has_value()) << row.pattern;
            EXPECT_FALSE(error.isEmpty()) << row.pattern;
        }
    }
    EXPECT_EQ(CaptionFormat::format(QStringLiteral("%.3d|%x|%u"), {-7, 255, -1}), QStringLiteral("-007|FF|4294967295"));
}

TEST(WizardNavigation, ArrowKeysStepThroughThePages)
{
    auto form = plainWizard(3);
    TAssistent *w = form->wizard();
    w->SetPage(1);
    w->JumpTo(2);
    const struct {
        Qt::Key key;
        int page;
        bool consumed;
    } rows[] = {
        {Qt::Key_Right, 3, true}, {Qt::Key_Right, 3, false}, {Qt::Key_Left, 2, true},
        {Qt::Key_Left, 1, true},  {Qt::Key_Left, 1, false},  {Qt::Key_Up, 1, false},
    };
    for (const auto &row : rows) {
        QKeyEvent press(QEvent::KeyPress, row.key, Qt::NoModifier);
        press.setAccepted(false);
        QApplication::sendEvent(w, &press);
        EXPECT_EQ(w->Page(), row.page) << row.key;
        EXPECT_EQ(press.isAccepted(), row.consumed) << row.key;
    }
    // Arrow keys leave the history alone.
    EXPECT_EQ(w->History()->values(), QList<int>({1}));
    QTest::keyClick(w, Qt::Key_Right);
    EXPECT_EQ(w->Page(), 2);
}

TEST(WizardNavigation, ArrowKeysOfAControlInsideStayWithIt)
{
    auto form = WizardTest::load(WizardTest::wizardForm(3, 2, {}, QStringLiteral(R"(
      List1: TListBox { Left = 10 Top = 10 Width = 120 Height = 80 Items = ("a", "b") }
      Edit1: TEdit { Left = 10 Top = 100 Width = 120 Height = 21 })")));
    TAssistent *w = form->wizard();
    ASSERT_TRUE(TestSupport::showActive(form.get()));
    for (const char *name : {"List1", "Edit1"}) {
        SCOPED_TRACE(name);
        auto *control = form->findChild<QWidget *>(QLatin1String(name));
        ASSERT_TRUE(control);
        control->setFocus();
        ASSERT_TRUE(control->hasFocus());
        // At the first line or the start of the text the control has no use
        // for the key; the page stays all the same.
        QTest::keyClick(control, Qt::Key_Left);
        QTest::keyClick(control, Qt::Key_Right);
        QTest::keyClick(control, Qt::Key_Left);
        EXPECT_EQ(w->Page(), 2);
        EXPECT_TRUE(control->isVisible());
    }
    // With the focus on the wizard the arrow keys turn the pages again.
    w->setFocus();
    QTest::keyClick(w, Qt::Key_Left);
    EXPECT_EQ(w->Page(), 1);
}

TEST(WizardNavigation, StoredHistoryEnablesBack)
{
    auto form = plainWizard(8, 3, QStringLiteral("HistoryNumPages = 2 HistoryData = %1 FormSize = %2")
                                      .arg(WizardTest::hex({1, 2}), WizardTest::hex({300, 400, 300, 400})));
    TAssistent *w = form->wizard();
    EXPECT_TRUE(w->BtnBack()->Enabled());
    w->Back();
    EXPECT_EQ(w->Page(), 2);
}

namespace {

// Steps of a way list: step 1 shows page 2 and asks; step 2 shows page 4 and
// lets a jump radio button decide; step 3 shows page 5 and goes to step 5;
// step 4 shows page 1 and is last; step 5 shows page 6, then step 6 finishes.
const QList<int> Steps = {2, -1, 4, -3, 5, 5, 1, -2, 6, 6, -1, 0};

QString wayListForm(const QString &children = {})
{
    return wizardForm(6, 0,
                      QStringLiteral("WayList.NumPages = 6 WayList.Data = %1 WayListEnabled = true "
                                     "CaptionWizard = \"Step %d, page %d\"")
                          .arg(WizardTest::hex(Steps)),
                      children);
}

} // namespace

TEST(WizardNavigation, WayListMapsStepsToPagesAndDrivesNext)
{
    const QString radio = QStringLiteral("Jump1: TAJumpRadioBtn { JumpPage = 4 %1 }").arg(WizardTest::table(6, {4}));
    const QString box = QStringLiteral("Box1: TABox { %1 }").arg(WizardTest::table(6, {4}));
    auto form = load(wayListForm(radio + box));
    TAssistent *w = form->wizard();
    auto *jump = form->component<TAJumpRadioBtn>("Jump1");
    auto *b = form->component<TABox>("Box1");

    EXPECT_EQ(w->PhysicalPage(0), 0);
    EXPECT_EQ(w->PhysicalPage(3), 5);
    EXPECT_EQ(w->PhysicalPage(7), -1);

    int asked = -1;
    form->askChange = [&](int current, int &next) { asked = current * 100 + next; };
    w->SetPage(1);
    EXPECT_EQ(form->Caption(), QStringLiteral("Step 1, page 6"));
    w->Next();   // NextStep -1: step 2 after asking
    EXPECT_EQ(asked, 102);
    EXPECT_EQ(w->Page(), 2);
    EXPECT_TRUE(b->Visible());   // step 2 shows page 4

    w->Next();   // NextStep -3: no radio button checked, so step + 1
    EXPECT_EQ(w->Page(), 3);
    EXPECT_FALSE(b->Visible());
    w->Back();
    jump->SetChecked(true);
    w->Next();   // the checked radio button of page 4 decides
    EXPECT_EQ(w->Page(), 4);
    EXPECT_TRUE(w->isLastStep(4));
    EXPECT_FALSE(w->BtnNext()->Enabled());
    w->Next();   // NextStep -2: finish
    EXPECT_EQ(form->ModalResult(), int(Dialogs::mrOk));
    EXPECT_EQ(w->Page(), 4);

    w->SetPage(3);
    w->Next();   // NextStep 5: step 5
    EXPECT_EQ(w->Page(), 5);
    form->SetModalResult(0);
    w->Next();   // step 6 shows -1: finish
    EXPECT_EQ(form->ModalResult(), int(Dialogs::mrOk));
    EXPECT_EQ(w->Page(), 5);
    // Step 6 is a step like any other for the history, although it finishes.
    EXPECT_EQ(w->History()->values(), QList<int>({1, 2, 3, 5}));
}

TEST(WizardNavigation, WayListStepsOutsideTheListAreRefused)
{
    auto form = load(wayListForm());
    TAssistent *w = form->wizard();
    w->SetPage(2);
    Dialogs::clearShown();
    w->SetPage(7);
    EXPECT_EQ(w->Page(), 2);
    TestSupport::settle();
    EXPECT_EQ(Dialogs::shown().size(), 1);
    // Shrinking NumPages keeps the last step of the list reachable.
    w->SetPage(6);
    EXPECT_EQ(form->ModalResult(), int(Dialogs::mrOk));
    w->SetPage(5);
    w->SetNumPages(6);
    EXPECT_EQ(w->Page(), 5);
}
