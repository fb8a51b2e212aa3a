#include "tests/support/TestSupport.h"

#include "toolkit/DefinitionError.h"
#include "toolkit/FontMap.h"
#include "toolkit/TEdit.h"
#include "toolkit/TPageControl.h"
#include "toolkit/TTabPage.h"
#include "toolkit/TTabbedNotebook.h"

#include <QFontMetrics>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class NotebookForm : public TForm
{
    Q_OBJECT

public:
    using TForm::TForm;
    QStringList events;
    bool allow = true;

public slots:
    void PCChanging(QObject *, bool &allowChange)
    {
        events << QStringLiteral("changing");
        allowChange = allow;
    }
    void PCChange(QObject *) { events << QStringLiteral("change"); }
    void NBChange(QObject *, int newTab, bool &allowChange)
    {
        events << QStringLiteral("change %1").arg(newTab);
        allowChange = allow;
    }
};

const char *const kPageControl = R"(Form1: NotebookForm {
  PC: TPageControl { Left = 10 Top = 10 Width = 300 Height = 200 ActivePage = S4
                     OnChange = PCChange OnChanging = PCChanging
    S1: TTabSheet { Caption = "1" TabVisible = false  E1: TEdit { Left = 30 Top = 40 } }
    S2: TTabSheet { Caption = "2" TabVisible = false }
    S3: TTabSheet { Caption = "3" }
    S4: TTabSheet { Caption = "zzz" TabVisible = false }
  }
})";

class PageControlTest : public testing::Test
{
protected:
    void SetUp() override
    {
        form = TestSupport::loadFormOf<NotebookForm>(QString::fromLatin1(kPageControl));
        pc = form->findChild<TPageControl *>(QStringLiteral("PC"));
        for (int i = 0; i < 4; ++i)
            sheets[i] = pc->Pages(i);
    }
    // The sheets shown, as their captions.
    QString shown() const
    {
        QString s;
        for (TTabSheet *sheet : sheets)
            s += sheet->isHidden() ? QString() : sheet->Caption();
        return s;
    }

    std::unique_ptr<NotebookForm, TestSupport::FormDeleter> form;
    TPageControl *pc = nullptr;
    TTabSheet *sheets[4] = {};
};

} // namespace

TEST_F(PageControlTest, HiddenTabsAreSkippedAndNeverShown)
{
    EXPECT_EQ(pc->ActivePage(), sheets[3]);
    EXPECT_EQ(shown(), QString());   // the active sheet's tab is hidden
    sheets[0]->SetTabVisible(true);
    struct Step {
        bool forward;
        const char *shown;
    };
    // Forward from the last sheet goes round to the first; hidden tabs are
    // passed over.
    const Step steps[] = {{true, "1"}, {true, "3"}, {true, "1"}, {false, "3"}, {false, "1"}};
    for (const Step &s : steps) {
        pc->SelectNextPage(s.forward);
        EXPECT_EQ(shown(), QString::fromLatin1(s.shown));
    }
    EXPECT_EQ(form->events.count(QStringLiteral("change")), 5);
    EXPECT_EQ(form->events.count(QStringLiteral("changing")), 5);

    // With no other tab shown nothing moves, and it does not loop.
    sheets[2]->SetTabVisible(false);
    pc->SelectNextPage(true);
    EXPECT_EQ(pc->ActivePage(), sheets[0]);
    sheets[0]->SetTabVisible(false);
    pc->SelectNextPage(true);
    EXPECT_EQ(pc->ActivePage(), sheets[0]);
    EXPECT_EQ(shown(), QString());
}

TEST_F(PageControlTest, CodeChangesRaiseNoEvents)
{
    pc->SetActivePage(sheets[2]);
    EXPECT_EQ(shown(), QStringLiteral("3"));
    pc->SetActivePageIndex(1);
    EXPECT_EQ(pc->ActivePage(), sheets[1]);
    EXPECT_TRUE(form->events.isEmpty());
    EXPECT_EQ(sheets[2]->PageIndex(), 2);
    EXPECT_EQ(sheets[2]->PageControl(), pc);
}

