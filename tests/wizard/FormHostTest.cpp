// The form host: when it obtains its form, how it embeds it, when and how it
// gives it back, and that a form moving the tour from its own handler is not
// destroyed under that handler.

#include "tests/wizard/WizardTestForm.h"

#include <gtest/gtest.h>

namespace {

using WizardTest::load;
using WizardTest::table;
using WizardTest::wizardForm;

// A product screen: it makes itself visible when created, as the contact
// history does, and its double-click moves the tour to page 2, as the
// account list does.
class ScreenForm : public TForm
{
    Q_OBJECT

public:
    explicit ScreenForm(QObject *owner)
        : TForm(owner)
    {
        FormReader::load(this, QStringLiteral(R"(Screen1: ScreenForm {
  Width = 200 Height = 100
  OnCreate = FormCreate
  OnDblClick = FormDblClick
  Grid: TPanel { Align = alClient }
})"),
                         QStringLiteral("screen.form"));
        doCreate();
    }

    QPointer<TAssistent> wizard;
    int dblClicks = 0;
    int nativeWindows = 0;

    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::WinIdChange)
            ++nativeWindows;
        return TForm::event(e);
    }

public slots:
    void FormCreate(QObject *) { SetVisible(true); }
    void FormDblClick(QObject *)
    {
        ++dblClicks;
        SetEnabled(false);
        wizard->SetPage(2);
        // The screen is still whole while its handler runs.
        SetTag(dblClicks);
    }
};

// A test form that can hand out forms while its definition is still being
// read.
class EagerForm : public WizardTestForm
{
    Q_OBJECT

public:
    explicit EagerForm(QObject *owner = nullptr)
        : WizardTestForm(owner)
    {
        makeForm = [this] {
            auto *f = new TForm(this);
            f->setObjectName(QStringLiteral("Early"));
            return f;
        };
    }
};

// A wizard of 3 pages with a host at (10, 10) 120 x 90 on page 1 and at
// (20, 30) on page 3.
WizardTest::Ptr<WizardTestForm> hostForm(Wz::TFormCreate mode, int page = 0)
{
    const char *modes[] = {"fcOnCreate", "fcOnDemand", "fcOnDemandFree"};
    const QString host = QStringLiteral("Host1: TAForm { FormCreate = %1 OnGetForm = AFormGetForm "
                                        "OnFreeForm = AFormFreeForm Left = 10 Top = 10 Width = 120 Height = 90 %2 }")
                             .arg(QLatin1String(modes[int(mode)]))
                             .arg(table(3, {1, 3}, {{}, {10, 10}, {}, {20, 30}}));
    return load(wizardForm(3, page, {}, host));
}

// Hands out plain forms owned by `owner`, counting them.
std::function<TForm *()> formsOf(TForm *owner, QList<QPointer<TForm>> *made)
{
    return [owner, made] {
        auto *f = new TForm(owner);
        f->setObjectName(QStringLiteral("Made%1").arg(made->size() + 1));
        *made << f;
        return f;
    };
}

} // namespace

