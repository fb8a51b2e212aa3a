// The tour as the visitor meets it: moving between the pages with the
// wizard's buttons and the title page's jump buttons, the caption, what each
// page shows and where, and the sample accounts the screens read.

#include "tests/support/TourFixture.h"

#include "toolkit/Application.h"
#include "toolkit/Colors.h"
#include "toolkit/TLabel.h"
#include "toolkit/TMemo.h"
#include "toolkit/TBitBtn.h"
#include "toolkit/TListBox.h"
#include "wizard/TAForm.h"
#include "wizard/TAImage.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>

namespace {

class TourPages : public TourFixture
{
protected:
    void click(QWidget *button)
    {
        ASSERT_TRUE(button);
        ASSERT_TRUE(button->isVisible());
        ASSERT_TRUE(button->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton);
        TestSupport::settle();
    }
    QWidget *widget(const char *name) const { return Form1->findChild<QWidget *>(QLatin1String(name)); }
    QStringList list(const char *name) const
    {
        auto *box = Form1->findChild<TListBox *>(QLatin1String(name));
        return box ? box->Items() : QStringList();
    }
    // The indexes of the sample accounts of one owner and status.
    QList<int> accountsOf(const QString &owner, const QString &status) const
    {
        const QStringList owners = list("Ownerlist");
        const QStringList states = list("statuslist");
        QList<int> found;
        for (int i = 0; i < owners.size(); ++i) {
            if (owners[i] == owner && states[i] == status)
                found << i;
        }
        return found;
    }
};

struct PageContent {
    int page;
    const char *element;
    QRect bounds;   // within its parent
};

// The element that carries each page's content and where it stands.
const PageContent Contents[] = {
    {1, "AForm2", {10, 76, 769, 423}},  {2, "AForm3", {44, 69, 699, 438}},  {3, "AForm9", {6, 6, 509, 395}},
    {4, "AForm1", {76, 84, 619, 409}},  {5, "AForm4", {6, 4, 717, 403}},    {6, "AForm5", {7, 5, 626, 392}},
    {7, "AForm6", {2, 2, 545, 447}},    {8, "AForm7", {4, 3, 437, 288}},    {9, "AForm8", {4, 3, 559, 404}},
    {10, "AImage1", {101, 74, 600, 396}}, {11, "AForm10", {4, 4, 367, 289}}, {12, "AForm11", {3, 2, 310, 315}},
    {13, "AImage2", {100, 87, 601, 396}}, {14, "AForm12", {207, 139, 326, 278}}, {15, "AForm13", {2, 6, 787, 429}},
};

} // namespace

TEST_F(TourPages, ButtonsAndJumpsMoveTheTour)
{
    TAssistent *w = wizard();
    EXPECT_EQ(w->Page(), 0);
    EXPECT_EQ(Form1->windowTitle(), QStringLiteral("Ravik Demonstration"));
    EXPECT_EQ(w->ChangeButton()->text(), QStringLiteral("Start"));
    click(w->ChangeButton());
    EXPECT_EQ(w->Page(), 1);
    EXPECT_EQ(Form1->windowTitle(), QStringLiteral("Ravik demonstration"));
    EXPECT_FALSE(w->BackButton()->isEnabled());
    click(w->NextButton());
    EXPECT_EQ(w->Page(), 2);
    click(w->BackButton());
    EXPECT_EQ(w->Page(), 1);
    EXPECT_EQ(w->ChangeButton()->text(), QStringLiteral("Restart"));
    click(w->ChangeButton());
    EXPECT_EQ(w->Page(), 0);

    const struct {
        const char *button;
        int page;
    } jumps[] = {{"JumpAcc", 1}, {"AJumpBitBtn5", 7}, {"JumpSrch", 6}, {"AJumpBitBtn6", 11}, {"AJumpBitBtn7", 15}};
    for (const auto &jump : jumps) {
        SCOPED_TRACE(jump.button);
        w->SetPage(0);
        TestSupport::settle();
        click(widget(jump.button));
        EXPECT_EQ(w->Page(), jump.page);
    }
}