TEST_F(PageControlTest, UserTabClicksCanBeRefused)
{
    for (TTabSheet *s : sheets)
        s->SetTabVisible(true);
    pc->SetActivePage(sheets[0]);
    ASSERT_TRUE(TestSupport::showActive(form.get()));
    QTabBar *bar = pc->tabBar();
    form->allow = false;
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(2).center());
    EXPECT_EQ(pc->ActivePage(), sheets[0]);
    EXPECT_EQ(bar->currentIndex(), 0);
    EXPECT_EQ(form->events, QStringList{QStringLiteral("changing")});
    form->allow = true;
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(2).center());
    EXPECT_EQ(pc->ActivePage(), sheets[2]);
    EXPECT_EQ(shown(), QStringLiteral("3"));
    EXPECT_EQ(form->events.last(), QStringLiteral("change"));
}

TEST_F(PageControlTest, ChildrenStandRelativeToTheirSheet)
{
    sheets[0]->SetTabVisible(true);
    pc->SetActivePage(sheets[0]);
    auto *edit = form->findChild<TEdit *>(QStringLiteral("E1"));
    EXPECT_EQ(edit->Left(), 30);
    EXPECT_EQ(edit->Top(), 40);
    const QRect page = pc->clientRect();
    EXPECT_EQ(sheets[0]->geometry(), page);
    EXPECT_EQ(edit->mapTo(form.get(), QPoint(0, 0)), QPoint(10, 10) + page.topLeft() + QPoint(30, 40));
    // A sheet fills the page area whatever bounds it is given.
    sheets[0]->SetBounds(0, 0, 5, 5);
    EXPECT_EQ(sheets[0]->geometry(), page);
    pc->SetBounds(10, 10, 400, 300);
    EXPECT_EQ(sheets[0]->geometry(), pc->clientRect());
}

TEST_F(PageControlTest, FreeingASheetKeepsTheActiveOne)
{
    pc->SetActivePage(sheets[2]);
    Component::free(sheets[1]);
    TestSupport::settle();
    EXPECT_EQ(pc->PageCount(), 3);
    EXPECT_EQ(pc->tabBar()->count(), 3);
    EXPECT_EQ(pc->ActivePageIndex(), 1);
    EXPECT_EQ(pc->ActivePage()->Caption(), QStringLiteral("3"));
    Component::free(pc->ActivePage());
    TestSupport::settle();
    EXPECT_EQ(pc->PageCount(), 2);
    EXPECT_EQ(pc->ActivePage()->Caption(), QStringLiteral("zzz"));
}

TEST(PageControl, ActivePageMustBeOneOfItsSheets)
{
    EXPECT_THROW(TestSupport::loadForm(QStringLiteral(R"(Form1: TForm {
      A: TPageControl { ActivePage = B1  A1: TTabSheet { } }
      B: TPageControl { B1: TTabSheet { } }
    })")),
                 DefinitionError);
}

// Four pages sharing one row of tabs, the third one shown.
const char *const kFourTabs = R"(Form1: NotebookForm {
  NB: TTabbedNotebook { Width = 371 Height = 357 PageIndex = 2 TabsPerRow = 4
                        TabFont.Height = -11 TabFont.Name = "MS Sans Serif" OnChange = NBChange
    P1: TTabPage { Caption = "Main details" }
    P2: TTabPage { Caption = "Account details" }
    P3: TTabPage { Caption = "Preferred types" }
    P4: TTabPage { Caption = "Objectives" }
  }
})";