TEST(FormHost, OnDemandFreeMakesAFreshFormOnEveryVisit)
{
    auto form = hostForm(Wz::TFormCreate::fcOnDemandFree);
    QList<QPointer<TForm>> made;
    form->makeForm = formsOf(form.get(), &made);
    TAssistent *w = form->wizard();
    auto *host = form->component<TAForm>("Host1");
    EXPECT_EQ(form->getFormCalls, 0);

    w->SetPage(1);
    ASSERT_EQ(made.size(), 1);
    TForm *first = made[0];
    EXPECT_EQ(host->HostedForm(), first);
    EXPECT_EQ(first->Parent(), host);
    EXPECT_EQ(first->BorderStyle(), Tk::TFormBorderStyle::bsNone);
    EXPECT_EQ(first->WindowState(), Tk::TWindowState::wsMaximized);
    EXPECT_EQ(first->geometry(), host->rect());
    EXPECT_TRUE(first->isVisibleTo(form.get()));
    first->SetTag(42);

    w->SetPage(2);
    ASSERT_EQ(form->freed.size(), 1u);
    EXPECT_EQ(form->freed[0].host, host);
    EXPECT_EQ(form->freed[0].parentThen, host);   // told while still hosted
    EXPECT_EQ(host->HostedForm(), nullptr);
    // Out of sight and out of the owner's list at once, deleted once the
    // event loop runs.
    ASSERT_FALSE(made[0].isNull());
    EXPECT_FALSE(made[0]->isVisible());
    EXPECT_EQ(Component::from(made[0])->owner(), nullptr);
    TestSupport::settle();
    EXPECT_TRUE(made[0].isNull());

    w->SetPage(1);
    ASSERT_EQ(made.size(), 2);
    EXPECT_EQ(made[1]->Tag(), 0);
    EXPECT_EQ(host->HostedForm(), made[1]);
    w->SetPage(3);   // the host again, elsewhere: the same form
    EXPECT_EQ(made.size(), 2);
    EXPECT_EQ(form->getFormCalls, 2);
}

TEST(FormHost, OnDemandKeepsItsFormUntilTheHostGoes)
{
    auto form = hostForm(Wz::TFormCreate::fcOnDemand);
    QList<QPointer<TForm>> made;
    form->makeForm = formsOf(form.get(), &made);
    TAssistent *w = form->wizard();
    auto *host = form->component<TAForm>("Host1");
    w->SetPage(2);
    EXPECT_TRUE(made.isEmpty());
    w->SetPage(1);
    ASSERT_EQ(made.size(), 1);
    made[0]->SetTag(7);
    w->SetPage(2);
    EXPECT_FALSE(made[0]->isVisibleTo(form.get()));
    w->SetPage(3);
    ASSERT_EQ(made.size(), 1);
    EXPECT_EQ(host->HostedForm(), made[0]);
    EXPECT_EQ(made[0]->Tag(), 7);
    EXPECT_TRUE(form->freed.empty());
}

TEST(FormHost, OnCreateObtainsTheFormWhenLoadingEnds)
{
    QList<QPointer<TForm>> made;
    auto form = hostForm(Wz::TFormCreate::fcOnCreate, 2);
    // Asked once at the end of loading, with nothing to give: asked again
    // when shown.
    EXPECT_EQ(form->getFormCalls, 1);
    auto *host = form->component<TAForm>("Host1");
    EXPECT_EQ(host->HostedForm(), nullptr);
    form->makeForm = formsOf(form.get(), &made);
    TAssistent *w = form->wizard();
    w->SetPage(1);
    ASSERT_EQ(made.size(), 1);
    EXPECT_EQ(host->HostedForm(), made[0]);
    w->SetPage(2);   // kept, hidden with its host
    EXPECT_EQ(host->HostedForm(), made[0]);
    EXPECT_FALSE(host->Visible());
    EXPECT_FALSE(made[0]->isVisibleTo(form.get()));
}

TEST(FormHost, OnCreateFormOfAHiddenHostStaysHiddenWithIt)
{
    const QString host = QStringLiteral("Host1: TAForm { OnGetForm = AFormGetForm Left = %1 Visible = false %2 }")
                             .arg(PageElement::HiddenLeft)
                             .arg(table(2, {1}));
    auto form = load<EagerForm>(wizardForm(2, 0, {}, host).replace(QStringLiteral("WizardTestForm"),
                                                                   QStringLiteral("EagerForm")));
    auto *h = form->component<TAForm>("Host1");
    TForm *early = h->HostedForm();
    ASSERT_TRUE(early);
    EXPECT_EQ(early->Parent(), h);
    EXPECT_TRUE(early->Visible());
    form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    EXPECT_FALSE(early->isVisible());
    form->wizard()->SetPage(1);
    EXPECT_TRUE(early->isVisible());
    EXPECT_EQ(early->geometry(), h->rect());
    EXPECT_EQ(form->getFormCalls, 1);
}

