// The user-defined screens designer on tour page 15: page names, Add of every
// kind of item, selection with the stretch handle, renaming, fonts, Delete,
// the removal question and dragging an item with the mouse.

// Mouse input goes through the window, as a real press does, so that the
// handle's grab of the mouse after a press is honoured.
#define QTEST_QPA_MOUSE_HANDLING

#include "data/TDBGrid.h"
#include "designer/TStretchHandle.h"
#include "designer/usrdef2.h"
#include "tests/support/TourFixture.h"
#include "toolkit/Dialogs.h"
#include "toolkit/TButton.h"
#include "toolkit/TCheckBox.h"
#include "toolkit/TComboBox.h"
#include "toolkit/TEdit.h"
#include "toolkit/TFontDialog.h"
#include "toolkit/TLabel.h"
#include "toolkit/TMemo.h"
#include "toolkit/TPageControl.h"
#include "toolkit/TRadioGroup.h"
#include "toolkit/TSpeedButton.h"
#include "toolkit/TStringGrid.h"
#include "toolkit/TTabSheet.h"

#include <QApplication>
#include <QTest>

namespace {

// Answers the removal question with Cancel while it lives.
class CancelEveryBox
{
public:
    CancelEveryBox()
    {
        Dialogs::setResponder([](const Dialogs::Request &r) {
            return r.buttons.testFlag(Dialogs::MsgButton::mbCancel) ? int(Dialogs::mrCancel) : int(Dialogs::mrOk);
        });
    }
    ~CancelEveryBox() { TestSupport::restoreResponder(); }
};

class DesignerScreenTest : public TourFixture
{
protected:
    void SetUp() override
    {
        TourFixture::SetUp();
        gotoPage(15);
        fm = screen<Tusrdef2fm>();
        ASSERT_TRUE(fm);
        Dialogs::clearShown();
    }

    void TearDown() override
    {
        if (QWidget *grabber = QWidget::mouseGrabber())
            grabber->releaseMouse();
        TourFixture::TearDown();
    }

    // The user picks entry `index` of a drop-down list.
    static void pick(TComboBox *list, int index)
    {
        list->setCurrentIndex(index);
        emit list->activated(index);
    }

    // Picks field entry `field` (and for a label its text) and presses Add.
    void add(int field, const QString &text = QString())
    {
        pick(fm->Fieldlist2, field);
        if (!text.isNull())
            fm->Edit1->SetText(text);
        fm->Addbtn->click();
        TestSupport::settle();
    }

    void addButton(int entry)
    {
        pick(fm->Buttonlist, entry);
        fm->Addbtn->click();
        TestSupport::settle();
    }

    template<typename T = QWidget>
    T *item(const char *name) const
    {
        return fm->findChild<T *>(QString::fromLatin1(name));
    }

    // A plain click: press and release at one point.
    static void click(QWidget *w, const QPoint &at = QPoint(5, 5))
    {
        QTest::mousePress(w, Qt::LeftButton, {}, at);
        QTest::mouseRelease(w, Qt::LeftButton, {}, at);
        TestSupport::settle();
    }

    void setPageName(int row, const QString &name)
    {
        fm->pagelist->SetCell(1, row, name);
        fm->pagelistClick(fm->pagelist);
    }

    QStringList shownTexts() const
    {
        QStringList texts;
        for (const auto &r : Dialogs::shown())
            texts << r.text;
        return texts;
    }

