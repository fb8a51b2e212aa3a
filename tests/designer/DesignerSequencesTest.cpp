// Two sequences on the screen designer that once ended the program, with the
// events delivered as Qt's test library delivers them by default: straight
// to the widget named, past any pop-up that is open. Message boxes open for
// real, with their own loop and the focus they take.

#include "designer/usrdef2.h"
#include "tests/support/TourFixture.h"
#include "toolkit/Dialogs.h"
#include "toolkit/TBitBtn.h"
#include "toolkit/TButton.h"
#include "toolkit/TComboBox.h"
#include "toolkit/TStringGrid.h"
#include "toolkit/TTabSheet.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QMessageBox>
#include <QTest>

namespace {

// Presses OK in a message box once it has come up, taken the focus and waits
// for the user in its own loop.
class RealBoxes : public QObject
{
public:
    RealBoxes()
    {
        Dialogs::setResponder({});
        connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this, [this] {
            if (m_posted || !qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                return;
            m_posted = true;
            QMetaObject::invokeMethod(this, [this] { answer(); }, Qt::QueuedConnection);
        });
    }
    ~RealBoxes() override { TestSupport::restoreResponder(); }

private:
    void answer()
    {
        m_posted = false;
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        // Until the window system has made the box active, look again on the
        // loop's next round.
        if (!box || (!box->isActiveWindow() && ++m_rounds < 10))
            return;
        m_rounds = 0;
        if (QAbstractButton *ok = box->button(QMessageBox::Ok))
            QTest::mouseClick(ok, Qt::LeftButton);
    }

    bool m_posted = false;
    int m_rounds = 0;
};

class DesignerSequencesTest : public TourFixture
{
protected:
    void SetUp() override
    {
        TourFixture::SetUp();
        ASSERT_TRUE(TestSupport::showActive(Form1));
        // Reached by Next, as a visitor does, so that Back is enabled.
        gotoPage(14);
        QTest::mouseClick(wizard()->NextButton(), Qt::LeftButton);
        TestSupport::settle();
        fm = screen<Tusrdef2fm>();
        ASSERT_TRUE(fm);
        Dialogs::clearShown();
    }

    Tusrdef2fm *fm = nullptr;
};

TEST_F(DesignerSequencesTest, BackWhileTheButtonsListIsOpen)
{
    QPointer<Tusrdef2fm> designer(fm);
    // The double-click opens the drop-down list; Save and Back are pressed
    // while it is open and while the focus is on the screen.
    QTest::mouseDClick(fm->Buttonlist, Qt::LeftButton);
    QTest::mouseClick(fm->SaveBtn, Qt::LeftButton);
    QTest::mouseClick(wizard()->BackButton(), Qt::LeftButton);
    TestSupport::settle();
    EXPECT_EQ(wizard()->Page(), 14);
    EXPECT_TRUE(designer.isNull());
    EXPECT_FALSE(QApplication::activePopupWidget());
}

TEST_F(DesignerSequencesTest, APageNameTypedPastTwentyCharacters)
{
    RealBoxes boxes;
    fm->pagelist->SetFocus();
    fm->pagelist->SetRow(2);
    fm->pagelist->SetCol(1);
    const QString name = QStringLiteral("Twenty-five characters!!!");
    ASSERT_EQ(name.size(), 25);
    // Each key goes where the keyboard focus is: the first opens the cell
    // editor, the others are typed into it.
    for (const QChar c : name) {
        ASSERT_TRUE(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    }
    TestSupport::settle();
    QStringList texts;
    for (const auto &r : Dialogs::shown())
        texts << r.text;
    EXPECT_EQ(texts, QStringList{"20 characters maximum"});
    EXPECT_EQ(fm->pagelist->Cell(1, 2), name.left(20));
    EXPECT_TRUE(fm->pageSheet(2)->TabVisible());
    EXPECT_EQ(fm->pageSheet(2)->Caption(), name.left(20));
}

} // namespace