TEST(FormHost, AHostWithoutAFormAsksAgainInEveryMode)
{
    for (auto mode : {Wz::TFormCreate::fcOnCreate, Wz::TFormCreate::fcOnDemand, Wz::TFormCreate::fcOnDemandFree}) {
        auto form = hostForm(mode);
        TAssistent *w = form->wizard();
        const int atStart = form->getFormCalls;
        w->SetPage(1);
        w->SetPage(2);
        w->SetPage(3);
        EXPECT_EQ(form->getFormCalls - atStart, 2) << int(mode);
        EXPECT_EQ(form->component<TAForm>("Host1")->HostedForm(), nullptr);
    }
}

TEST(FormHost, HostedFormMovesResizesAndHidesWithTheHost)
{
    auto form = hostForm(Wz::TFormCreate::fcOnDemand);
    QList<QPointer<TForm>> made;
    form->makeForm = [&]() -> TForm * { return new ScreenForm(form.get()); };
    TAssistent *w = form->wizard();
    auto *host = form->component<TAForm>("Host1");
    w->SetPage(1);
    TForm *screen = host->HostedForm();
    ASSERT_TRUE(screen);
    auto *grid = qobject_cast<TPanel *>(screen->findComponent(u"Grid"));
    EXPECT_EQ(screen->mapTo(form.get(), QPoint()), QPoint(10, 10));
    EXPECT_EQ(grid->BoundsRect(), QRect(0, 0, 120, 90));
    w->SetPage(3);
    EXPECT_EQ(screen->mapTo(form.get(), QPoint()), QPoint(20, 30));
    host->SetBounds(20, 30, 200, 150);
    EXPECT_EQ(screen->geometry(), QRect(0, 0, 200, 150));
    EXPECT_EQ(grid->BoundsRect(), QRect(0, 0, 200, 150));

    form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    EXPECT_TRUE(screen->isVisible());
    w->SetPage(2);
    EXPECT_FALSE(screen->isVisible());
}

TEST(FormHost, DestroyingTheOwnerFreesEveryHostedFormAfterTellingIt)
{
    const QString hosts =
        QStringLiteral("HostA: TAForm { FormCreate = fcOnDemand OnGetForm = AFormGetForm OnFreeForm = AFormFreeForm %1 }"
                       "HostB: TAForm { FormCreate = fcOnCreate OnGetForm = AFormGetForm OnFreeForm = AFormFreeForm %2 }")
            .arg(table(2, {1}), table(2, {2}));
    auto form = load(wizardForm(2, 0, {}, hosts));
    QList<QPointer<TForm>> made;
    form->makeForm = formsOf(form.get(), &made);
    form->wizard()->SetPage(1);   // HostA makes one; HostB was given none at load time
    form->wizard()->SetPage(2);   // HostB asks again
    ASSERT_EQ(made.size(), 2);

    struct Told {
        QString host;
        QString form;
        bool intact;
    };
    auto told = std::make_shared<QList<Told>>();
    form->freeing = [told](QObject *host, TForm *f) {
        *told << Told{host->objectName(), f->objectName(), f->Parent() == host};
    };
    Component::free(form.release());
    Component::deleteFreed();
    ASSERT_EQ(told->size(), 2);
    for (const Told &t : *told)
        EXPECT_TRUE(t.intact) << t.host.toStdString();
    EXPECT_EQ((*told)[0].host, QStringLiteral("HostB"));   // last to first
    EXPECT_EQ((*told)[1].form, QStringLiteral("Made1"));
    EXPECT_TRUE(made[0].isNull());
    EXPECT_TRUE(made[1].isNull());
}

