// The page elements: their placement per page, alignment while shown, the
// recording of position and parent, the jumps, and that a page change leaves
// alone what stays as it is.

#include "tests/wizard/WizardTestForm.h"

#include <gtest/gtest.h>

namespace {

using WizardTest::load;
using WizardTest::table;
using WizardTest::wizardForm;

constexpr int OffPageLeft = PageElement::HiddenLeft;

void expectHidden(Control *c, const char *where)
{
    EXPECT_FALSE(c->Visible()) << where;
    EXPECT_FALSE(c->Enabled()) << where;
    EXPECT_EQ(c->Left(), OffPageLeft) << where;
}

// Counts the events that writing geometry, visibility, enabled state or
// parent of a widget causes.
class WriteCounter : public QObject
{
public:
    void watch(QWidget *w) { w->installEventFilter(this); }
    int count = 0;
    QStringList seen;

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        switch (e->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::ShowToParent:
        case QEvent::HideToParent:
        case QEvent::EnabledChange:
        case QEvent::ParentChange:
            ++count;
            seen << QStringLiteral("%1:%2").arg(o->objectName()).arg(int(e->type()));
            break;
        default:
            break;
        }
        return false;
    }
};

} // namespace

TEST(PageElement, EveryElementClassPlacesItselfByItsTable)
{
    const char *classes[] = {"TABox", "TAGroupBox", "TAPanel", "TAImage", "TAJumpBitBtn", "TAJumpRadioBtn", "TAForm"};
    for (const char *cls : classes) {
        const QString element = QStringLiteral("E1: %1 { Left = %2 Visible = false %3 }")
                                    .arg(QLatin1String(cls))
                                    .arg(OffPageLeft)
                                    .arg(table(3, {1, 3}, {{}, {11, 22}, {}, {33, 44}}));
        auto form = load(wizardForm(3, 0, {}, element));
        QObject *e = form->findComponent(u"E1");
        ASSERT_TRUE(e) << cls;
        auto *c = Control::from(e);
        for (const char *name : {"ParentInDialog", "ParentInWizard", "ShowContainer", "AAlign", "Align"})
            EXPECT_GE(e->metaObject()->indexOfProperty(name), 0) << cls << " " << name;
        EXPECT_GE(e->metaObject()->indexOfMethod("SetNewPosition(int)"), 0) << cls;
        EXPECT_GE(e->metaObject()->indexOfMethod("SetNumApos(int)"), 0) << cls;

        TAssistent *w = form->wizard();
        w->SetPage(1);
        EXPECT_TRUE(c->Visible()) << cls;
        EXPECT_TRUE(c->Enabled()) << cls;
        EXPECT_EQ(c->BoundsRect().topLeft(), QPoint(11, 22)) << cls;
        EXPECT_EQ(c->Parent(), w) << cls;
        w->SetPage(2);
        expectHidden(c, cls);
        w->SetPage(3);
        EXPECT_EQ(c->BoundsRect().topLeft(), QPoint(33, 44)) << cls;
        // The move to the hidden place never reaches the table.
        EXPECT_EQ(static_cast<TAposList *>(e->property("ShowContainer").value<QObject *>())->Get(2), TApos{}) << cls;
    }
}

TEST(PageElement, AllZeroTableIsNeverShown)
{
    auto form = load(wizardForm(4, 0, {}, QStringLiteral("Spare: TAJumpRadioBtn { %1 }").arg(table(4, {}))));
    auto *spare = form->component<TAJumpRadioBtn>("Spare");
    for (int page : {1, 2, 3, 4, 0}) {
        form->wizard()->SetPage(page);
        expectHidden(spare, "spare");
    }
}

TEST(PageElement, IntroBoxFillsTheClientAreaOnlyWhereShown)
{
    auto form = load(wizardForm(2, 0, {},
                                QStringLiteral("Intro: TABox { AAlign = alClient Left = 5 Top = 5 %1 }")
                                    .arg(table(2, {0}, {{0, 0}, {0, 65}}))));
    TAssistent *w = form->wizard();
    auto *intro = form->component<TABox>("Intro");
    w->SetPage(0);
    EXPECT_EQ(intro->Align(), Tk::TAlign::alClient);
    EXPECT_EQ(intro->BoundsRect(), w->clientRect());
    w->SetPage(1);
    expectHidden(intro, "page 1");
    EXPECT_EQ(intro->Align(), Tk::TAlign::alNone);
    EXPECT_EQ(intro->ShowContainer()->Get(1), (TApos{0, 65, 0}));
    w->SetPage(0);
    EXPECT_EQ(intro->BoundsRect(), w->clientRect());
}

