#include "tests/support/TestSupport.h"

#include "toolkit/TComboBox.h"
#include "toolkit/TListBox.h"
#include "toolkit/TPanel.h"
#include "toolkit/TRadioButton.h"
#include "toolkit/TRadioGroup.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Counts events by "component:event".
class EventForm : public TForm
{
    Q_OBJECT

public:
    using TForm::TForm;
    QStringList events;
    int count(const QString &what) const { return int(events.count(what)); }

public slots:
    void Changed(QObject *sender) { events << sender->objectName() + QStringLiteral(":change"); }
    void Clicked(QObject *sender) { events << sender->objectName() + QStringLiteral(":click"); }
    void DblClicked(QObject *sender) { events << sender->objectName() + QStringLiteral(":dblclick"); }
};

const char *const kForm = R"(Form1: EventForm {
  Owner: TComboBox { Left = 8 Top = 8 Items = ("Area1", "Area2") MaxLength = 20 OnChange = Changed OnClick = Clicked }
  Pick: TComboBox { Left = 8 Top = 40 Style = csDropDownList Items = ("E-mail", "Letter", "Phone")
                    OnChange = Changed OnClick = Clicked }
  List: TListBox { Left = 200 Top = 8 Width = 150 Height = 100
                   Items = ("Primary contact", "Manager", "Managing Director", "Supervisor")
                   OnClick = Clicked OnDblClick = DblClicked }
  Group: TRadioGroup { Left = 8 Top = 120 Width = 258 Height = 197 ItemIndex = 0
                       Items = ("Main Account details only", "Stock held by manufacturer", "Stock held by product")
                       OnClick = Clicked }
  R1: TRadioButton { Left = 300 Top = 150 Caption = "Yes" Checked = true OnClick = Clicked }
  R2: TRadioButton { Left = 300 Top = 170 Caption = "No" OnClick = Clicked }
})";

class ListControlsTest : public testing::Test
{
protected:
    void SetUp() override
    {
        form = TestSupport::loadFormOf<EventForm>(QString::fromLatin1(kForm));
        owner = form->findChild<TComboBox *>(QStringLiteral("Owner"));
        pick = form->findChild<TComboBox *>(QStringLiteral("Pick"));
        list = form->findChild<TListBox *>(QStringLiteral("List"));
        group = form->findChild<TRadioGroup *>(QStringLiteral("Group"));
        ASSERT_TRUE(owner && pick && list && group);
        ASSERT_TRUE(TestSupport::showActive(form.get()));
    }
    QPoint itemCentre(int index) const { return list->ItemRect(index).center(); }

    std::unique_ptr<EventForm, TestSupport::FormDeleter> form;
    TComboBox *owner = nullptr;
    TComboBox *pick = nullptr;
    TListBox *list = nullptr;
    TRadioGroup *group = nullptr;
};

} // namespace

TEST_F(ListControlsTest, ComboBoxCodeRaisesNothing)
{
    owner->SetText(QStringLiteral("Area2"));
    EXPECT_EQ(owner->ItemIndex(), 1);
    owner->SetText(QStringLiteral("Elsewhere"));
    EXPECT_EQ(owner->Text(), QStringLiteral("Elsewhere"));
    EXPECT_EQ(owner->ItemIndex(), -1);
    owner->SetItemIndex(0);
    owner->AddItem(QStringLiteral("Area3"));
    owner->SetItems({QStringLiteral("A"), QStringLiteral("B")});
    owner->ClearItems();
    pick->SetItemIndex(2);
    EXPECT_EQ(pick->Text(), QStringLiteral("Phone"));
    pick->SetText(QStringLiteral("Letter"));
    EXPECT_EQ(pick->ItemIndex(), 1);
    EXPECT_TRUE(form->events.isEmpty()) << form->events.join(u',').toStdString();
}