TEST(FormHost, AFailingScreenBecomesAMessageWhenTheVisitorMovesOn)
{
    auto form = hostForm(Wz::TFormCreate::fcOnDemandFree);
    form->makeForm = []() -> TForm * { throw std::runtime_error("the screen could not be made"); };
    TAssistent *w = form->wizard();
    w->BtnChangeWizard()->SetShow(true);
    w->BtnChangeWizard()->SetEnabled(true);
    form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    Dialogs::clearShown();
    QTest::mouseClick(w->ChangeButton(), Qt::LeftButton);
    TestSupport::settle();
    ASSERT_EQ(Dialogs::shown().size(), 1);
    EXPECT_EQ(Dialogs::shown().first().text, QStringLiteral("the screen could not be made."));
    // The page change went through; the host stands empty.
    EXPECT_EQ(w->Page(), 1);
    EXPECT_EQ(form->pageChanges, QList<int>{1});
    EXPECT_EQ(form->component<TAForm>("Host1")->HostedForm(), nullptr);
    // The next page that shows the host tries again.
    Dialogs::clearShown();
    w->SetPage(3);
    EXPECT_EQ(w->Page(), 3);
    TestSupport::settle();
    EXPECT_EQ(Dialogs::shown().size(), 1);
}

// A screen that moves the tour from its own double-click handler, so that
// the page change frees that same screen while the handler runs.
TEST(FormHost, ScreenFreedFromItsOwnHandlerGoesOnlyAfterTheHandler)
{
    auto form = hostForm(Wz::TFormCreate::fcOnDemandFree);
    TAssistent *w = form->wizard();
    QList<QPointer<ScreenForm>> screens;
    form->makeForm = [&]() -> TForm * {
        auto *s = new ScreenForm(form.get());
        s->wizard = w;
        screens << s;
        return s;
    };
    auto *host = form->component<TAForm>("Host1");
    form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    w->SetPage(1);
    ASSERT_EQ(screens.size(), 1);
    QPointer<ScreenForm> screen = screens[0];
    // Shown by its own OnCreate, it still never flashed up as a window of its
    // own before the host embedded it; alone, it appears as one.
    EXPECT_TRUE(screen->isVisible());
    EXPECT_EQ(screen->nativeWindows, 0);
    ScreenForm alone(nullptr);
    EXPECT_FALSE(alone.isVisible());
    TestSupport::settle();
    EXPECT_TRUE(alone.isVisible());
    EXPECT_TRUE(alone.isWindow());

    QTest::mouseDClick(screen.data(), Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_EQ(w->Page(), 2);
    ASSERT_FALSE(screen.isNull());   // its handler has only just returned
    EXPECT_EQ(screen->dblClicks, 1);
    EXPECT_EQ(screen->Tag(), 1);
    EXPECT_FALSE(screen->isVisible());
    EXPECT_TRUE(screen->isDestroying());
    EXPECT_EQ(host->HostedForm(), nullptr);
    EXPECT_EQ(form->findComponent(u"Screen1"), nullptr);
    ASSERT_EQ(form->freed.size(), 1u);
    EXPECT_EQ(form->freed[0].form, screen.data());
    EXPECT_EQ(form->freed[0].parentThen, host);

    TestSupport::settle();
    EXPECT_TRUE(screen.isNull());

    // Should the next page change come before the event loop has run, the
    // freed screen takes no part in it.
    w->SetPage(1);
    QPointer<ScreenForm> second = screens[1];
    QTest::mouseDClick(second, Qt::LeftButton, {}, QPoint(30, 30));
    w->SetPage(3);
    ASSERT_EQ(screens.size(), 3);
    EXPECT_EQ(host->HostedForm(), screens[2]);
    EXPECT_TRUE(screens[2]->isVisible());
    ASSERT_FALSE(second.isNull());
    EXPECT_EQ(second->dblClicks, 1);
    TestSupport::settle();
    EXPECT_TRUE(second.isNull());
}

#include "FormHostTest.moc"
