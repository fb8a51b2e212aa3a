// The wizard's button strip: which descriptor goes on which button, where the
// buttons stand, the default button and the glyphs.

#include "tests/wizard/WizardTestForm.h"
#include "toolkit/AccessibleControls.h"
#include "toolkit/Colors.h"

#include <QAccessible>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace {

using WizardTest::load;

// The tour's wizard at its stored client size with the tour's descriptors.
const QString TourWizard = QStringLiteral(R"(Form1: WizardTestForm {
  Width = 795 Height = 548
  Assistent1: TAssistent {
    Left = 0 Top = 0 Width = 795 Height = 548
    NumPages = 15
    Page = 0
    StartPage = 1
    CaptionDialog = "Ravik Demonstration"
    CaptionWizard = "Ravik demonstration"
    ButtonWidth = 90
    ButtonHeight = 25
    BtnChangeWizard.Text = "Start"
    BtnChangeWizard.Glyph = ":/forms/glyphs/restart.png"
    BtnChangeWizard.Enabled = true
    BtnChangeWizard.Show = true
    BtnChangeDialog.Text = "Restart"
    BtnChangeDialog.Glyph = ":/forms/glyphs/restart.png"
    BtnChangeDialog.Enabled = true
    BtnChangeDialog.Show = true
    BtnCancel.Text = "Exit"
    BtnCancel.Glyph = ":/forms/glyphs/exit.png"
    BtnCancel.Enabled = true
    BtnCancel.Show = true
    BtnNext.Text = "&Next"
    BtnNext.Layout = blGlyphRight
    BtnNext.Glyph = ":/forms/glyphs/next.png"
    BtnNext.Enabled = true
    BtnNext.Show = true
    BtnBack.Text = "&Back"
    BtnBack.Glyph = ":/forms/glyphs/back.png"
    BtnBack.Enabled = true
    BtnBack.Show = true
    OnCancelClick = Assistent1CancelClick
  }
})");

constexpr int Hidden = ButtonStrip::HiddenLeft;

struct Expected {
    const char *button;
    int left;
    const char *caption;   // null: not checked
};

void expectButtons(TAssistent *w, const char *where, std::initializer_list<Expected> rows)
{
    for (const Expected &e : rows) {
        auto *b = qobject_cast<TBitBtn *>(w->findComponent(QString::fromLatin1(e.button)));
        ASSERT_TRUE(b) << e.button;
        EXPECT_EQ(b->Left(), e.left) << where << ": " << e.button;
        if (e.left == Hidden) {
            EXPECT_FALSE(b->Enabled()) << where << ": " << e.button;
        }
        if (e.caption) {
            EXPECT_EQ(b->Caption(), QString::fromLatin1(e.caption)) << where << ": " << e.button;
        }
    }
}

} // namespace

TEST(ButtonLayout, TourWizardPlacesItsButtonsOnEveryKindOfPage)
{
    auto form = load(TourWizard);
    TAssistent *w = form->wizard();
    ASSERT_EQ(w->width(), 795);
    ASSERT_EQ(w->height(), 548);

    expectButtons(w, "dialog page",
                  {{"ChangeButton", 4, "Start"}, {"CancelButton", 701, "Exit"}, {"NextButton", Hidden, nullptr},
                   {"BackButton", Hidden, nullptr}, {"HelpButton", Hidden, nullptr}, {"OKButton", Hidden, nullptr}});
    EXPECT_EQ(w->ChangeButton()->Top(), 520);
    EXPECT_EQ(w->CancelButton()->Top(), 520);
    EXPECT_TRUE(w->OKButton()->Default());
    EXPECT_FALSE(w->NextButton()->Default());

    for (int page = 1; page <= 14; ++page) {
        w->SetPage(page);
        const std::string where = "page " + std::to_string(page);
        expectButtons(w, where.c_str(),
                      {{"ChangeButton", 4, "Restart"}, {"NextButton", 701, "&Next"}, {"BackButton", 607, "&Back"},
                       {"CancelButton", 513, "Exit"}, {"HelpButton", Hidden, nullptr}, {"OKButton", Hidden, nullptr}});
        EXPECT_TRUE(w->NextButton()->Default()) << where;
        for (int i = 0; i < ButtonStrip::ButtonCount; ++i)
            EXPECT_EQ(w->button(i)->Top(), 520) << where << ": " << i;
        EXPECT_EQ(w->NextButton()->Layout(), Tk::TButtonLayout::blGlyphRight);
    }

    w->SetPage(15);
    expectButtons(w, "last page",
                  {{"ChangeButton", 4, "Restart"}, {"NextButton", Hidden, ""}, {"BackButton", 701, "&Back"},
                   {"CancelButton", 607, "Exit"}, {"OKButton", Hidden, nullptr}});

    // The buttons end last in the tab order, in screen order.
    const QList<Control *> order = Control::tabOrderList(w);
    QStringList names;
    for (Control *c : order)
        names << c->name();
    EXPECT_EQ(names.mid(names.size() - 6).join(u' '),
              QStringLiteral("ChangeButton HelpButton CancelButton BackButton NextButton OKButton"));
}