TEST_F(ListControlsTest, ComboBoxUserEditsAndPicksRaiseChange)
{
    owner->setFocus();
    QTest::keyClicks(owner->lineEdit(), QStringLiteral("Ar"));
    EXPECT_EQ(owner->Text(), QStringLiteral("Ar"));
    EXPECT_EQ(owner->completer(), nullptr) << "the box completes nothing as it is typed into";
    EXPECT_EQ(form->count(QStringLiteral("Owner:change")), 2);
    EXPECT_EQ(form->count(QStringLiteral("Owner:click")), 0);
    // MaxLength holds for typing.
    QTest::keyClicks(owner->lineEdit(), QString(30, u'x'));
    EXPECT_EQ(owner->Text().size(), 20);

    form->events.clear();
    pick->setFocus();
    QTest::keyClick(pick, Qt::Key_Down);
    EXPECT_EQ(pick->ItemIndex(), 0);
    EXPECT_EQ(form->events, (QStringList{QStringLiteral("Pick:click"), QStringLiteral("Pick:change")}));
}

TEST_F(ListControlsTest, ListBoxClicksComeFromTheUserOnly)
{
    list->SetItemIndex(2);
    list->AddItem(QStringLiteral("Other"));
    list->DeleteItem(4);
    list->SetItemIndex(-1);
    EXPECT_TRUE(form->events.isEmpty());

    QWidget *vp = list->viewport();
    // A press that moves the selection clicks, and so does the release.
    QTest::mouseClick(vp, Qt::LeftButton, {}, itemCentre(1));
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_EQ(form->count(QStringLiteral("List:click")), 2);
    QTest::mouseClick(vp, Qt::LeftButton, {}, itemCentre(1));   // already selected
    EXPECT_EQ(form->count(QStringLiteral("List:click")), 3);
    QTest::mouseClick(vp, Qt::RightButton, {}, itemCentre(1));
    EXPECT_EQ(form->count(QStringLiteral("List:click")), 3);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(list->ItemIndex(), 2);
    EXPECT_EQ(form->count(QStringLiteral("List:click")), 4);
    QTest::mouseDClick(vp, Qt::LeftButton, {}, itemCentre(0));
    EXPECT_EQ(form->count(QStringLiteral("List:dblclick")), 1);
}

TEST_F(ListControlsTest, RadioGroupClicksOnEveryChangeOfItemIndex)
{
    // Loading set ItemIndex before Items and raised nothing.
    EXPECT_EQ(group->ItemIndex(), 0);
    EXPECT_TRUE(group->Button(0)->isChecked());
    EXPECT_TRUE(form->events.isEmpty());

    group->SetItemIndex(2);
    group->SetItemIndex(2);
    group->SetItemIndex(-1);
    EXPECT_EQ(form->count(QStringLiteral("Group:click")), 2);
    EXPECT_FALSE(group->Button(2)->isChecked());

    QTest::mouseClick(group->Button(1), Qt::LeftButton);
    EXPECT_EQ(group->ItemIndex(), 1);
    EXPECT_EQ(form->count(QStringLiteral("Group:click")), 3);
    QTest::mouseClick(group->Button(1), Qt::LeftButton);   // checked already
    EXPECT_EQ(form->count(QStringLiteral("Group:click")), 3);
}

