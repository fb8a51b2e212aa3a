#include "tests/support/TestSupport.h"

#include "toolkit/TFontDialog.h"
#include "toolkit/TLabel.h"
#include "toolkit/TOpenDialog.h"

#include <gtest/gtest.h>

namespace {

// Puts the test main's cancelling responders back after each test.
class StandardDialogsTest : public testing::Test
{
protected:
    void TearDown() override
    {
        TOpenDialog::setResponder([](TOpenDialog &) { return false; });
        TFontDialog::setResponder([](TFontDialog &) { return false; });
    }
};

} // namespace

TEST_F(StandardDialogsTest, FiltersForQt)
{
    EXPECT_EQ(TOpenDialog::qtFilters(QString()), QStringList());
    EXPECT_EQ(TOpenDialog::qtFilters(QStringLiteral("Text files|*.txt|Pictures|*.bmp;*.png|All files|*.*")),
              (QStringList{QStringLiteral("Text files (*.txt)"), QStringLiteral("Pictures (*.bmp *.png)"),
                           QStringLiteral("All files (*.*)")}));
    // A description without patterns is dropped.
    EXPECT_EQ(TOpenDialog::qtFilters(QStringLiteral("Text|*.txt|Odd")), QStringList{QStringLiteral("Text (*.txt)")});
}

TEST_F(StandardDialogsTest, OpenDialogReportsTheChoice)
{
    auto form = TestSupport::loadForm(QStringLiteral(R"(Form1: TForm {
      OpenDialog1: TOpenDialog { Title = "Attachment" Filter = "All files|*.*" }
    })"));
    auto *dialog = qobject_cast<TOpenDialog *>(form->findComponent(u"OpenDialog1"));
    ASSERT_TRUE(dialog);
    QString seenTitle;
    TOpenDialog::setResponder([&](TOpenDialog &d) {
        seenTitle = d.Title();
        d.SetFileName(QStringLiteral("/tmp/letter.txt"));
        return true;
    });
    EXPECT_TRUE(dialog->Execute());
    EXPECT_EQ(seenTitle, QStringLiteral("Attachment"));
    EXPECT_EQ(dialog->FileName(), QStringLiteral("/tmp/letter.txt"));
    TOpenDialog::setResponder([](TOpenDialog &) { return false; });
    EXPECT_FALSE(dialog->Execute());
    EXPECT_EQ(dialog->FileName(), QStringLiteral("/tmp/letter.txt"));
}

TEST_F(StandardDialogsTest, FontDialogFontGoesToAControl)
{
    auto form = TestSupport::loadForm(QStringLiteral(R"(Form1: TForm {
      FontDialog1: TFontDialog { Font.Name = "MS Sans Serif" Font.Height = -11 }
      Label1: TLabel { Caption = "Total" }
    })"));
    auto *dialog = qobject_cast<TFontDialog *>(form->findComponent(u"FontDialog1"));
    auto *label = form->findChild<TLabel *>(QStringLiteral("Label1"));
    ASSERT_TRUE(dialog && label);
    TFontDialog::setResponder([](TFontDialog &d) {
        QFont f(QStringLiteral("Liberation Serif"));
        f.setPointSize(18);
        f.setBold(true);
        f.setItalic(true);
        d.Font()->assignFrom(f);
        return true;
    });
    const int widthBefore = label->Width();
    ASSERT_TRUE(dialog->Execute());
    EXPECT_EQ(dialog->Font()->Name(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(dialog->Font()->Height(), -24);
    EXPECT_EQ(dialog->Font()->Style(), Tk::TFontStyle::fsBold | Tk::TFontStyle::fsItalic);
    label->Font()->Assign(*dialog->Font());
    EXPECT_FALSE(label->ParentFont());
    EXPECT_EQ(label->font().pixelSize(), 24);
    EXPECT_GT(label->Width(), widthBefore);   // the label sized itself again
}
