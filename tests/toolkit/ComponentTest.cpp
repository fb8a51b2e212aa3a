// Ownership, walks that create and free components, freeing from inside a
// handler, and the guard that keeps handlers from running during
// teardown.

#include "tests/support/TestSupport.h"

#include "toolkit/Dialogs.h"
#include "toolkit/FormReader.h"
#include "toolkit/TButton.h"
#include "toolkit/TEdit.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

class TOwnerForm : public TForm
{
    Q_OBJECT
public:
    using TForm::TForm;
    QPointer<TForm> child;
    int exits = 0;
    bool freeSelfOnClick = false;
public slots:
    void Button1Click(QObject *)
    {
        // Frees the form that owns the button, from inside its own handler.
        if (freeSelfOnClick)
            Component::free(this);
    }
    void Button2Click(QObject *) { throw std::runtime_error("Invalid batch move parameters"); }
    void Edit1Exit(QObject *)
    {
        ++exits;
        if (isDestroying())
            ++exitsWhileDestroying;
    }

public:
    static inline int exitsWhileDestroying = 0;
};

class Plain : public QObject, public Component
{
    Q_OBJECT
    Q_INTERFACES(Component)
public:
    explicit Plain(QObject *owner)
        : QObject(nullptr)
        , Component(this, owner)
    {
    }
};

TEST(Component, OwnerKeepsCreationOrderAndFreesWhatItOwns)
{
    QPointer<QObject> a, b, c;
    {
        TestSupport::FormPtr form(new TForm(nullptr));
        a = new Plain(form.get());
        b = new Plain(form.get());
        c = new Plain(form.get());
        a->setObjectName(QStringLiteral("A"));
        c->setObjectName(QStringLiteral("Cee"));
        ASSERT_EQ(form->componentCount(), 3);
        EXPECT_EQ(form->componentAt(0), a.data());
        EXPECT_EQ(form->componentAt(2), c.data());
        EXPECT_EQ(form->findComponent(u"cEE"), c.data());
        delete b.data();
        EXPECT_EQ(form->componentCount(), 2);
        EXPECT_EQ(form->componentAt(1), c.data());
    }
    EXPECT_TRUE(a.isNull());
    EXPECT_TRUE(c.isNull());
}

TEST(Component, WalkFromLastToFirstSurvivesAddingAndFreeingDuringTheWalk)
{
    TestSupport::FormPtr form(new TForm(nullptr));
    std::vector<QPointer<QObject>> made;
    for (int i = 0; i < 5; ++i) {
        made.emplace_back(new Plain(form.get()));
        made.back()->setObjectName(QStringLiteral("P%1").arg(i));
    }
    QStringList visited;
    const auto snapshot = form->componentSnapshot();
    for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it) {
        // A freed component leaves its owner at once, before it is deleted.
        if (!*it || Component::from(it->data())->owner() != form.get())
            continue;
        visited << (*it)->objectName();
        if ((*it)->objectName() == u"P3") {
            new Plain(form.get());            // created during the walk: not visited
            Component::free(made[1].data());  // freed before it is reached: skipped
        }
    }
    EXPECT_EQ(visited, QStringList({"P4", "P3", "P2", "P0"}));
    EXPECT_EQ(form->componentCount(), 5);
}

TEST(Component, FreeingAFormFromItsOwnHandlerWaitsUntilTheHandlerReturned)
{
    auto *form = new TOwnerForm(nullptr);
    QPointer<TOwnerForm> guard(form);
    FormReader::load(form, QStringLiteral("F: TOwnerForm {\n  Width = 200\n  Height = 100\n"
                                          "  Button1: TButton { Left = 10 Top = 10 OnClick = Button1Click }\n}"),
                     QStringLiteral("t.form"));
    form->doCreate();
    form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    form->freeSelfOnClick = true;
    auto *button = qobject_cast<TButton *>(form->findComponent(u"Button1"));
    ASSERT_TRUE(button);
    QTest::mouseClick(button, Qt::LeftButton);
    // The click handler freed the form: it is out of sight at once and gone
    // once the event loop ran; nothing touched it after its deletion.
    ASSERT_FALSE(guard.isNull());
    EXPECT_FALSE(guard->isVisible());
    EXPECT_TRUE(guard->isDestroying());
    EXPECT_EQ(form->findComponent(u"Button1"), button) << "the form is whole until it goes";
    TestSupport::settle();
    EXPECT_TRUE(guard.isNull());
}

TEST(Component, NoHandlerRunsWhileAFormIsTornDown)
{
    auto *form = new TOwnerForm(nullptr);
    FormReader::load(form, QStringLiteral("F: TOwnerForm {\n  Width = 200\n  Height = 100\n"
                                          "  Edit1: TEdit { OnExit = Edit1Exit }\n"
                                          "  Edit2: TEdit { Top = 40 }\n}"),
                     QStringLiteral("t.form"));
    form->doCreate();
    form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    QApplication::setActiveWindow(form);
    auto *edit1 = qobject_cast<TEdit *>(form->findComponent(u"Edit1"));
    auto *edit2 = qobject_cast<TEdit *>(form->findComponent(u"Edit2"));
    edit1->setFocus();
    edit2->setFocus();
    EXPECT_EQ(form->exits, 1) << "leaving Edit1 raises its exit event";
    edit1->setFocus();
    // Freeing takes the focus away from Edit1; its exit handler must not run
    // on a form that is going.
    TOwnerForm::exitsWhileDestroying = 0;
    Component::free(form);
    TestSupport::settle();
    EXPECT_EQ(TOwnerForm::exitsWhileDestroying, 0);
}

TEST(Component, AFailureInAHandlerEndsInTheStandardErrorBox)
{
    auto *form = new TOwnerForm(nullptr);
    TestSupport::FormPtr guard(form);
    FormReader::load(form, QStringLiteral("F: TOwnerForm {\n  Button2: TButton { OnClick = Button2Click }\n}"),
                     QStringLiteral("t.form"));
    form->doCreate();
    Dialogs::clearShown();
    qobject_cast<TButton *>(form->findComponent(u"Button2"))->Click();
    // The box opens once the click has been handled.
    EXPECT_TRUE(Dialogs::shown().isEmpty());
    TestSupport::settle();
    ASSERT_EQ(Dialogs::shown().size(), 1);
    EXPECT_EQ(Dialogs::shown()[0].text, QStringLiteral("Invalid batch move parameters."));
    EXPECT_EQ(Dialogs::shown()[0].type, Dialogs::MsgType::mtError);
}

#include "ComponentTest.moc"