TEST_F(ListControlsTest, RadioButtonClicksWhenTheUserChecksIt)
{
    auto *r1 = form->findChild<TRadioButton *>(QStringLiteral("R1"));
    auto *r2 = form->findChild<TRadioButton *>(QStringLiteral("R2"));
    QTest::mouseClick(r1, Qt::LeftButton, {}, QPoint(8, 8));   // checked already
    EXPECT_EQ(form->count(QStringLiteral("R1:click")), 0);
    QTest::mouseClick(r2, Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_TRUE(r2->Checked());
    EXPECT_FALSE(r1->Checked());
    EXPECT_EQ(form->count(QStringLiteral("R2:click")), 1);
    r1->SetChecked(true);   // code
    EXPECT_EQ(form->count(QStringLiteral("R1:click")), 0);
    EXPECT_FALSE(r2->Checked());
    EXPECT_TRUE(r1->Checked());
    // A click on the checked button keeps it checked.
    QTest::mouseClick(r1, Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_TRUE(r1->Checked());
    // The radio group's own buttons stand apart from these.
    EXPECT_EQ(group->ItemIndex(), 0);
    EXPECT_TRUE(group->Button(0)->isChecked());
    QTest::mouseClick(group->Button(2), Qt::LeftButton);
    EXPECT_TRUE(r1->Checked());
    EXPECT_FALSE(group->Button(0)->isChecked());
}

// A box placed on a form of another font shows that font in its size and,
// once it is dropped down, in its list; before and after the list exists.
TEST(TComboBox, TheDropDownListAndTheSizeFollowTheFont)
{
    auto form = TestSupport::loadForm(QStringLiteral(R"(Form1: TForm {
  Font.Name = "MS Sans Serif"
  Font.Height = -11
  Big: TPanel { Font.Name = "Times New Roman" Font.Height = -24 }
  Box: TComboBox { Items = ("E-mail", "Letter") Style = csDropDownList }
})"));
    auto *box = TestSupport::component<TComboBox>(form.get(), "Box");
    auto *big = TestSupport::component<TPanel>(form.get(), "Big");
    const int smallHeight = box->sizeHint().height();
    box->SetParent(big);
    EXPECT_EQ(box->font(), big->font());
    EXPECT_GT(box->sizeHint().height(), smallHeight);
    EXPECT_EQ(box->view()->font(), big->font());
    // With the list built, a change reaches it at once.
    box->SetParent(form.get());
    EXPECT_EQ(box->view()->font(), form->font());
    EXPECT_EQ(box->sizeHint().height(), smallHeight);
}

TEST(TRadioGroup, ButtonRects)
{
    // Eight lines in one column of a 258 x 197 box under a 16-pixel caption.
    const QList<QRect> one = TRadioGroup::buttonRects(258, 197, 16, 8, 1);
    ASSERT_EQ(one.size(), 8);
    EXPECT_EQ(one.first(), QRect(8, 17, 248, 22));
    EXPECT_EQ(one.last(), QRect(8, 171, 248, 22));

    // Two columns fill the first column first; an odd count leaves the last
    // place of the second column empty.
    const QList<QRect> two = TRadioGroup::buttonRects(361, 37, 16, 2, 2);
    EXPECT_EQ(two.at(0), QRect(8, 17, 175, 16));
    EXPECT_EQ(two.at(1), QRect(183, 17, 175, 16));
    const QList<QRect> five = TRadioGroup::buttonRects(200, 100, 16, 5, 2);
    EXPECT_EQ(five.at(2).left(), five.at(0).left());
    EXPECT_EQ(five.at(3).left(), five.at(4).left());
    EXPECT_GT(five.at(3).left(), five.at(0).left());
    EXPECT_EQ(five.at(3).top(), five.at(0).top());
    for (const QRect &r : five) {
        EXPECT_LE(r.right(), 200);
        EXPECT_LE(r.bottom(), 100);
    }
    EXPECT_TRUE(TRadioGroup::buttonRects(100, 100, 16, 0, 1).isEmpty());
    // Columns below one count as one.
    EXPECT_EQ(TRadioGroup::buttonRects(100, 100, 16, 2, 0).at(1).left(), 8);
}

#include "ListControlsTest.moc"

TEST(TListBox, AListNeverShownKeepsItsLinesSelectionAndQuiet)
{
    // The view takes its lines up only when shown or when its selection is
    // asked for; until then the lines, the selection and OnClick keep the
    // rules of a shown list.
    auto form = TestSupport::loadFormOf<EventForm>(QStringLiteral(R"(Form1: EventForm {
  Hidden: TListBox { Visible = false Sorted = true Items = ("Oakhurst", "Ashcombe", "Merrowfield") OnClick = Clicked }
})"));
    auto *list = form->findChild<TListBox *>(QStringLiteral("Hidden"));
    ASSERT_TRUE(list);
    EXPECT_EQ(list->Items(), (QStringList{QStringLiteral("Ashcombe"), QStringLiteral("Merrowfield"), QStringLiteral("Oakhurst")}));
    EXPECT_EQ(list->ItemIndex(), -1);
    EXPECT_FALSE(list->Selected(0));
    EXPECT_EQ(list->AddItem(QStringLiteral("Brackwell")), 1);
    list->SetItemIndex(2);
    EXPECT_EQ(list->ItemIndex(), 2);
    EXPECT_TRUE(list->Selected(2));
    list->DeleteItem(0);
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_EQ(list->Item(list->ItemIndex()), QStringLiteral("Merrowfield"));
    EXPECT_EQ(list->IndexOf(QStringLiteral("oakhurst")), 2);
    EXPECT_TRUE(form->events.isEmpty()) << form->events.join(u',').toStdString();
}