TEST(PageElement, AlignmentIsKeptOnlyWhileShown)
{
    auto form = load(wizardForm(3, 0, {},
                                QStringLiteral("Help: TAPanel { AAlign = alTop Height = 40 %1 }").arg(table(3, {1, 3}))));
    TAssistent *w = form->wizard();
    auto *help = form->component<TAPanel>("Help");
    const struct {
        int page;
        Tk::TAlign align;
    } rows[] = {{1, Tk::TAlign::alTop}, {2, Tk::TAlign::alNone}, {3, Tk::TAlign::alTop}, {0, Tk::TAlign::alNone}};
    for (const auto &row : rows) {
        w->SetPage(row.page);
        EXPECT_EQ(help->Align(), row.align) << row.page;
    }
    w->SetPage(1);
    EXPECT_EQ(help->BoundsRect(), QRect(0, 0, w->width(), 40));
    // Written while shown, the alignment applies at once.
    help->SetAAlign(Tk::TAlign::alBottom);
    EXPECT_EQ(help->Align(), Tk::TAlign::alBottom);
    EXPECT_EQ(help->BoundsRect().bottom(), w->clientRect().bottom());
}

TEST(PageElement, RelativeJumpButtonRecordsThePageItLeaves)
{
    const QString button =
        QStringLiteral("Back1: TAJumpBitBtn { JumpPage = -1 JumpMode = jmRelativ Width = 60 Height = 20 "
                       "OnClick = ElementClick %1 }")
            .arg(table(6, {5, 2}, {{}, {}, {10, 10}, {}, {}, {10, 10}}));
    auto form = load(wizardForm(6, 0, {}, button));
    TAssistent *w = form->wizard();
    auto *jump = form->component<TAJumpBitBtn>("Back1");
    form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    w->SetPage(5);
    QTest::mouseClick(jump, Qt::LeftButton);
    EXPECT_EQ(w->Page(), 4);
    EXPECT_EQ(w->History()->values(), QList<int>({5}));

    // The jump follows the button's own handler, from where that handler went.
    w->SetPage(5);
    form->onElementClick = [w] { w->SetPage(2); };
    QTest::mouseClick(jump, Qt::LeftButton);
    EXPECT_EQ(w->Page(), 1);
    EXPECT_EQ(w->History()->values(), QList<int>({5, 2}));
}

TEST(PageElement, HiddenJumpRadioButtonHasNoSayInNext)
{
    const QString radios = QStringLiteral("Jump1: TAJumpRadioBtn { JumpPage = 5 Checked = true %1 }"
                                          "Jump2: TAJumpRadioBtn { JumpPage = 2 JumpMode = jmRelativ %2 }")
                               .arg(table(6, {1}), table(6, {3}));
    auto form = load(wizardForm(6, 0, {}, radios));
    TAssistent *w = form->wizard();
    w->SetPage(1);
    EXPECT_EQ(w->NextTarget(), 5);
    w->Next();
    EXPECT_EQ(w->Page(), 5);   // page 5 hides Jump1
    EXPECT_EQ(w->NextTarget(), 6);
    w->SetPage(3);
    form->component<TAJumpRadioBtn>("Jump2")->SetChecked(true);
    EXPECT_EQ(w->NextTarget(), 5);
    w->SetPage(2);
    EXPECT_EQ(w->NextTarget(), 3);
}

TEST(PageElement, ParentForTheWizardPagesWrittenOnTheDialogPage)
{
    const QString children =
        QStringLiteral("Panel1: TAPanel { Left = 200 Top = 10 Width = 150 Height = 150 %1 }"
                       "Box1: TABox { Left = 5 Top = 6 %2 }")
            .arg(table(2, {0, 1, 2}, {{200, 10}, {200, 10}, {200, 10}}), table(2, {0, 1}, {{5, 6}, {7, 8}}));
    auto form = load(wizardForm(2, 0, {}, children));
    TAssistent *w = form->wizard();
    auto *panel = form->component<TAPanel>("Panel1");
    auto *box = form->component<TABox>("Box1");
    EXPECT_EQ(box->ParentInDialog(), w);
    box->SetParentInWizard(panel);
    EXPECT_EQ(box->Parent(), w);
    w->SetPage(1);
    EXPECT_EQ(box->Parent(), panel);
    EXPECT_EQ(box->BoundsRect().topLeft(), QPoint(7, 8));
    w->SetPage(0);
    EXPECT_EQ(box->Parent(), w);
    // Written on a wizard page, the wizard pages' parent applies at once.
    w->SetPage(1);
    box->SetParentInWizard(w);
    EXPECT_EQ(box->Parent(), w);
    EXPECT_EQ(box->ParentInDialog(), w);
    // Neither the element itself nor a control inside it can be a parent.
    box->SetParentInWizard(box);
    EXPECT_EQ(box->Parent(), w);
    box->SetParentInWizard(panel);
    EXPECT_THROW(panel->SetParentInWizard(box), std::invalid_argument);
}

