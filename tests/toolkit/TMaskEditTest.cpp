#include "tests/support/TestSupport.h"

#include "toolkit/Dialogs.h"
#include "toolkit/TButton.h"
#include "toolkit/TEdit.h"
#include "toolkit/TMaskEdit.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class MaskForm : public TForm
{
    Q_OBJECT

public:
    using TForm::TForm;
    int exits = 0;
    int changes = 0;
    int cancels = 0;

public slots:
    void Date1Exit(QObject *) { ++exits; }
    void Date1Change(QObject *) { ++changes; }
    void CancelBtnClick(QObject *) { ++cancels; }
};

const char *const kMaskForm = R"(Form1: MaskForm {
  Date1: TMaskEdit { Left = 8 Top = 8 EditMask = "!00/00/0000;1;_" OnExit = Date1Exit OnChange = Date1Change }
  Other: TEdit { Left = 8 Top = 40 }
  CancelBtn: TButton { Left = 8 Top = 72 Caption = "Cancel" Cancel = true OnClick = CancelBtnClick }
})";

class TMaskEditTest : public testing::Test
{
protected:
    void SetUp() override
    {
        Dialogs::clearShown();
        form = TestSupport::loadFormOf<MaskForm>(QString::fromLatin1(kMaskForm));
        date = form->findChild<TMaskEdit *>(QStringLiteral("Date1"));
        other = form->findChild<TEdit *>(QStringLiteral("Other"));
        ASSERT_TRUE(date && other);
    }
    void focusDate()
    {
        ASSERT_TRUE(TestSupport::showActive(form.get()));
        date->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), date);
        date->setCursorPosition(0);
    }

    std::unique_ptr<MaskForm, TestSupport::FormDeleter> form;
    TMaskEdit *date = nullptr;
    TEdit *other = nullptr;
};

} // namespace

TEST_F(TMaskEditTest, TextShowsBlanksAsSpaces)
{
    EXPECT_EQ(date->Text(), QStringLiteral("  /  /    "));
    EXPECT_EQ(date->EditText(), QStringLiteral("__/__/____"));
    date->SetText(QStringLiteral(" 4/ 2/1998"));
    EXPECT_EQ(date->Text(), QStringLiteral(" 4/ 2/1998"));
    EXPECT_EQ(date->EditText(), QStringLiteral("_4/_2/1998"));
    date->SetText(QStringLiteral("14/12/1997"));
    EXPECT_EQ(date->Text(), QStringLiteral("14/12/1997"));
    date->SetText(QStringLiteral("  /  /    "));
    EXPECT_EQ(date->Text(), QStringLiteral("  /  /    "));
}

TEST_F(TMaskEditTest, SettingTheTextRaisesOneChange)
{
    date->SetText(QStringLiteral("14/12/1997"));
    EXPECT_EQ(form->changes, 1);
    date->SetText(QStringLiteral("14/12/1997"));
    EXPECT_EQ(form->changes, 1);
    date->SetEditMask(QString());
    EXPECT_EQ(form->changes, 1);
}

TEST_F(TMaskEditTest, TypingFillsTheDigitsAroundTheLiterals)
{
    focusDate();
    QTest::keyClicks(date, QStringLiteral("14121997"));
    EXPECT_EQ(date->Text(), QStringLiteral("14/12/1997"));
    // Letters do not fit a digit position.
    date->SetText(QString());
    date->setCursorPosition(0);
    QTest::keyClicks(date, QStringLiteral("x1"));
    EXPECT_EQ(date->Text(), QStringLiteral("1 /  /    "));
}

TEST_F(TMaskEditTest, PartlyTypedFieldKeepsTheFocus)
{
    focusDate();
    QTest::keyClicks(date, QStringLiteral("1412"));
    other->setFocus();
    TestSupport::settle();
    EXPECT_EQ(QApplication::focusWidget(), date);
    EXPECT_EQ(form->exits, 0);
    ASSERT_EQ(Dialogs::shown().size(), 1);
    EXPECT_EQ(Dialogs::shown().at(0).text, QStringLiteral("Invalid input value. Use escape key to abandon changes"));
    EXPECT_EQ(Dialogs::shown().at(0).type, Dialogs::MsgType::mtError);
    EXPECT_EQ(date->cursorPosition(), 6);

    // Completing the date lets the focus go.
    QTest::keyClicks(date, QStringLiteral("1997"));
    other->setFocus();
    EXPECT_EQ(QApplication::focusWidget(), other);
    EXPECT_EQ(form->exits, 1);
    EXPECT_EQ(Dialogs::shown().size(), 1);
}

TEST_F(TMaskEditTest, BlankFieldLeavesWithoutComplaint)
{
    focusDate();
    other->setFocus();
    EXPECT_EQ(QApplication::focusWidget(), other);
    EXPECT_EQ(form->exits, 1);
    EXPECT_TRUE(Dialogs::shown().isEmpty());
}

TEST_F(TMaskEditTest, EscapeAbandonsTheChangesThenReachesTheCancelButton)
{
    date->SetText(QStringLiteral("14/12/1997"));
    focusDate();
    QTest::keyClicks(date, QStringLiteral("01"));
    EXPECT_EQ(date->Text(), QStringLiteral("01/12/1997"));
    QTest::keyClick(date, Qt::Key_Escape);
    EXPECT_EQ(date->Text(), QStringLiteral("14/12/1997"));
    EXPECT_EQ(form->cancels, 0);
    QTest::keyClick(date, Qt::Key_Escape);
    EXPECT_EQ(form->cancels, 1);

    // A partly typed value is abandoned after the refusal too.
    date->setCursorPosition(0);
    QTest::keyClick(date, Qt::Key_Backspace);
    QTest::keyClick(date, Qt::Key_Delete);
    other->setFocus();
    EXPECT_EQ(QApplication::focusWidget(), date);
    QTest::keyClick(date, Qt::Key_Escape);
    EXPECT_EQ(date->Text(), QStringLiteral("14/12/1997"));
    other->setFocus();
    EXPECT_EQ(QApplication::focusWidget(), other);
}

TEST_F(TMaskEditTest, RemovingTheMaskKeepsThePlainText)
{
    date->SetText(QStringLiteral("14/12/1997"));
    date->SetEditMask(QString());
    EXPECT_FALSE(date->IsMasked());
    EXPECT_EQ(date->Text(), QStringLiteral("14/12/1997"));
    date->SetMaxLength(4);
    date->SetText(QStringLiteral("abcdefgh"));
    EXPECT_EQ(date->Text(), QStringLiteral("abcd"));

    // A mask takes over what fits it, and MaxLength holds again without it.
    date->SetEditMask(QStringLiteral("!00/00/0000;1;_"));
    EXPECT_EQ(date->Text(), QStringLiteral("  /  /    "));
    date->SetEditMask(QString());
    EXPECT_EQ(date->Text(), QStringLiteral("  / "));
    date->SetText(QStringLiteral("123456"));
    EXPECT_EQ(date->Text(), QStringLiteral("1234"));
}

TEST_F(TMaskEditTest, UnmaskedFieldIsNeverRefused)
{
    date->SetEditMask(QString());
    focusDate();
    QTest::keyClicks(date, QStringLiteral("1"));
    other->setFocus();
    EXPECT_EQ(QApplication::focusWidget(), other);
    EXPECT_TRUE(Dialogs::shown().isEmpty());
}

#include "TMaskEditTest.moc"