TEST(ButtonLayout, ButtonsStayInAWindowSmallerThanThePages)
{
    auto form = load(TourWizard);
    TAssistent *w = form->wizard();
    w->SetPage(1);
    const struct {
        const char *name;
        QSize window;
    } rows[] = {{"lower", {900, 480}}, {"smaller both ways", {640, 360}}, {"stored size", {795, 548}}};
    // A page left scrolled down; the next page opens at its top-left corner.
    form->SetBounds(0, 0, 640, 360);
    auto *bar = w->findChild<QScrollBar *>();
    ASSERT_TRUE(bar && bar->orientation() == Qt::Vertical);
    bar->setValue(bar->maximum());
    ASSERT_LT(w->y(), 0);
    w->SetPage(2);
    EXPECT_EQ(w->pos(), QPoint(0, 0));
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        form->SetBounds(0, 0, row.window.width(), row.window.height());
        // The pages keep the size they were laid out for.
        EXPECT_GE(w->width(), 795);
        EXPECT_GE(w->height(), 548);
        for (const char *name : {"ChangeButton", "CancelButton", "BackButton", "NextButton"}) {
            auto *b = w->findChild<TBitBtn *>(QLatin1String(name));
            const QRect r(b->mapTo(form.get(), QPoint(0, 0)), b->size());
            EXPECT_TRUE(form->rect().contains(r)) << name << " at " << r.x() << ", " << r.y();
            EXPECT_EQ(b->parentWidget()->childAt(b->geometry().center()), b) << name << " is covered";
        }
    }
    EXPECT_EQ(w->geometry(), QRect(0, 0, 795, 548));
    EXPECT_EQ(w->NextButton()->Left(), 701);
}

TEST(ButtonLayout, GlyphsFollowTheDescriptorAndShowGlyph)
{
    auto form = load(TourWizard);
    TAssistent *w = form->wizard();
    w->SetPage(1);
    const QImage next(QStringLiteral(":/forms/glyphs/next.png"));
    ASSERT_FALSE(next.isNull());
    EXPECT_EQ(w->NextButton()->Glyph(), next);
    EXPECT_EQ(w->NextButton()->NumGlyphs(), 2);
    EXPECT_EQ(w->ChangeButton()->Glyph(), QImage(QStringLiteral(":/forms/glyphs/restart.png")));

    w->SetShowGlyph(false);
    for (int i = 0; i < ButtonStrip::ButtonCount; ++i)
        EXPECT_FALSE(w->button(i)->HasGlyph()) << i;
    w->SetShowGlyph(true);
    EXPECT_EQ(w->NextButton()->Glyph(), next);

    // A new glyph on a descriptor reaches the button that shows it.
    QImage red(16, 16, QImage::Format_ARGB32);
    red.fill(Qt::red);
    w->BtnBack()->SetGlyph(red);
    EXPECT_EQ(w->BackButton()->Glyph(), red);
    EXPECT_EQ(w->BackButton()->NumGlyphs(), 1);
}

TEST(ButtonLayout, GlyphWidthSetsTheNumberOfImages)
{
    const struct {
        int width;
        int expected;
    } rows[] = {{64, 4}, {80, 1}, {30, 2}, {16, 1}, {48, 3}};
    for (const auto &row : rows) {
        TButtonData d;
        d.SetNumGlyphs(2);
        QImage image(row.width, 16, QImage::Format_ARGB32);
        image.fill(Qt::blue);
        d.SetGlyph(image);
        EXPECT_EQ(d.NumGlyphs(), row.expected) << row.width << " x 16";
    }
    TButtonData d;
    d.SetNumGlyphs(9);
    EXPECT_EQ(d.NumGlyphs(), 4);
}

