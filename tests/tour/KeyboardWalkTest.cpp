// The tour from the keyboard alone, as a visitor who uses no mouse takes it,
// and what assistive technology hears when the page changes.

#include "tests/support/TourFixture.h"

#include "toolkit/AccessibleNames.h"
#include "toolkit/TBitBtn.h"

#include <QAccessible>
#include <QApplication>
#include <QSet>
#include <QTest>

namespace {

class KeyboardWalk : public TourFixture
{
protected:
    void SetUp() override
    {
        TourFixture::SetUp();
        ASSERT_TRUE(TestSupport::showActive(Form1));
        TestSupport::settle();
    }

    static QWidget *focus() { return QApplication::focusWidget(); }

    // What Tab can reach in the window now: shown, enabled, with a tab stop,
    // not standing in for another widget.
    static QSet<QWidget *> reachable()
    {
        QSet<QWidget *> set;
        for (QWidget *w : Form1->findChildren<QWidget *>()) {
            if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy()
                && w->window() == Form1)
                set.insert(w);
        }
        return set;
    }

    // Presses Tab once round the window's focus chain; the widgets that took
    // the focus on the way.
    static QSet<QWidget *> tabRound()
    {
        QSet<QWidget *> seen;
        QWidget *start = focus();
        for (int i = 0; i < 400 && focus(); ++i) {
            QTest::keyClick(focus(), Qt::Key_Tab);
            seen.insert(focus());
            if (focus() == start)
                break;
        }
        return seen;
    }

    // Presses Tab until `target` has the focus, then `key` on it.
    static void tabToAndPress(QWidget *target, Qt::Key key)
    {
        for (int i = 0; i < 400 && focus() != target; ++i)
            QTest::keyClick(focus(), Qt::Key_Tab);
        ASSERT_EQ(focus(), target) << target->objectName().toStdString();
        QTest::keyClick(target, key);
        TestSupport::settle();
    }

    static QStringList names(const QSet<QWidget *> &set)
    {
        QStringList list;
        for (QWidget *w : set)
            list << QStringLiteral("%1 (%2)").arg(w->objectName(), QString::fromLatin1(w->metaObject()->className()));
        list.sort();
        return list;
    }
};

} // namespace

TEST_F(KeyboardWalk, TabReachesEveryControlOfEveryPageAndTheKeysMoveTheTour)
{
    TAssistent *w = wizard();
    ASSERT_TRUE(focus());
    tabToAndPress(w->ChangeButton(), Qt::Key_Space);   // Start
    ASSERT_EQ(w->Page(), 1);
    for (int page = 1; page <= 15; ++page) {
        SCOPED_TRACE(page);
        ASSERT_EQ(w->Page(), page);
        ASSERT_TRUE(focus()) << "the page arrives with the focus on a control";
        const QSet<QWidget *> expected = reachable();
        const QSet<QWidget *> seen = tabRound();
        EXPECT_EQ(names(seen), names(expected));
        if (page < 15)
            tabToAndPress(w->NextButton(), page % 2 ? Qt::Key_Return : Qt::Key_Space);
    }
    for (int page = 15; page > 1; --page) {
        SCOPED_TRACE(page);
        tabToAndPress(w->BackButton(), Qt::Key_Space);
        EXPECT_EQ(w->Page(), page - 1);
    }
    tabToAndPress(w->ChangeButton(), Qt::Key_Return);   // Restart
    EXPECT_EQ(w->Page(), 0);
}

TEST_F(KeyboardWalk, AltNIsTheWizardsNextAlsoBesideAScreensOwnButton)
{
    TAssistent *w = wizard();
    // The call script has "&Next", the contact history "&New", the campaign
    // "&New line".
    for (int page : {3, 5, 7}) {
        SCOPED_TRACE(page);
        gotoPage(page);
        ASSERT_TRUE(focus());
        QTest::keyClick(focus(), Qt::Key_N, Qt::AltModifier);
        TestSupport::settle();
        EXPECT_EQ(w->Page(), page + 1);
    }
}

namespace {

QList<QPair<int, QString>> heard;

} // namespace

TEST_F(KeyboardWalk, APageChangeIsAnnouncedWithThePagesTitle)
{
    AccessibleNames::setListener([](QObject *object, QAccessible::Event event) {
        if (object == Form1->Assistent1)
            heard << qMakePair(int(event), Form1->Assistent1->accessibleName());
    });
    const struct {
        int page;
        const char *title;
    } rows[] = {{1, "Account list"}, {5, "Contact history"}, {15, "User-defined screens"},
                {0, "Ravik demonstration introduction"}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.page);
        heard.clear();
        gotoPage(row.page);
        EXPECT_TRUE(heard.contains(qMakePair(int(QAccessible::NameChanged), QString::fromLatin1(row.title))));
        EXPECT_TRUE(heard.contains(qMakePair(int(QAccessible::PageChanged), QString::fromLatin1(row.title))));
        QAccessibleInterface *area = QAccessible::queryAccessibleInterface(wizard());
        ASSERT_TRUE(area);
        EXPECT_EQ(area->text(QAccessible::Name), QString::fromLatin1(row.title));
    }
    AccessibleNames::setListener(nullptr);
}