    Tusrdef2fm *fm = nullptr;
};

TEST_F(DesignerScreenTest, OpensWithTheFirstPageNamedAndActive)
{
    EXPECT_EQ(fm->Caption(), "New user defined screen");
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(fm->pagelist->Cell(0, i), QString::number(i + 1));
    EXPECT_EQ(fm->pagelist->Cell(1, 0), "Page1");
    EXPECT_EQ(fm->pageSheet(0)->Caption(), "Page1");
    EXPECT_EQ(fm->tabControl1->ActivePage(), fm->pageSheet(0));
    for (int i = 0; i < fm->tabControl1->PageCount(); ++i)
        EXPECT_EQ(fm->tabControl1->Pages(i)->TabVisible(), i == 0) << i;
    EXPECT_TRUE(fm->pagesDefined());
    EXPECT_EQ(fm->itemCounter(), 0);
    EXPECT_FALSE(fm->StretchHandle1->isVisible());
    for (const char *name : {"SpeedButton1", "Scripts", "RunScript", "SpeedButton13", "NextButton1", "NAccGrp", "Ngrpgrid"})
        EXPECT_FALSE(item(name)->isVisible()) << name;
}

TEST_F(DesignerScreenTest, PageNamesShowAndHideTabs)
{
    setPageName(1, "Contacts");
    EXPECT_TRUE(fm->pageSheet(1)->TabVisible());
    EXPECT_EQ(fm->pageSheet(1)->Caption(), "Contacts");
    setPageName(1, "");
    EXPECT_FALSE(fm->pageSheet(1)->TabVisible());

    // With every name cleared no page is defined; Add brings "Page1" back.
    setPageName(0, "");
    EXPECT_FALSE(fm->pagesDefined());
    EXPECT_FALSE(fm->pageSheet(0)->TabVisible());
    fm->Addbtn->click();
    EXPECT_TRUE(fm->pagesDefined());
    EXPECT_EQ(fm->pagelist->Cell(1, 0), "Page1");
    EXPECT_TRUE(fm->pageSheet(0)->TabVisible());
    EXPECT_TRUE(Dialogs::shown().isEmpty());
}

TEST_F(DesignerScreenTest, ALongPageNameIsRefusedAndCut)
{
    setPageName(2, "Third");
    const QString name = QStringLiteral("Twenty-five characters!!!");
    ASSERT_EQ(name.size(), 25);
    setPageName(2, name);
    // The pass keeps the earlier caption; the user is told once the grid's
    // own handling has ended.
    EXPECT_EQ(fm->pageSheet(2)->Caption(), "Third");
    EXPECT_TRUE(Dialogs::shown().isEmpty());
    TestSupport::settle();
    EXPECT_EQ(shownTexts(), QStringList{"20 characters maximum"});
    EXPECT_EQ(Dialogs::shown().first().type, Dialogs::MsgType::mtError);
    EXPECT_EQ(fm->pagelist->Cell(1, 2), name.left(20));
    EXPECT_EQ(fm->pageSheet(2)->Caption(), name.left(20));
    // Later passes take the cut name without a word.
    fm->pagelistClick(fm->pagelist);
    TestSupport::settle();
    EXPECT_EQ(Dialogs::shown().size(), 1);
}

TEST_F(DesignerScreenTest, LeavingTheGridAppliesTheNames)
{
    ASSERT_TRUE(TestSupport::showActive(Form1));
    fm->pagelist->SetFocus();
    fm->pagelist->SetRow(3);
    fm->pagelist->SetCol(1);
    // Typing opens the cell editor; every key applies the names typed so
    // far, and leaving the grid applies the last of them.
    QTest::keyClick(fm->pagelist, 'S');
    ASSERT_NE(QApplication::focusWidget(), fm->pagelist);
    QTest::keyClicks(QApplication::focusWidget(), "ales");
    TestSupport::settle();
    fm->Edit1->SetFocus();
    TestSupport::settle();
    EXPECT_TRUE(fm->pageSheet(3)->TabVisible());
    EXPECT_EQ(fm->pageSheet(3)->Caption(), "Sales");
}

TEST_F(DesignerScreenTest, HidingTheActivePagesTabMovesToAShownPage)
{
    setPageName(1, "Second");
    fm->Button1->click();
    ASSERT_EQ(fm->tabControl1->ActivePage(), fm->pageSheet(1));
    setPageName(1, "");
    EXPECT_EQ(fm->tabControl1->ActivePage(), fm->pageSheet(0));
    add(1);
    EXPECT_EQ(item("N0")->parentWidget(), fm->pageSheet(0));
}

TEST_F(DesignerScreenTest, NextPageStepsRoundTheShownTabs)
{
    setPageName(2, "Three");
    setPageName(5, "Six");
    QList<TTabSheet *> seen;
    for (int i = 0; i < 4; ++i) {
        fm->Button1->click();
        seen << fm->tabControl1->ActivePage();
    }
    EXPECT_EQ(seen, (QList<TTabSheet *>{fm->pageSheet(2), fm->pageSheet(5), fm->pageSheet(0), fm->pageSheet(2)}));
}

TEST_F(DesignerScreenTest, AddPutsAFieldOnTheActivePageWithTheNextName)
{
    add(1);
    auto *n0 = item<TEdit>("N0");
    ASSERT_TRUE(n0);
    EXPECT_EQ(n0->Text(), "Account number");
    EXPECT_EQ(n0->Hint(), "1");
    EXPECT_EQ(n0->parentWidget(), fm->pageSheet(0));
    EXPECT_EQ(n0->owner(), fm->pageSheet(0));
    EXPECT_EQ(n0->BoundsRect(), QRect(30, 40, 121, 25));
    EXPECT_TRUE(n0->isVisible());
    add(1);
    auto *n1 = item<TEdit>("N1");
    ASSERT_TRUE(n1);
    EXPECT_EQ(n1->BoundsRect().topLeft(), QPoint(30, 40));
    EXPECT_EQ(fm->itemCounter(), 2);

    // The bevel and the salesman are plain edit boxes too; notes a memo.
    add(53);
    EXPECT_EQ(item<TEdit>("N2")->Text(), "--bevel--");
    add(19);
    auto *memo = item<TMemo>("N3");
    ASSERT_TRUE(memo);
    EXPECT_EQ(memo->Text(), "Notes");
    EXPECT_EQ(memo->Hint(), "19");
    EXPECT_EQ(memo->BoundsRect(), QRect(30, 40, 185, 89));
}

TEST_F(DesignerScreenTest, DateFieldsComeWithACalendarButtonAndTheMustBox)
{
    add(17);
    auto *edit = item<TEdit>("N0");
    auto *button = item<TSpeedButton>("N1");
    auto *check = item<TCheckBox>("N2");
    ASSERT_TRUE(edit && button && check);
    EXPECT_EQ(edit->BoundsRect(), QRect(50, 40, 121, 25));
    EXPECT_EQ(edit->Text(), "Next contact date");
    EXPECT_EQ(button->BoundsRect(), QRect(50, 60, 25, 25));
    EXPECT_EQ(button->Hint(), "171");
    EXPECT_EQ(button->GlyphName(), fm->SpeedButton3->GlyphName());
    EXPECT_EQ(button->NumGlyphs(), 2);
    EXPECT_EQ(check->BoundsRect(), QRect(50, 70, 97, 17));
    EXPECT_EQ(check->Caption(), "Must");
    EXPECT_EQ(check->Hint(), "172");
    EXPECT_FALSE(check->hasHandler("OnMouseUp"));

    add(14);
    EXPECT_EQ(item<TSpeedButton>("N4")->Hint(), "141");
    EXPECT_FALSE(item("N5"));
}

TEST_F(DesignerScreenTest, ALabelIsRenamedThroughTheTextBox)
{
    add(0, "Total");
    auto *label = item<TLabel>("N0");
    ASSERT_TRUE(label);
    EXPECT_EQ(label->Caption(), "Total");
    EXPECT_EQ(label->Hint(), "Total");
    EXPECT_EQ(label->BoundsRect().topLeft(), QPoint(30, 40));
    fm->Edit1->SetText(QString());

    click(label);
    EXPECT_TRUE(fm->labelSelected());
    EXPECT_TRUE(fm->selectionOnPage());
    EXPECT_EQ(fm->Edit1->Text(), "Total");
    EXPECT_FALSE(fm->StretchHandle1->isVisible()) << "a plain click lets the handle go";
    QTest::keyClicks(fm->Edit1, "s");
    EXPECT_EQ(label->Caption(), "Totals");

    // Choosing a field empties the text box, and with it the label.
    pick(fm->Fieldlist2, 2);
    EXPECT_EQ(label->Caption(), "");
}

TEST_F(DesignerScreenTest, OnlyOneListHoldsAChoice)
{
    pick(fm->Fieldlist2, 3);
    pick(fm->Buttonlist, 5);
    EXPECT_EQ(fm->Fieldlist2->ItemIndex(), -1);
    pick(fm->Fieldlist2, 4);
    EXPECT_EQ(fm->Buttonlist->ItemIndex(), -1);
    // With no choice in either list Add creates nothing.
    fm->Fieldlist2->SetItemIndex(-1);
    fm->Addbtn->click();
    EXPECT_EQ(fm->itemCounter(), 0);
}

TEST_F(DesignerScreenTest, ButtonEntriesShowTheirToolbarControlsOnce)
{
    addButton(2);
    EXPECT_TRUE(item("SpeedButton3")->isVisible());
    addButton(2);
    EXPECT_EQ(fm->itemCounter(), 0) << "toolbar controls exist once";
    addButton(12);
    EXPECT_TRUE(fm->Scripts->isVisible());
    EXPECT_TRUE(fm->RunScript->isVisible());

    // "Run script" asks "Remove ?"; Cancel keeps both, OK hides both.
    {
        CancelEveryBox cancel;
        click(fm->RunScript);
    }
    EXPECT_EQ(shownTexts(), QStringList{"Remove ?"});
    EXPECT_EQ(Dialogs::shown().first().type, Dialogs::MsgType::mtConfirmation);
    EXPECT_TRUE(fm->RunScript->isVisible());
    click(fm->RunScript);
    EXPECT_FALSE(fm->RunScript->isVisible());
    EXPECT_FALSE(fm->Scripts->isVisible());
    // A hidden control comes back with the next Add.
    addButton(12);
    EXPECT_TRUE(fm->Scripts->isVisible());
}

TEST_F(DesignerScreenTest, DeleteRemovesTheSelectedItem)
{
    add(1);
    add(8);
    auto *n0 = item<TEdit>("N0");
    QPointer<TEdit> n1 = item<TEdit>("N1");
    // N1 lies over N0; press it and let go.
    click(n1);
    EXPECT_TRUE(fm->controlSelected());
    EXPECT_EQ(fm->selectedControl(), n1.data());
    fm->DeleteBtn->click();
    TestSupport::settle();
    EXPECT_TRUE(n1.isNull());
    EXPECT_FALSE(fm->StretchHandle1->isVisible());
    EXPECT_FALSE(fm->controlSelected());
    EXPECT_TRUE(n0);

    // A selected label goes the same way; with nothing selected Delete only
    // clears the selection.
    add(0, "Caption");
    QPointer<TLabel> label = item<TLabel>("N2");
    click(label);
    fm->DeleteBtn->click();
    TestSupport::settle();
    EXPECT_TRUE(label.isNull());
    fm->DeleteBtn->click();
    EXPECT_TRUE(item("N0"));
    EXPECT_TRUE(Dialogs::shown().isEmpty());
}

TEST_F(DesignerScreenTest, TheGroupListMovesOntoThePageAndIsHiddenTogether)
{
    add(42);
    EXPECT_EQ(fm->NAccGrp->parentWidget(), fm->pageSheet(0));
    EXPECT_EQ(fm->Ngrpgrid->parentWidget(), fm->pageSheet(0));
    EXPECT_EQ(fm->NAccGrp->BoundsRect().topLeft(), QPoint(30, 50));
    EXPECT_EQ(fm->Ngrpgrid->BoundsRect().topLeft(), QPoint(30, 100));
    EXPECT_TRUE(fm->NAccGrp->isVisible());
    EXPECT_TRUE(fm->Ngrpgrid->isVisible());
    EXPECT_EQ(fm->itemCounter(), 0);

    ASSERT_TRUE(TestSupport::showActive(Form1));
    fm->Ngrpgrid->setFocus();
    TestSupport::settle();
    EXPECT_TRUE(fm->controlSelected());
    EXPECT_EQ(fm->selectedControl(), fm->Ngrpgrid);
    EXPECT_EQ(fm->StretchHandle1->ControlAt(0), fm->Ngrpgrid);
    fm->DeleteBtn->click();
    EXPECT_FALSE(fm->NAccGrp->isVisible());
    EXPECT_FALSE(fm->Ngrpgrid->isVisible());
    EXPECT_FALSE(fm->StretchHandle1->isVisible());

    // Picking the other group asks too.
    add(42);
    fm->NAccGrp->SetItemIndex(1);
    EXPECT_EQ(shownTexts(), QStringList{"Remove ?"});
    EXPECT_FALSE(fm->NAccGrp->isVisible());
}

TEST_F(DesignerScreenTest, TheNextButtonIsRemovedByItsQuestionNotByDelete)
{
    addButton(19);
    ASSERT_TRUE(fm->NextButton1->isVisible());
    {
        CancelEveryBox cancel;
        click(fm->NextButton1);
    }
    EXPECT_TRUE(fm->controlSelected());
    EXPECT_FALSE(fm->selectionOnPage());
    EXPECT_EQ(shownTexts(), QStringList{"Remove ?"});
    fm->DeleteBtn->click();
    EXPECT_TRUE(fm->NextButton1->isVisible());
    EXPECT_FALSE(fm->StretchHandle1->isVisible());
    click(fm->NextButton1);
    EXPECT_FALSE(fm->NextButton1->isVisible());
    EXPECT_FALSE(fm->StretchHandle1->isVisible());
}

TEST_F(DesignerScreenTest, ACalendarButtonIsDestroyedAfterItsOwnClick)
{
    add(14);
    QPointer<TSpeedButton> button = item<TSpeedButton>("N1");
    ASSERT_TRUE(button);
    {
        CancelEveryBox cancel;
        click(button);
    }
    ASSERT_TRUE(button);
    // The button has no mouse-up handler, so the handle stays over it and
    // takes the next press; a click on the free area lets it go.
    EXPECT_EQ(fm->StretchHandle1->ControlAt(0), button.data());
    click(button);
    EXPECT_TRUE(button);
    EXPECT_EQ(Dialogs::shown().size(), 1);
    click(fm, QPoint(10, 40));
    EXPECT_FALSE(fm->StretchHandle1->isVisible());
    click(button);
    EXPECT_TRUE(button.isNull());
    EXPECT_FALSE(fm->StretchHandle1->isVisible());
    EXPECT_EQ(fm->StretchHandle1->ControlCount(), 0);
    EXPECT_TRUE(item("N0"));
}

TEST_F(DesignerScreenTest, FontGoesToLabelsEditsAndMemosOnly)
{
    TFontDialog::setResponder([](TFontDialog &d) {
        d.Font()->SetName(QStringLiteral("Times New Roman"));
        d.Font()->SetHeight(-16);
        return true;
    });
    // Each item is pressed before the next is added over it.
    add(0, "Head");
    auto *label = item<TLabel>("N0");
    click(label);
    fm->FontBtn->click();
    add(1);
    auto *edit = item<TEdit>("N1");
    click(edit);
    fm->FontBtn->click();
    add(17);
    auto *check = item<TCheckBox>("N4");
    click(check, QPoint(60, 8));
    fm->FontBtn->click();
    TFontDialog::setResponder([](TFontDialog &) { return false; });
    EXPECT_EQ(label->Font()->Height(), -16);
    EXPECT_EQ(edit->Font()->Height(), -16);
    EXPECT_EQ(check->Font()->Height(), -11);
}

TEST_F(DesignerScreenTest, SaveAndCancelChangeNothing)
{
    add(1);
    const QRect before = item("N0")->geometry();
    fm->SaveBtn->click();
    fm->Cancelbtn->click();
    TestSupport::settle();
    EXPECT_EQ(screen<Tusrdef2fm>(), fm);
    EXPECT_EQ(item("N0")->geometry(), before);
    EXPECT_EQ(fm->itemCounter(), 1);
    EXPECT_TRUE(Dialogs::shown().isEmpty());
}

TEST_F(DesignerScreenTest, DraggingAFieldMovesItAndItsCornerResizesIt)
{
    add(1);
    auto *edit = item<TEdit>("N0");
    TStretchHandle *handle = fm->StretchHandle1;
    // Press on the field, move, release: the field moves by the distance
    // from the first move, less 2.
    QTest::mousePress(edit, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(handle->ControlAt(0), edit);
    QTest::mouseMove(edit, QPoint(22, 12));
    QTest::mouseMove(edit, QPoint(52, 42));
    QTest::mouseRelease(edit, Qt::LeftButton, {}, QPoint(52, 42));
    TestSupport::settle();
    EXPECT_EQ(edit->BoundsRect(), QRect(58, 68, 121, 25));
    EXPECT_TRUE(handle->isVisible()) << "after a drag the handle stays on the field";
    EXPECT_EQ(handle->BoundsRect(), QRect(56, 66, 126, 30));

    // The bottom-right square of the handle resizes.
    const QPoint corner(handle->Width() - 2, handle->Height() - 2);
    QTest::mouseMove(handle, corner);
    QTest::mousePress(handle, Qt::LeftButton, {}, corner);
    QTest::mouseMove(handle, corner + QPoint(20, 13));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, corner + QPoint(20, 13));
    EXPECT_EQ(edit->BoundsRect(), QRect(58, 68, 138, 35));
    // The arrow keys nudge the selected field by one pixel.
    QTest::keyClick(handle, Qt::Key_Right);
    QTest::keyClick(handle, Qt::Key_Up);
    EXPECT_EQ(edit->BoundsRect(), QRect(59, 67, 138, 35));
    // A click on the free area of the form lets the handle go.
    fm->FormClick(fm);
    EXPECT_FALSE(handle->isVisible());
}

TEST_F(DesignerScreenTest, ItemsLiveOnlyAsLongAsTheScreen)
{
    add(1);
    add(0, "Gone");
    QPointer<QWidget> edit = item("N0");
    gotoPage(10);
    EXPECT_TRUE(edit.isNull());
    gotoPage(15);
    fm = screen<Tusrdef2fm>();
    ASSERT_TRUE(fm);
    EXPECT_EQ(fm->itemCounter(), 0);
    add(1);
    EXPECT_TRUE(item("N0"));
}

} // namespace
