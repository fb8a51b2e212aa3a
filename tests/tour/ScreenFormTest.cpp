// What every product screen shares: printing from its menu, messages taken
// from hidden labels, enabling itself on paint, and moving the tour.

#include "tests/support/TourFixture.h"

#include "toolkit/Printing.h"
#include "toolkit/TLabel.h"
#include "toolkit/TMenuItem.h"
#include "tour/ScreenForm.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

class SampleScreen : public TScreenForm
{
    Q_OBJECT

public:
    using TScreenForm::TScreenForm;
    bool working = false;

protected:
    bool busy() const override { return working; }
};

const char *const Definition = R"(Screen1: SampleScreen {
  Width = 300 Height = 200 OnPaint = FormPaint OnActivate = FormActivate PopupMenu = PopupMenu1
  ErrMsg1: TLabel { Caption = "Account not found" Visible = false }
  PopupMenu1: TPopupMenu {
    Print1: TMenuItem { Caption = "Print" OnClick = Print1Click }
    Language1: TMenuItem { Caption = "Language" OnClick = Language1Click }
  }
})";

class ScreenFormTest : public TourFixture
{
protected:
    SampleScreen *make()
    {
        auto *s = new SampleScreen(Form1);
        TestSupport::loadInto(s, QString::fromLatin1(Definition));
        return s;
    }
};

} // namespace

TEST_F(ScreenFormTest, PrintFromTheMenuGivesOnePageAndLanguageDoesNothing)
{
    SampleScreen *s = make();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("screen.pdf"));
    Printing::setPdfOutput(path);
    Dialogs::clearShown();
    qobject_cast<TMenuItem *>(s->findComponent(u"Print1"))->Click();
    qobject_cast<TMenuItem *>(s->findComponent(u"Language1"))->Click();
    Printing::setPdfOutput(QString());
    EXPECT_TRUE(Dialogs::shown().isEmpty());
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
    EXPECT_EQ(wizard()->Page(), 0);
    Component::free(s);
}

TEST_F(ScreenFormTest, MessagesComeFromTheHiddenLabels)
{
    SampleScreen *s = make();
    auto *label = s->findChild<TLabel *>(QStringLiteral("ErrMsg1"));
    Dialogs::clearShown();
    s->showMessage(label);
    ASSERT_EQ(Dialogs::shown().size(), 1);
    EXPECT_EQ(Dialogs::shown()[0].text, QStringLiteral("Account not found"));
    EXPECT_EQ(Dialogs::shown()[0].type, Dialogs::MsgType::mtError);
    EXPECT_TRUE(s->confirm(label));   // the tests' boxes answer OK
    Dialogs::setResponder([](const Dialogs::Request &) { return int(Dialogs::mrCancel); });
    EXPECT_FALSE(s->confirm(label));
    TestSupport::restoreResponder();
    Component::free(s);
}

TEST_F(ScreenFormTest, MovingTheTourDisablesTheScreenAndPaintEnablesItUnlessBusy)
{
    SampleScreen *s = make();
    s->moveTour(3);
    EXPECT_EQ(wizard()->Page(), 3);
    EXPECT_FALSE(s->Enabled());
    s->working = true;
    s->FormPaint(s);
    EXPECT_FALSE(s->Enabled());
    s->working = false;
    s->FormPaint(s);
    EXPECT_TRUE(s->Enabled());
    Component::free(s);
}

#include "ScreenFormTest.moc"
