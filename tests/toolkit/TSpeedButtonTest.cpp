#include "tests/support/TestSupport.h"

#include "toolkit/TEdit.h"
#include "toolkit/TSpeedButton.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class SpeedForm : public TForm
{
    Q_OBJECT

public:
    using TForm::TForm;
    QStringList clicks;

public slots:
    void ButtonClick(QObject *sender) { clicks << sender->objectName(); }
};

const char *const kSpeedForm = R"(Form1: SpeedForm {
  Edit1: TEdit { Left = 200 Top = 8 }
  Plain: TSpeedButton { Left = 0 Top = 0 OnClick = ButtonClick }
  A: TSpeedButton { Left = 30 Top = 0 GroupIndex = 1 Down = true OnClick = ButtonClick }
  B: TSpeedButton { Left = 60 Top = 0 GroupIndex = 1 OnClick = ButtonClick }
  C: TSpeedButton { Left = 90 Top = 0 GroupIndex = 1 OnClick = ButtonClick }
  Toggle: TSpeedButton { Left = 120 Top = 0 GroupIndex = 2 AllowAllUp = true OnClick = ButtonClick }
})";

class TSpeedButtonTest : public testing::Test
{
protected:
    void SetUp() override
    {
        form = TestSupport::loadFormOf<SpeedForm>(QString::fromLatin1(kSpeedForm));
        for (const char *name : {"Plain", "A", "B", "C", "Toggle"})
            buttons[name] = form->findChild<TSpeedButton *>(QString::fromLatin1(name));
        ASSERT_TRUE(TestSupport::showActive(form.get()));
    }
    TSpeedButton *b(const char *name) { return buttons.at(name); }
    QString downOnes()
    {
        QString s;
        for (const char *name : {"Plain", "A", "B", "C", "Toggle"})
            s += b(name)->Down() ? QString::fromLatin1(name) : QString();
        return s;
    }

    std::unique_ptr<SpeedForm, TestSupport::FormDeleter> form;
    std::map<std::string, TSpeedButton *> buttons;
};

} // namespace

TEST_F(TSpeedButtonTest, GroupsHoldOneButtonDown)
{
    EXPECT_EQ(downOnes(), QStringLiteral("A"));
    struct Step {
        const char *click;
        const char *down;
    };
    const Step steps[] = {
        {"B", "B"},          // another of the group goes down, A comes up
        {"B", "B"},          // without AllowAllUp a held button stays down
        {"Plain", "B"},      // a button without a group is never held
        {"Toggle", "BToggle"},
        {"Toggle", "B"},     // AllowAllUp lets a lone button come up again
        {"C", "C"},
    };
    QStringList expectedClicks;
    for (const Step &s : steps) {
        SCOPED_TRACE(s.click);
        QTest::mouseClick(b(s.click), Qt::LeftButton);
        expectedClicks << QString::fromLatin1(s.click);
        EXPECT_EQ(downOnes(), QString::fromLatin1(s.down));
    }
    EXPECT_EQ(form->clicks, expectedClicks);
}

TEST_F(TSpeedButtonTest, CodeFollowsTheSameRules)
{
    b("Plain")->SetDown(true);
    EXPECT_FALSE(b("Plain")->Down());
    b("C")->SetDown(true);
    EXPECT_EQ(downOnes(), QStringLiteral("C"));
    b("C")->SetDown(false);   // no AllowAllUp: stays down
    EXPECT_EQ(downOnes(), QStringLiteral("C"));
    b("A")->SetAllowAllUp(true);   // applies to the whole group
    b("C")->SetDown(false);
    EXPECT_EQ(downOnes(), QString());
    EXPECT_TRUE(form->clicks.isEmpty());
}

TEST_F(TSpeedButtonTest, NeverTakesTheFocusAndIgnoresClicksWhenDisabled)
{
    auto *edit = form->findChild<TEdit *>(QStringLiteral("Edit1"));
    edit->setFocus();
    QTest::mouseClick(b("Plain"), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), edit);
    b("Plain")->SetEnabled(false);
    QTest::mouseClick(b("Plain"), Qt::LeftButton);
    EXPECT_EQ(form->clicks, QStringList{QStringLiteral("Plain")});
    // A release outside the button is no click.
    b("Plain")->SetEnabled(true);
    QTest::mousePress(b("Plain"), Qt::LeftButton);
    QTest::mouseRelease(b("Plain"), Qt::LeftButton, {}, QPoint(40, 40));
    EXPECT_EQ(form->clicks.size(), 1);
}

TEST_F(TSpeedButtonTest, DrawsTheGlyphOfItsState)
{
    // A strip of two 8x8 images: red for normal, blue for disabled.
    QImage strip(16, 8, QImage::Format_ARGB32);
    strip.fill(Qt::red);
    for (int y = 0; y < 8; ++y)
        for (int x = 8; x < 16; ++x)
            strip.setPixelColor(x, y, Qt::blue);
    TSpeedButton *plain = b("Plain");
    plain->SetGlyph(strip);
    EXPECT_EQ(plain->NumGlyphs(), 2);
    const QPoint centre(12, 12);
    EXPECT_EQ(plain->grab().toImage().pixelColor(centre), QColor(Qt::red));
    plain->SetEnabled(false);
    EXPECT_EQ(plain->grab().toImage().pixelColor(centre), QColor(Qt::blue));
}

#include "TSpeedButtonTest.moc"