TEST(TabbedNotebook, PagesByIndexAndCaption)
{
    auto form = TestSupport::loadFormOf<NotebookForm>(QString::fromUtf8(kFourTabs));
    auto *nb = form->findChild<TTabbedNotebook *>(QStringLiteral("NB"));
    EXPECT_EQ(nb->PageIndex(), 2);
    EXPECT_EQ(nb->ActivePage(), QStringLiteral("Preferred types"));
    EXPECT_FALSE(form->findChild<TTabPage *>(QStringLiteral("P3"))->isHidden());
    EXPECT_TRUE(form->findChild<TTabPage *>(QStringLiteral("P1"))->isHidden());
    nb->SetActivePage(QStringLiteral("Objectives"));
    EXPECT_EQ(nb->PageIndex(), 3);
    EXPECT_THROW(nb->SetActivePage(QStringLiteral("Nothing")), std::invalid_argument);
    EXPECT_EQ(nb->PageIndex(), 3);
    EXPECT_EQ(nb->Pages().size(), 4);
    // Four tabs per row share the row.
    ASSERT_TRUE(TestSupport::showActive(form.get()));
    EXPECT_EQ(nb->tabBar()->tabRect(0).width(), nb->tabBar()->width() / 4);
    EXPECT_EQ(nb->tabBar()->font(), FontMap::font(QStringLiteral("MS Sans Serif"), -11, {}));

    QTest::mouseClick(nb->tabBar(), Qt::LeftButton, {}, nb->tabBar()->tabRect(0).center());
    EXPECT_EQ(nb->PageIndex(), 0);
    form->allow = false;
    QTest::mouseClick(nb->tabBar(), Qt::LeftButton, {}, nb->tabBar()->tabRect(1).center());
    EXPECT_EQ(nb->PageIndex(), 0);
    EXPECT_EQ(form->events, (QStringList{QStringLiteral("change 0"), QStringLiteral("change 1")}));
}

TEST(TabbedNotebook, TheKeyboardReachesEveryPage)
{
    auto form = TestSupport::loadFormOf<NotebookForm>(QString::fromUtf8(kFourTabs));
    auto *nb = form->findChild<TTabbedNotebook *>(QStringLiteral("NB"));
    ASSERT_TRUE(TestSupport::showActive(form.get()));
    // The tabs are in the tab order and take the arrow keys.
    EXPECT_TRUE(nb->tabBar()->focusPolicy() & Qt::TabFocus);
    nb->tabBar()->setFocus();
    QTest::keyClick(nb->tabBar(), Qt::Key_Right);
    EXPECT_EQ(nb->PageIndex(), 3);
    // Ctrl+Tab and Ctrl+Page Down go round to the first page, back with
    // Shift or Page Up; a change that the handler refuses stays refused.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(nb->PageIndex(), 0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(nb->PageIndex(), 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(nb->PageIndex(), 0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(nb->PageIndex(), 3);
    form->allow = false;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(nb->PageIndex(), 3);
}

TEST(TabbedNotebook, SharedWidthTabsShowTheirWholeCaption)
{
    auto form = TestSupport::loadFormOf<NotebookForm>(QString::fromUtf8(kFourTabs));
    auto *nb = form->findChild<TTabbedNotebook *>(QStringLiteral("NB"));
    ASSERT_TRUE(TestSupport::showActive(form.get()));
    QTabBar *bar = nb->tabBar();
    const QImage image = bar->grab().toImage();
    ASSERT_EQ(image.size(), bar->size());
    for (int tab : {1, 2}) {
        SCOPED_TRACE(tab);
        const QRect r = bar->tabRect(tab);
        const int advance = QFontMetrics(bar->font()).horizontalAdvance(bar->tabText(tab));
        ASSERT_LT(advance, r.width() - 8) << "the caption fits its tab";
        // The columns between the tab's edges that hold dark text pixels.
        int first = -1;
        int last = -1;
        for (int x = r.left() + 3; x <= r.right() - 3; ++x) {
            for (int y = r.center().y() - 4; y <= r.center().y() + 4; ++y) {
                if (qGray(image.pixel(x, y)) < 100) {
                    if (first < 0)
                        first = x;
                    last = x;
                }
            }
        }
        ASSERT_GE(first, 0);
        EXPECT_GE(last - first + 1, advance - 3);
    }
}

#include "NotebookTest.moc"