TEST(ButtonLayout, GapCodeShiftsTheRestOfItsGroup)
{
    ButtonStrip::Input in;
    in.codes = {1, 7, 2, 8, 3, 7, 4, 5, 6};
    in.width = 795;
    in.shown.fill(true);
    const auto plan = ButtonStrip::plan(in);
    ASSERT_TRUE(plan);
    auto leftOf = [](const std::vector<ButtonStrip::Slot> &visited, int button) {
        for (const auto &s : visited) {
            if (s.button == button)
                return s.left;
        }
        return -1;
    };
    EXPECT_EQ(leftOf(plan->left, ButtonStrip::ChangeButton), 4);
    EXPECT_EQ(leftOf(plan->left, ButtonStrip::HelpButton), 4 + 94 + 8);
    EXPECT_EQ(leftOf(plan->right, ButtonStrip::OKButton), 701);
    EXPECT_EQ(leftOf(plan->right, ButtonStrip::NextButton), 607);
    EXPECT_EQ(leftOf(plan->right, ButtonStrip::BackButton), 513);
    EXPECT_EQ(leftOf(plan->right, ButtonStrip::CancelButton), 513 - 8 - 94);
    // Every visited entry counts for the tab order, gaps included.
    EXPECT_EQ(plan->left.size(), 3u);
    EXPECT_EQ(plan->right.size(), 5u);
}

TEST(ButtonLayout, ListsWithoutTheBoundaryInsideAreRefused)
{
    const struct {
        QList<int> codes;
        bool valid;
    } rows[] = {
        {{1, 2, 8, 3, 4, 5, 6}, true}, {{1, 8, 3}, true},  {{8, 1, 2}, false}, {{1, 2, 8}, false},
        {{1, 2, 3}, false},           {{}, false},         {{8}, false},       {{8, 8, 8}, true},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(ButtonStrip::isValid(row.codes), row.valid) << QVariant::fromValue(row.codes).toString().toStdString();
        ButtonStrip::Input in;
        in.codes = row.codes;
        EXPECT_EQ(ButtonStrip::plan(in).has_value(), row.valid);
    }
}

TEST(ButtonLayout, BadLayoutListIsReportedOnceAndLaysOutNothing)
{
    auto form = load(TourWizard);
    TAssistent *w = form->wizard();
    w->SetPage(1);
    const int backLeft = w->BackButton()->Left();
    Dialogs::clearShown();
    w->BLWizard()->setValues({1, 2, 3, 4, 5, 6});
    w->SetPage(2);
    w->SetPage(3);
    TestSupport::settle();
    ASSERT_EQ(Dialogs::shown().size(), 1);
    EXPECT_EQ(Dialogs::shown().first().type, Dialogs::MsgType::mtError);
    EXPECT_TRUE(Dialogs::shown().first().text.contains(QLatin1String("BLWizard")));
    EXPECT_EQ(w->BackButton()->Left(), backLeft);
    // Mended, the list lays the buttons out again.
    w->BLWizard()->setValues({4, 8, 5});
    w->SetPage(4);
    EXPECT_EQ(w->BackButton()->Left(), 4);
    EXPECT_EQ(w->NextButton()->Left(), 701);
    EXPECT_EQ(Dialogs::shown().size(), 1);
}

TEST(ButtonLayout, EnabledButNotShownIsDisabledOutOfSight)
{
    auto form = load(TourWizard);
    TAssistent *w = form->wizard();
    w->BtnHelp()->SetEnabled(true);
    w->SetPage(2);
    EXPECT_EQ(w->HelpButton()->Left(), Hidden);
    EXPECT_FALSE(w->HelpButton()->Enabled());
    w->BtnHelp()->SetShow(true);
    EXPECT_EQ(w->HelpButton()->Left(), 98);
    EXPECT_TRUE(w->HelpButton()->Enabled());
}

TEST(ButtonLayout, LastStepWithWizardOKShownPutsFinishOnOK)
{
    auto form = load(TourWizard);
    TAssistent *w = form->wizard();
    w->BtnWizardOK()->SetText(QStringLiteral("&OK"));
    w->BtnWizardOK()->SetShow(true);
    w->BtnWizardOK()->SetEnabled(true);
    w->BtnFinish()->SetText(QStringLiteral("&Finish"));
    w->BtnFinish()->SetShow(true);
    w->BtnFinish()->SetEnabled(true);
    w->SetPage(14);
    EXPECT_EQ(w->OKButton()->Caption(), QStringLiteral("&OK"));
    EXPECT_TRUE(w->NextButton()->Default());
    w->SetPage(15);
    EXPECT_EQ(w->OKButton()->Caption(), QStringLiteral("&Finish"));
    EXPECT_TRUE(w->OKButton()->Default());
    EXPECT_FALSE(w->NextButton()->Default());
    EXPECT_EQ(w->NextButton()->Caption(), QStringLiteral("&Next"));
    EXPECT_FALSE(w->NextButton()->Enabled());   // BtnNext was disabled by the page change
}

