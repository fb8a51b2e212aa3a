#include "tests/support/TestSupport.h"

#include "toolkit/TLabel.h"

#include <gtest/gtest.h>

namespace {

QRect boundsOf(TForm *form, const char *name)
{
    return form->findChild<TLabel *>(QString::fromLatin1(name))->BoundsRect();
}

} // namespace

TEST(TLabel, AutoSizeKeepsTheEdgeOfItsAlignment)
{
    auto form = TestSupport::loadForm(QStringLiteral(R"(Form1: TForm {
      NumAccs: TLabel { Left = 205 Top = 17 Width = 40 Height = 16 Alignment = taRightJustify Caption = "0" }
      Plain: TLabel { Left = 10 Top = 40 Width = 40 Height = 16 Caption = "0" }
      Fixed: TLabel { Left = 10 Top = 60 Width = 40 Height = 16 AutoSize = false Caption = "0" }
    })"));
    auto *numAccs = form->findChild<TLabel *>(QStringLiteral("NumAccs"));
    const int right = 205 + 40;
    QRect r = numAccs->BoundsRect();
    EXPECT_EQ(r.left() + r.width(), right);
    EXPECT_LT(r.width(), 40);   // shrunk to "0"
    EXPECT_EQ(r.top(), 17);

    numAccs->SetCaption(QStringLiteral("20000"));
    r = numAccs->BoundsRect();
    EXPECT_EQ(r.left() + r.width(), right);
    const int wide = r.width();
    numAccs->Font()->SetHeight(-20);   // a bigger font grows it to the left too
    r = numAccs->BoundsRect();
    EXPECT_EQ(r.left() + r.width(), right);
    EXPECT_GT(r.width(), wide);

    form->findChild<TLabel *>(QStringLiteral("Plain"))->SetCaption(QStringLiteral("20000"));
    EXPECT_EQ(boundsOf(form.get(), "Plain").left(), 10);
    EXPECT_EQ(boundsOf(form.get(), "Plain").width(), wide);

    form->findChild<TLabel *>(QStringLiteral("Fixed"))->SetCaption(QStringLiteral("20000"));
    EXPECT_EQ(boundsOf(form.get(), "Fixed"), QRect(10, 60, 40, 16));
}

TEST(TLabel, AccelCharactersAndLines)
{
    EXPECT_EQ(TLabel::displayText(QStringLiteral("&Close"), true), QStringLiteral("Close"));
    EXPECT_EQ(TLabel::displayText(QStringLiteral("Sales && Marketing"), true), QStringLiteral("Sales & Marketing"));
    EXPECT_EQ(TLabel::displayText(QStringLiteral("A&B"), false), QStringLiteral("A&B"));

    auto form = TestSupport::loadForm(QStringLiteral(R"(Form1: TForm {
      Title: TLabel { Left = 4 Top = 4 Caption = "Contact" }
    })"));
    auto *title = form->findChild<TLabel *>(QStringLiteral("Title"));
    const int oneLine = title->Height();
    title->SetCaption(QStringLiteral("Contact\nhistory"));
    EXPECT_EQ(title->Height(), 2 * oneLine);
    // An empty caption keeps the height of a line.
    title->SetCaption(QString());
    EXPECT_EQ(title->Height(), oneLine);
    // Word wrapped, the same caption takes more lines in less width.
    title->SetWordWrap(true);
    title->SetWidth(400);
    title->SetCaption(QStringLiteral("Every contact with one account"));
    EXPECT_EQ(title->Height(), oneLine);
    title->SetWidth(60);
    title->SetCaption(QString());
    title->SetCaption(QStringLiteral("Every contact with one account"));
    EXPECT_GT(title->Height(), 2 * oneLine);
}