TEST_F(TourPages, TheWalkEndsOnTheLastPage)
{
    TAssistent *w = wizard();
    gotoPage(9);
    click(w->NextButton());
    EXPECT_EQ(w->Page(), 10);
    EXPECT_TRUE(screens().isEmpty());   // a picture page creates no screen
    gotoPage(14);
    click(w->NextButton());
    EXPECT_EQ(w->Page(), 15);
    // A hidden button stands disabled far out of view.
    EXPECT_FALSE(w->NextButton()->isEnabled());
    EXPECT_GE(w->NextButton()->x(), 20000);
    EXPECT_LT(w->BackButton()->x(), w->width());
    EXPECT_TRUE(w->BackButton()->isEnabled());
    EXPECT_LT(w->CancelButton()->x(), w->width());
    EXPECT_EQ(w->CancelButton()->text(), QStringLiteral("Exit"));
}

TEST_F(TourPages, EveryPageShowsItsContentAtItsPlaceAndHidesTheOthers)
{
    for (int page = 0; page <= 15; ++page) {
        SCOPED_TRACE(page);
        gotoPage(page);
        for (const PageContent &c : Contents) {
            QWidget *element = widget(c.element);
            ASSERT_TRUE(element) << c.element;
            if (c.page == page) {
                EXPECT_TRUE(element->isVisible()) << c.element;
                EXPECT_EQ(element->geometry(), c.bounds) << c.element;
            } else {
                EXPECT_FALSE(element->isVisible()) << c.element;
            }
        }
        // At most one screen lives between page changes.
        EXPECT_LE(screens().size(), 1);
    }
}

TEST_F(TourPages, ExitEndsTheProgramFromAnyPage)
{
    gotoPage(7);
    click(wizard()->CancelButton());
    EXPECT_TRUE(Application::isTerminated());
}

TEST_F(TourPages, TheSampleAccountsHoldTheirFixedValues)
{
    const char *lists[] = {"AcList",     "CoList",     "Add1List",   "Add2list", "Add3list",
                           "Add4list",   "Pcodelist",  "Ownerlist",  "statuslist", "nextlist",
                           "lastlist",   "contlist",   "sallist",    "tellist",  "faxlist"};
    for (const char *name : lists)
        EXPECT_EQ(list(name).size(), 20) << name;
    const QStringList accounts = list("AcList");
    EXPECT_EQ(accounts[7], QStringLiteral("010008"));
    EXPECT_EQ(accounts[19], QStringLiteral("010020"));
    EXPECT_EQ(QSet<QString>(accounts.begin(), accounts.end()).size(), 20);
    const QStringList companies = list("CoList");
    EXPECT_EQ(QSet<QString>(companies.begin(), companies.end()).size(), 20);
    for (const QString &c : companies)
        EXPECT_TRUE(c.at(0).isUpper()) << c.toStdString();

    const QStringList next = list("nextlist");
    EXPECT_EQ(next.indexOf(QStringLiteral("08/04/1998")), 5);
    EXPECT_EQ(next.lastIndexOf(QStringLiteral("08/04/1998")), 13);
    EXPECT_EQ(accountsOf(QStringLiteral("Area2"), QStringLiteral("Prospect")), (QList<int>{2, 8, 16}));
    EXPECT_EQ(accountsOf(QStringLiteral("Area1"), QStringLiteral("Customer")), (QList<int>{0, 5, 10, 17}));

    // Within one owner and status the next contact dates are distinct, and
    // every date reads the same day-first or month-first.
    for (const char *owner : {"Area1", "Area2"}) {
        for (const char *status : {"Customer", "Prospect"}) {
            QSet<QString> dates;
            for (int i : accountsOf(QLatin1String(owner), QLatin1String(status)))
                dates.insert(next[i]);
            EXPECT_EQ(dates.size(), accountsOf(QLatin1String(owner), QLatin1String(status)).size());
        }
    }
    for (const QString &d : next + list("lastlist")) {
        ASSERT_EQ(d.size(), 10);
        EXPECT_LE(d.left(2).toInt(), 12);
        EXPECT_LE(d.mid(3, 2).toInt(), 12);
        EXPECT_TRUE(d.endsWith(QStringLiteral("/1998")));
    }
    EXPECT_EQ(list("Add2list")[18], QString());
    EXPECT_EQ(list("Add2list")[19], QString());
    for (const QString &s : list("Add3list") + list("Add4list"))
        EXPECT_TRUE(s.isEmpty());
}

