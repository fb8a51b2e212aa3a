#include "tests/support/TestSupport.h"

#include "toolkit/AlignLayout.h"
#include "toolkit/TButton.h"
#include "toolkit/TEdit.h"
#include "toolkit/TPanel.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class KeyForm : public TForm
{
    Q_OBJECT

public:
    using TForm::TForm;
    QStringList clicks;

public slots:
    void Clicked(QObject *sender) { clicks << sender->objectName(); }
};

QStringList namesInTabOrder(const QWidget *parent)
{
    QStringList names;
    for (Control *c : Control::tabOrderList(parent))
        names << c->name();
    return names;
}

} // namespace

TEST(TabOrder, StoredOrderAndMoves)
{
    auto form = TestSupport::loadFormOf<KeyForm>(QStringLiteral(R"(Form1: KeyForm {
      E1: TEdit { Top = 0 TabOrder = 2 }
      E2: TEdit { Top = 30 TabOrder = 0 }
      E3: TEdit { Top = 60 TabOrder = 1 }
    })"));
    EXPECT_EQ(namesInTabOrder(form.get()), (QStringList{"E2", "E3", "E1"}));
    auto *e1 = form->findChild<TEdit *>(QStringLiteral("E1"));
    auto *e3 = form->findChild<TEdit *>(QStringLiteral("E3"));
    e1->SetTabOrder(0);
    EXPECT_EQ(namesInTabOrder(form.get()), (QStringList{"E1", "E2", "E3"}));
    EXPECT_EQ(e3->TabOrder(), 2);
    e1->SetTabOrder(99);   // past the end: last
    EXPECT_EQ(namesInTabOrder(form.get()), (QStringList{"E2", "E3", "E1"}));
    EXPECT_EQ(e1->TabOrder(), 2);
    e1->SetTabOrder(-5);
    EXPECT_EQ(e1->TabOrder(), 0);

    // The Tab key follows the order.
    ASSERT_TRUE(TestSupport::showActive(form.get()));
    TestSupport::settle();
    e1->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("E2"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("E3"));
}

TEST(DialogKeys, EscapeAndEnterReachTheButtonsOfTheInnermostForm)
{
    auto outer = TestSupport::loadFormOf<KeyForm>(QStringLiteral(R"(Form1: KeyForm {
      OuterEdit: TEdit { Top = 0 }
      OkBtn: TButton { Top = 30 Default = true OnClick = Clicked }
      CancelBtn: TButton { Top = 60 Cancel = true OnClick = Clicked }
      Host: TPanel { Top = 100 Width = 300 Height = 200 }
    })"));
    auto inner = TestSupport::loadFormOf<KeyForm>(QStringLiteral(R"(Form2: KeyForm {
      InnerEdit: TEdit { Top = 0 }
      InnerCancel: TButton { Top = 30 Cancel = true OnClick = Clicked }
      Hidden: TButton { Top = 60 Default = true Visible = false OnClick = Clicked }
    })"));
    inner->SetParent(outer->findChild<TPanel *>(QStringLiteral("Host")));
    inner->Show();
    ASSERT_TRUE(TestSupport::showActive(outer.get()));
    auto *outerEdit = outer->findChild<TEdit *>(QStringLiteral("OuterEdit"));
    auto *innerEdit = inner->findChild<TEdit *>(QStringLiteral("InnerEdit"));

    outerEdit->setFocus();
    QTest::keyClick(outerEdit, Qt::Key_Escape);
    QTest::keyClick(outerEdit, Qt::Key_Return);
    EXPECT_EQ(outer->clicks, (QStringList{"CancelBtn", "OkBtn"}));

    outer->clicks.clear();
    innerEdit->setFocus();
    QTest::keyClick(innerEdit, Qt::Key_Escape);
    EXPECT_EQ(inner->clicks, QStringList{"InnerCancel"});
    EXPECT_TRUE(outer->clicks.isEmpty());
    // The inner form's hidden default button takes nothing; the outer one does.
    QTest::keyClick(innerEdit, Qt::Key_Return);
    EXPECT_EQ(inner->clicks, QStringList{"InnerCancel"});
    EXPECT_EQ(outer->clicks, QStringList{"OkBtn"});

    // A disabled cancel button takes no key.
    outer->clicks.clear();
    outer->findChild<TButton *>(QStringLiteral("CancelBtn"))->SetEnabled(false);
    outerEdit->setFocus();
    QTest::keyClick(outerEdit, Qt::Key_Escape);
    EXPECT_TRUE(outer->clicks.isEmpty());
    inner.reset();
}

TEST(AlignLayout, EdgesThenClient)
{
    using A = Tk::TAlign;
    std::vector<AlignLayout::Item> items{
        {A::alClient, {0, 0, 10, 10}},  {A::alTop, {0, 50, 1, 10}},  {A::alTop, {0, 0, 1, 20}},
        {A::alBottom, {0, 0, 1, 15}},   {A::alLeft, {0, 0, 30, 1}},  {A::alRight, {0, 0, 25, 1}},
        {A::alNone, {7, 8, 9, 10}},
    };
    AlignLayout::arrange(QRect(0, 0, 200, 100), items);
    EXPECT_EQ(items[2].bounds, QRect(0, 0, 200, 20));     // the upper of the two tops first
    EXPECT_EQ(items[1].bounds, QRect(0, 20, 200, 10));
    EXPECT_EQ(items[3].bounds, QRect(0, 85, 200, 15));
    EXPECT_EQ(items[4].bounds, QRect(0, 30, 30, 55));
    EXPECT_EQ(items[5].bounds, QRect(175, 30, 25, 55));
    EXPECT_EQ(items[0].bounds, QRect(30, 30, 145, 55));
    EXPECT_EQ(items[6].bounds, QRect(7, 8, 9, 10));

    // Edges that take more than the room leave the client nothing, not less.
    std::vector<AlignLayout::Item> crowded{{A::alTop, {0, 0, 1, 80}}, {A::alBottom, {0, 0, 1, 40}},
                                           {A::alClient, {0, 0, 1, 1}}};
    AlignLayout::arrange(QRect(10, 10, 100, 100), crowded);
    EXPECT_EQ(crowded[0].bounds, QRect(10, 10, 100, 80));
    EXPECT_EQ(crowded[2].bounds.height(), 0);
}

TEST(AlignLayout, PanelsRealignWhenResized)
{
    auto form = TestSupport::loadForm(QStringLiteral(R"(Form1: TForm { Width = 400 Height = 300
      Toolbar: TPanel { Align = alTop Height = 29 }
      Bottom: TPanel { Align = alBottom Height = 60 BevelOuter = bvNone }
      Work: TPanel { Align = alClient BevelOuter = bvNone }
    })"));
    auto *work = form->findChild<TPanel *>(QStringLiteral("Work"));
    EXPECT_EQ(work->BoundsRect(), QRect(0, 29, 400, 300 - 29 - 60));
    form->SetBounds(0, 0, 500, 400);
    EXPECT_EQ(work->BoundsRect(), QRect(0, 29, 500, 400 - 29 - 60));
    form->findChild<TPanel *>(QStringLiteral("Toolbar"))->SetVisible(false);
    EXPECT_EQ(work->BoundsRect(), QRect(0, 0, 500, 400 - 60));
}

#include "FocusAndKeysTest.moc"