TEST(ButtonLayout, OtherStylesHideEveryButton)
{
    auto form = load(TourWizard);
    TAssistent *w = form->wizard();
    w->SetPage(3);
    for (auto style : {Wz::AssistentStyle::asNone, Wz::AssistentStyle::asTabbed}) {
        w->SetStyle(style);
        for (int i = 0; i < ButtonStrip::ButtonCount; ++i) {
            EXPECT_EQ(w->button(i)->Left(), Hidden) << i;
            EXPECT_FALSE(w->button(i)->Enabled()) << i;
        }
    }
    // The tabbed style's page area lies below its tab rows.
    const int top = w->TabAreaHeight() + 1;
    EXPECT_EQ(w->clientRect(), QRect(1, top, 792, 546 - top));
    w->SetStyle(Wz::AssistentStyle::asNone);
    EXPECT_EQ(w->clientRect(), QRect(0, 0, 795, 548));
    w->SetStyle(Wz::AssistentStyle::asWizard);
    EXPECT_EQ(w->clientRect(), QRect(0, 0, 795, 548 - 25 - 10));
    EXPECT_EQ(w->NextButton()->Left(), 701);
}

TEST(ButtonLayout, ClicksAndKeysReachTheWizard)
{
    auto form = load(TourWizard);
    TAssistent *w = form->wizard();
    form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QTest::mouseClick(w->ChangeButton(), Qt::LeftButton);
    EXPECT_EQ(w->Page(), 1);
    QTest::mouseClick(w->NextButton(), Qt::LeftButton);
    QTest::mouseClick(w->NextButton(), Qt::LeftButton);
    EXPECT_EQ(w->Page(), 3);
    QTest::mouseClick(w->BackButton(), Qt::LeftButton);
    EXPECT_EQ(w->Page(), 2);
    EXPECT_EQ(w->History()->values(), QList<int>({1}));
    // Escape on the form is the Exit button.
    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_EQ(form->cancelClicks, QList<int>({2}));
    EXPECT_EQ(form->ModalResult(), int(Dialogs::mrCancel));
    // A page without controls leaves the focus on the first button.
    EXPECT_EQ(QApplication::focusWidget(), w->ChangeButton());
    // Enter outside a button is the default button, Next.
    w->setFocus();
    QTest::keyClick(w, Qt::Key_Return);
    EXPECT_EQ(w->Page(), 3);
}

TEST(ButtonLayout, SeparatorLinesAboveTheStrip)
{
    auto form = load(TourWizard);
    TAssistent *w = form->wizard();
    const int y = 548 - 25 - 9;
    const QColor face = Colors::toQColor(form->Color());
    QImage image = w->grab().toImage();
    for (int x : {0, 400, 794}) {
        EXPECT_EQ(image.pixelColor(x, y), Colors::toQColor(Tk::TColor::clBtnShadow)) << x;
        EXPECT_EQ(image.pixelColor(x, y + 1), Colors::toQColor(Tk::TColor::clBtnHighlight)) << x;
        EXPECT_EQ(image.pixelColor(x, y - 1), face) << x;
    }
    w->SetSeperator(false);
    image = w->grab().toImage();
    EXPECT_EQ(image.pixelColor(400, y), face);
    EXPECT_EQ(image.pixelColor(400, y + 1), face);
}

TEST(ButtonLayout, PageChangeFocusesTheFirstTabStopOfThePage)
{
    // Page areas as the toolkit's controls tell assistive technology of them.
    AccessibleControls::install();
    const QString text = QString(TourWizard).replace(
        QStringLiteral("OnCancelClick = Assistent1CancelClick"),
        QStringLiteral("Pic: TAImage { %1 } Choice: TAJumpRadioBtn { %2 } Box: TABox { %3 Edit1: TEdit { } }")
            .arg(WizardTest::table(15, {5}), WizardTest::table(15, {3}), WizardTest::table(15, {2})));
    auto form = load(text);
    TAssistent *w = form->wizard();
    form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    w->SetPage(2);
    EXPECT_EQ(QApplication::focusWidget(), form->findComponent(u"Edit1"));
    w->SetPage(3);
    EXPECT_EQ(QApplication::focusWidget(), form->findComponent(u"Choice"));
    w->SetPage(4);
    EXPECT_EQ(QApplication::focusWidget(), w->ChangeButton());
    // A page that shows only a picture gives the focus to the first button;
    // assistive technology meets it in the strip, named by the page shown.
    w->SetPage(5);
    EXPECT_EQ(QApplication::focusWidget(), w->ChangeButton());
    QAccessibleInterface *strip = QAccessible::queryAccessibleInterface(w->ChangeButton())->parent();
    ASSERT_TRUE(strip);
    EXPECT_EQ(strip->text(QAccessible::Name), QStringLiteral("Page 5"));
}

TEST(ButtonLayout, WizardMustBeOwnedByAForm)
{
    TPanel panel(nullptr);
    EXPECT_THROW(TAssistent{&panel}, std::invalid_argument);
    TAssistent loose(nullptr);
    loose.SetPage(1);
    EXPECT_EQ(loose.Page(), 1);
}
