// Mouse events that arrive on a control's inner widget (a list box's
// viewport) are reported in the control's own coordinates.
#define QTEST_QPA_MOUSE_HANDLING

#include "tests/support/TestSupport.h"
#include "toolkit/TListBox.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

class MouseLog : public QObject
{
    Q_OBJECT
public:
    QStringList log;

public slots:
    void Down(QObject *, Tk::TMouseButton, Tk::TShiftState, int x, int y) { log << QStringLiteral("down %1,%2").arg(x).arg(y); }
    void Up(QObject *, Tk::TMouseButton, Tk::TShiftState, int x, int y) { log << QStringLiteral("up %1,%2").arg(x).arg(y); }
};

} // namespace

TEST(InputWidgetMouse, ViewportEventsUseTheControlsCoordinates)
{
    auto form = TestSupport::loadForm(QStringLiteral(
        "Form1: TForm { Width = 200 Height = 200 List: TListBox { Left = 10 Top = 10 Width = 120 Height = 100"
        "  Items = (\"a\", \"b\") } }"));
    auto *list = form->findChild<TListBox *>(QStringLiteral("List"));
    ASSERT_NE(list, nullptr);
    MouseLog log;
    ASSERT_TRUE(list->bindEvent("OnMouseDown", &log, "Down").isEmpty());
    ASSERT_TRUE(list->bindEvent("OnMouseUp", &log, "Up").isEmpty());
    form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    const QPoint inViewport(5, 3);
    const QPoint inList = list->viewport()->mapTo(list, inViewport);
    ASSERT_NE(inList, inViewport) << "the viewport sits inside the frame";
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, inViewport);
    const QString at = QStringLiteral("%1,%2").arg(inList.x()).arg(inList.y());
    EXPECT_EQ(log.log, (QStringList{QStringLiteral("down ") + at, QStringLiteral("up ") + at}));
    EXPECT_EQ(list->ItemIndex(), 0);
}

#include "InputWidgetMouseTest.moc"