TEST_F(TourPages, HelpMemosShowInTheFaceColourOfTheHeader)
{
    const QColor face = Colors::toQColor(Tk::TColor::clBtnFace);
    for (int page = 1; page <= 15; ++page) {
        SCOPED_TRACE(page);
        gotoPage(page);
        int memos = 0;
        for (TMemo *memo : Form1->findChildren<TMemo *>()) {
            if (!memo->isVisible() || Component::from(memo)->owner() != Form1)
                continue;
            ++memos;
            // The corner below the last line holds no text.
            const QImage shot = memo->grab().toImage();
            EXPECT_EQ(shot.pixelColor(shot.width() - 2, shot.height() - 2), face) << memo->objectName().toStdString();
        }
        EXPECT_EQ(memos, 1);
    }
}

TEST_F(TourPages, TheFocusIsOnAControlOfEveryPageAfterItIsShown)
{
    ASSERT_TRUE(TestSupport::showActive(Form1));
    for (int page = 1; page <= 15; ++page) {
        SCOPED_TRACE(page);
        gotoPage(page);
        QWidget *focus = QApplication::focusWidget();
        ASSERT_TRUE(focus);
        EXPECT_TRUE(wizard()->isAncestorOf(focus)) << focus->objectName().toStdString();
        EXPECT_TRUE(focus->isVisible());
        // Assistive technology meets the focus inside a panel named by the
        // page's title: its area, or the buttons' strip where Tab cannot
        // enter the page (10, 13).
        QAccessibleInterface *panel = QAccessible::queryAccessibleInterface(focus)->parent();
        while (panel && panel->text(QAccessible::Name) != wizard()->accessibleName())
            panel = panel->parent();
        EXPECT_TRUE(panel) << focus->objectName().toStdString();
    }
}

TEST_F(TourPages, TheTitlePageTextsFitTheirPlaces)
{
    const auto *shape = Form1->findChild<QWidget *>(QStringLiteral("ContactShape"));
    ASSERT_TRUE(shape);
    for (const char *name : {"SalesHeading", "SalesAddress", "SupportHeading", "SupportAddress"}) {
        SCOPED_TRACE(name);
        const auto *label = Form1->findChild<TLabel *>(QLatin1String(name));
        ASSERT_TRUE(label);
        // Every line, descenders included, within the label and the block.
        const QRect text = label->fontMetrics().boundingRect(QRect(0, 0, 1000, 1000), Qt::AlignLeft | Qt::AlignTop,
                                                             label->text());
        EXPECT_LE(text.height(), label->height());
        EXPECT_TRUE(shape->geometry().contains(label->geometry()));
    }
    const auto *logo = Form1->findChild<TLabel *>(QStringLiteral("LogoLabel"));
    const auto *circle = Form1->findChild<QWidget *>(QStringLiteral("LogoShape"));
    ASSERT_TRUE(logo && circle);
    EXPECT_EQ(logo->Caption(), QStringLiteral("Holvin"));
    // Inside the circle's pen of two pixels.
    EXPECT_TRUE(circle->geometry().adjusted(2, 2, -2, -2).contains(logo->geometry()))
        << logo->geometry().x() << "," << logo->geometry().y() << " " << logo->geometry().width() << "x"
        << logo->geometry().height();
}

TEST_F(TourPages, SelectedHelpTextPulledOutOfItsMemoStartsNoDrag)
{
    ASSERT_TRUE(TestSupport::showActive(Form1));
    gotoPage(1);
    auto *memo = Form1->findChild<TMemo *>(QStringLiteral("Memo4"));
    ASSERT_TRUE(memo && memo->isEnabled());
    // A word selected as a double-click selects it, the click long past.
    const QTextCursor word = memo->document()->find(QStringLiteral("screen"));
    memo->setTextCursor(word);
    QWindow *window = Form1->windowHandle();
    const QPoint on = memo->viewport()->mapTo(Form1, memo->cursorRect(word).center() - QPoint(8, 0));
    const QPoint out = memo->mapTo(Form1, QPoint(memo->width() / 2, memo->height() * 4));
    QTest::mousePress(window, Qt::LeftButton, {}, on);
    // A drag is an object made on the memo's viewport. Where it runs a loop
    // of its own, that loop takes the release, and the memo's scrolling
    // starts the next drag.
    TestSupport::ChildrenMade made;
    memo->viewport()->installEventFilter(&made);
    QTest::mouseMove(window, out);
    EXPECT_EQ(made.count, 0);
    QTest::mouseRelease(window, Qt::LeftButton, {}, out);
    QTest::mouseClick(window, Qt::LeftButton, {}, wizard()->NextButton()->mapTo(Form1, QPoint(5, 5)));
    TestSupport::settle();
    EXPECT_EQ(wizard()->Page(), 2);
}