TEST(PageElement, PositionAndParentAreRecordedForTheCurrentPage)
{
    const QString children = QStringLiteral("Panel1: TAPanel { %1 } Box1: TABox { %2 }")
                                 .arg(table(3, {0, 1, 2, 3}), table(3, {2}, {{}, {}, {1, 2}}));
    auto form = load(wizardForm(3, 0, {}, children));
    TAssistent *w = form->wizard();
    auto *box = form->component<TABox>("Box1");
    auto *panel = form->component<TAPanel>("Panel1");
    w->SetPage(2);
    box->SetBounds(30, 40, 50, 50);
    EXPECT_EQ(box->ShowContainer()->Get(2), (TApos{30, 40, 1}));
    box->SetParent(panel);
    EXPECT_EQ(box->ParentInWizard(), panel);
    EXPECT_EQ(box->ParentInDialog(), w);
    w->SetPage(3);
    w->SetPage(2);
    EXPECT_EQ(box->Parent(), panel);
    EXPECT_EQ(box->BoundsRect().topLeft(), QPoint(30, 40));
}

TEST(PageElement, WithoutAWizardAnElementSaysSoAndRecordsNothing)
{
    Dialogs::clearShown();
    auto form = load(QStringLiteral("Form1: WizardTestForm { Panel1: TPanel { } Box1: TABox { Left = 3 } }"));
    TestSupport::settle();
    ASSERT_EQ(Dialogs::shown().size(), 1);
    EXPECT_EQ(Dialogs::shown().first().text, QStringLiteral("No Assistent on Form!"));
    EXPECT_EQ(Dialogs::shown().first().type, Dialogs::MsgType::mtError);
    auto *box = form->component<TABox>("Box1");
    box->SetBounds(9, 9, 10, 10);
    EXPECT_EQ(box->ShowContainer()->Count(), 0);
    box->SetParentInDialog(form->component<TPanel>("Panel1"));
    EXPECT_EQ(box->Parent(), form.get());
    EXPECT_EQ(box->ParentInDialog(), nullptr);

    // An owner that is no form is refused.
    EXPECT_THROW(TABox(form->component<TPanel>("Panel1")), std::invalid_argument);
}

TEST(PageElement, RepeatedPageChangeTouchesNothing)
{
    const QString host = QStringLiteral("Host1: TAForm { FormCreate = fcOnDemand OnGetForm = AFormGetForm "
                                        "Width = 100 Height = 80 %1 }")
                             .arg(table(3, {1, 2}, {{0, 0}, {10, 10}, {20, 20}}));
    const QString children =
        QStringLiteral("Intro: TABox { AAlign = alClient %1 }"
                       "Help: TAPanel { AAlign = alTop Height = 30 %2 }"
                       "Group: TAGroupBox { %3 } Pic: TAImage { %4 } "
                       "Jump: TAJumpBitBtn { %5 } Radio: TAJumpRadioBtn { %6 }")
            .arg(table(3, {0}), table(3, {1, 2}, {{0, 0}, {0, 0}, {0, 90}}), table(3, {1}, {{}, {5, 50}}),
                 table(3, {2}, {{}, {}, {5, 50}}), table(3, {0, 1}, {{1, 1}, {2, 2}}), table(3, {1, 3}, {{}, {3, 3}}));
    auto form = load(wizardForm(3, 0, QStringLiteral("BtnNext.Show = true BtnNext.Enabled = true "
                                                     "BtnBack.Show = true BtnCancel.Show = true"),
                                host + children));
    TForm *hosted = new TForm(form.get());
    form->makeForm = [hosted] { return hosted; };
    TAssistent *w = form->wizard();
    form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));

    WriteCounter counter;
    for (QWidget *child : w->findChildren<QWidget *>())
        counter.watch(child);
    counter.watch(w);
    for (int page : {1, 2, 0}) {
        counter.count = 0;
        w->SetPage(page);
        TestSupport::settle();
        EXPECT_GT(counter.count, 0) << "page " << page << " moved nothing";
        counter.count = 0;
        counter.seen.clear();
        w->SetPage(page);
        TestSupport::settle();
        EXPECT_EQ(counter.count, 0) << "page " << page << ": " << counter.seen.join(u' ').toStdString();
    }
    EXPECT_EQ(form->getFormCalls, 1);
}
