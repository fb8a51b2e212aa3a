// Mouse input goes through the window, as a real press does: Qt picks the
// widget under the point, keeps the implicit grab of a press and honours an
// explicit mouse grab.
#define QTEST_QPA_MOUSE_HANDLING

#include "designer/DesignerControls.h"
#include "designer/SHandles.h"
#include "tests/support/TestSupport.h"
#include "toolkit/FormWriter.h"
#include "toolkit/Keys.h"
#include "toolkit/TPanel.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

using H = TStretchHandle;

class Probe : public QObject
{
    Q_OBJECT
public:
    QStringList log;
    TStretchHandle *handle = nullptr;
    QWidget *a = nullptr;

public slots:
    void HandleMouseDown(QObject *, Tk::TMouseButton, Tk::TShiftState, int x, int y) { log << QStringLiteral("handle down %1,%2").arg(x).arg(y); }
    void HandleMouseUp(QObject *, Tk::TMouseButton, Tk::TShiftState, int x, int y) { log << QStringLiteral("handle up %1,%2").arg(x).arg(y); }
    void UnderMouseDown(QObject *, Tk::TMouseButton, Tk::TShiftState, int x, int y) { log << QStringLiteral("under down %1,%2").arg(x).arg(y); }
    void UnderMouseUp(QObject *, Tk::TMouseButton, Tk::TShiftState, int x, int y) { log << QStringLiteral("under up %1,%2").arg(x).arg(y); }
    void HostMouseDown(QObject *, Tk::TMouseButton, Tk::TShiftState, int x, int y) { log << QStringLiteral("host down %1,%2").arg(x).arg(y); }
    void HandleKeyDown(QObject *, int &key, Tk::TShiftState)
    {
        log << QStringLiteral("key %1 with A at %2,%3").arg(key).arg(a->x()).arg(a->y());
    }
    // What a designer does: a press on an item attaches the handle to it, and
    // the release of a plain click lets it go again.
    void AMouseDown(QObject *sender, Tk::TMouseButton, Tk::TShiftState, int, int)
    {
        handle->AttachControl(static_cast<QWidget *>(sender));
    }
    void AMouseUp(QObject *, Tk::TMouseButton, Tk::TShiftState, int, int)
    {
        log << QStringLiteral("A up");
        handle->ReleaseControls();
    }
};

class StretchHandleTest : public testing::Test
{
protected:
    void SetUp() override
    {
        DesignerControls::registerClasses();
        form = TestSupport::loadForm(QStringLiteral(
            "Form1: TForm { Left = 0 Top = 0 Width = 400 Height = 300"
            "  Host: TPanel { Left = 0 Top = 0 Width = 300 Height = 200 BevelOuter = bvNone Color = clSilver"
            "    Under: TPanel { Left = 20 Top = 60 Width = 150 Height = 10 BevelOuter = bvNone Color = clYellow }"
            "    A: TPanel { Left = 30 Top = 40 Width = 100 Height = 20 BevelOuter = bvNone Color = clAqua }"
            "    B: TPanel { Left = 30 Top = 80 Width = 100 Height = 20 BevelOuter = bvNone Color = clLime }"
            "  }"
            "  Other: TPanel { Left = 300 Top = 0 Width = 100 Height = 200 BevelOuter = bvNone"
            "    C: TPanel { Left = 10 Top = 10 Width = 50 Height = 30 } }"
            "  StretchHandle1: TStretchHandle { GridX = 1 GridY = 1 }"
            "}"));
        handle = form->findChild<TStretchHandle *>(QStringLiteral("StretchHandle1"));
        host = form->findChild<TPanel *>(QStringLiteral("Host"));
        a = form->findChild<TPanel *>(QStringLiteral("A"));
        b = form->findChild<TPanel *>(QStringLiteral("B"));
        under = form->findChild<TPanel *>(QStringLiteral("Under"));
        ASSERT_TRUE(handle && host && a && b && under);
        probe.handle = handle;
        probe.a = a;
        form->Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    void TearDown() override
    {
        if (QWidget *grabber = QWidget::mouseGrabber())
            grabber->releaseMouse();
    }

    // A left-button drag on the handle between two of its own points.
    void drag(const QPoint &from, const QPoint &to)
    {
        QTest::mousePress(handle, Qt::LeftButton, {}, from);
        QTest::mouseMove(handle, (from + to) / 2);
        QTest::mouseMove(handle, to);
        QTest::mouseRelease(handle, Qt::LeftButton, {}, to);
    }

    static void bind(Component *c, const char *event, QObject *target, const char *handler)
    {
        ASSERT_TRUE(c->bindEvent(event, target, handler).isEmpty()) << event;
    }

    TestSupport::FormPtr form;
    TStretchHandle *handle = nullptr;
    TPanel *host = nullptr;
    TPanel *a = nullptr;
    TPanel *b = nullptr;
    TPanel *under = nullptr;
    Probe probe;
};

} // namespace

TEST(StretchHandleGeometry, ProposedBoundsForEveryDragMode)
{
    // Handle around a 100 x 20 control at (30, 40); the drag goes by (10, 10).
    const QRect handle(28, 38, 105, 25);
    const QPoint start(50, 10);
    const QPoint end(60, 20);
    const struct {
        int mode;
        QRect grid1;
        QRect grid8;
    } rows[] = {
        {H::dmMove, {36, 46, 105, 25}, {30, 46, 105, 25}},
        {H::dmTopLeft, {36, 46, 97, 17}, {30, 46, 103, 17}},
        {H::dmTopRight, {28, 46, 112, 17}, {28, 46, 109, 17}},
        {H::dmBottomLeft, {36, 38, 97, 32}, {30, 38, 103, 29}},
        {H::dmBottomRight, {28, 38, 112, 32}, {28, 38, 109, 29}},
        {H::dmTop, {28, 46, 105, 17}, {28, 46, 105, 17}},
        {H::dmLeft, {36, 38, 97, 25}, {30, 38, 103, 25}},
        {H::dmBottom, {28, 38, 105, 32}, {28, 38, 105, 29}},
        {H::dmRight, {28, 38, 112, 25}, {28, 38, 109, 25}},
        {9, {36, 46, 105, 25}, {30, 46, 105, 25}},   // unknown modes move
    };
    for (const auto &row : rows) {
        EXPECT_EQ(H::proposedBounds(handle, start, end, row.mode, 1, 1), row.grid1) << "mode " << row.mode << " grid 1";
        EXPECT_EQ(H::proposedBounds(handle, start, end, row.mode, 8, 8), row.grid8) << "mode " << row.mode << " grid 8";
    }
    // A move with grid 8 puts the control (2 pixels inside) on the grid.
    const QRect moved = H::proposedBounds(QRect(28, 38, 105, 25), start, QPoint(71, 33), H::dmMove, 8, 8);
    EXPECT_EQ((moved.left() + 2) % 8, 0);
    EXPECT_EQ((moved.top() + 2) % 8, 0);
}

TEST(StretchHandleGeometry, ProposedBoundsSnapTowardZeroAndKeepTheMinimumSize)
{
    const struct {
        const char *name;
        QRect handle;
        QPoint start;
        QPoint end;
        int mode;
        int grid;
        QRect expected;
    } rows[] = {
        // -7 div 8 is 0, not -1.
        {"negative snap", {3, 3, 30, 30}, {10, 10}, {0, 0}, H::dmMove, 8, {-2, -2, 30, 30}},
        {"negative grid 1", {3, 3, 30, 30}, {10, 10}, {0, 0}, H::dmMove, 1, {-9, -9, 30, 30}},
        {"no movement grid 1", {28, 38, 105, 25}, {50, 10}, {50, 10}, H::dmMove, 1, {26, 36, 105, 25}},
        {"bottom-right too narrow", {28, 38, 105, 25}, {100, 20}, {0, 0}, H::dmBottomRight, 1, {28, 38, 5, 5}},
        {"top-left past the other corner", {28, 38, 105, 25}, {0, 0}, {200, 100}, H::dmTopLeft, 1, {226, 136, 5, 5}},
        {"right edge to nothing", {28, 38, 105, 25}, {104, 12}, {1, 12}, H::dmRight, 8, {28, 38, 5, 25}},
        {"out-of-range grid is clamped", {28, 38, 105, 25}, {50, 10}, {60, 20}, H::dmMove, 0, {36, 46, 105, 25}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(H::proposedBounds(row.handle, row.start, row.end, row.mode, row.grid, row.grid), row.expected) << row.name;
}

TEST(StretchHandleGeometry, AttachBoundsSurroundOneOrSeveralControls)
{
    const QRect first = H::attachBounds(QRect(), true, QRect(30, 40, 100, 20));
    EXPECT_EQ(first, QRect(28, 38, 105, 25));
    const QRect second = H::attachBounds(first, false, QRect(30, 80, 100, 20));
    EXPECT_EQ(second, QRect(28, 38, 105, 65));
    // A control above and to the left grows the handle that way.
    EXPECT_EQ(H::attachBounds(second, false, QRect(10, 20, 5, 5)), QRect(8, 18, 125, 85));
    // One inside the current bounds changes nothing.
    EXPECT_EQ(H::attachBounds(second, false, QRect(40, 50, 10, 10)), second);
    // The outline shows the controls' rectangle again.
    EXPECT_EQ(H::outlineRect(first), QRect(30, 40, 100, 20));
}

TEST(StretchHandleGeometry, HitTestZonesAndCursors)
{
    const QSize size(105, 25);
    const struct {
        QPoint point;
        QSize size;
        int controls;
        int zone;
    } rows[] = {
        {{0, 0}, size, 1, H::dmTopLeft},       {{4, 4}, size, 1, H::dmTopLeft},      {{-4, -4}, size, 1, H::dmTopLeft},
        {{5, 0}, size, 1, H::dmMove},          {{104, 24}, size, 1, H::dmBottomRight}, {{105, 25}, size, 1, H::dmBottomRight},
        {{104, 0}, size, 1, H::dmTopRight},    {{0, 24}, size, 1, H::dmBottomLeft},  {{52, 0}, size, 1, H::dmTop},
        {{50, 0}, size, 1, H::dmTop},          {{55, 0}, size, 1, H::dmTop},          {{56, 0}, size, 1, H::dmMove},
        {{49, 0}, size, 1, H::dmMove},         {{52, 24}, size, 1, H::dmBottom},     {{0, 12}, size, 1, H::dmLeft},
        {{104, 12}, size, 1, H::dmRight},      {{30, 12}, size, 1, H::dmMove},
        // On a tiny handle every test matches; the last one wins.
        {{3, 3}, QSize(6, 6), 1, H::dmRight},
        // Several controls, or none: always a move.
        {{0, 0}, size, 2, H::dmMove},          {{104, 24}, size, 2, H::dmMove},      {{0, 0}, size, 0, H::dmMove},
    };
    for (const auto &row : rows)
        EXPECT_EQ(H::hitTest(row.point, row.size, row.controls), row.zone) << row.point.x() << "," << row.point.y();

    const struct {
        int zone;
        Tk::TCursor cursor;
    } cursors[] = {
        {H::dmMove, Tk::TCursor::crDefault},     {H::dmTopLeft, Tk::TCursor::crSizeNWSE}, {H::dmBottomRight, Tk::TCursor::crSizeNWSE},
        {H::dmTopRight, Tk::TCursor::crSizeNESW}, {H::dmBottomLeft, Tk::TCursor::crSizeNESW}, {H::dmTop, Tk::TCursor::crSizeNS},
        {H::dmBottom, Tk::TCursor::crSizeNS},    {H::dmLeft, Tk::TCursor::crSizeWE},    {H::dmRight, Tk::TCursor::crSizeWE},
    };
    for (const auto &row : cursors)
        EXPECT_EQ(H::zoneCursor(row.zone), row.cursor) << row.zone;
}

TEST(StretchHandleGeometry, GrabSquares)
{
    const QRect handle(28, 38, 105, 25);
    const QList<QRect> one = H::grabSquares(handle, {QRect(30, 40, 100, 20)});
    const QList<QRect> expected = {
        {0, 0, 5, 5},  {99, 0, 5, 5},  {99, 19, 5, 5}, {0, 19, 5, 5},    // corners
        {50, 0, 5, 5}, {50, 19, 5, 5}, {0, 10, 5, 5},  {99, 10, 5, 5},   // edge middles
    };
    EXPECT_EQ(one, expected);

    const QList<QRect> two = H::grabSquares(QRect(28, 38, 105, 65), {QRect(30, 40, 100, 20), QRect(30, 80, 100, 20)});
    const QList<QRect> corners = {
        {0, 0, 5, 5}, {99, 0, 5, 5}, {99, 19, 5, 5}, {0, 19, 5, 5},
        {0, 40, 5, 5}, {99, 40, 5, 5}, {99, 59, 5, 5}, {0, 59, 5, 5},
    };
    EXPECT_EQ(two, corners);
}

TEST(StretchHandleGeometry, ClampsPointsToTheParent)
{
    const QSize parent(300, 200);
    const QPoint topLeft(28, 38);
    EXPECT_EQ(H::clampToParent(QPoint(10, 10), topLeft, parent), QPoint(10, 10));
    EXPECT_EQ(H::clampToParent(QPoint(-40, -50), topLeft, parent), QPoint(-28, -38));
    EXPECT_EQ(H::clampToParent(QPoint(400, 400), topLeft, parent), QPoint(272, 162));
    EXPECT_EQ(H::clampToParent(QPoint(272, 162), topLeft, parent), QPoint(272, 162));
}

TEST(StretchHandleProperties, GridsAreClampedAndSnapToGridFollowsThem)
{
    TStretchHandle handle(nullptr);
    EXPECT_EQ(handle.GridX(), 1);
    EXPECT_FALSE(handle.SnapToGrid());
    const struct {
        int x;
        int y;
        int gridX;
        int gridY;
        bool snap;
    } rows[] = {
        {0, 1, 1, 1, false}, {-5, 40, 1, 32, true}, {33, 32, 32, 32, true}, {3, 1, 3, 1, true}, {1, 2, 1, 2, true}, {1, 1, 1, 1, false},
    };
    for (const auto &row : rows) {
        handle.SetGridX(row.x);
        handle.SetGridY(row.y);
        EXPECT_EQ(handle.GridX(), row.gridX) << row.x;
        EXPECT_EQ(handle.GridY(), row.gridY) << row.y;
        EXPECT_EQ(handle.SnapToGrid(), row.snap) << row.x << "," << row.y;
    }
    handle.SetSnapToGrid(true);
    EXPECT_EQ(handle.GridX(), 8);
    EXPECT_EQ(handle.GridY(), 8);
    handle.SetSnapToGrid(false);
    EXPECT_EQ(handle.GridX(), 1);
    EXPECT_EQ(handle.GridY(), 1);
}

TEST_F(StretchHandleTest, StoresGridsOnlyWhenTheyDifferFromEight)
{
    QString text = FormWriter::write(form.get());
    EXPECT_TRUE(text.contains(QStringLiteral("GridX = 1")));
    EXPECT_TRUE(text.contains(QStringLiteral("GridY = 1")));
    EXPECT_FALSE(text.contains(QStringLiteral("SnapToGrid")));
    handle->SetSnapToGrid(true);
    text = FormWriter::write(form.get());
    EXPECT_FALSE(text.contains(QStringLiteral("GridX")));
    EXPECT_FALSE(text.contains(QStringLiteral("GridY")));
}

TEST_F(StretchHandleTest, AttachesToOneThenSeveralControls)
{
    EXPECT_FALSE(handle->isVisible());
    handle->AttachControl(a);
    EXPECT_EQ(handle->parentWidget(), host);
    EXPECT_TRUE(handle->isVisible());
    EXPECT_TRUE(handle->isEnabled());
    EXPECT_EQ(handle->BoundsRect(), QRect(28, 38, 105, 25));
    EXPECT_EQ(a->BoundsRect(), QRect(30, 40, 100, 20)) << "attaching moves no control";

    QImage shot = host->grab().toImage();
    const QRgb black = qRgb(0, 0, 0);
    for (const QRect &square : H::grabSquares(handle->BoundsRect(), {a->BoundsRect()})) {
        const QRect s = square.translated(handle->pos());
        EXPECT_EQ(shot.pixel(s.topLeft()), black) << s.x() << "," << s.y();
        EXPECT_EQ(shot.pixel(s.bottomRight()), black) << s.x() << "," << s.y();
    }
    // The handle is transparent: the control shows through between the squares.
    EXPECT_EQ(shot.pixel(80, 50), qRgb(0, 255, 255));

    handle->AttachControl(b);
    EXPECT_EQ(handle->BoundsRect(), QRect(28, 38, 105, 65));
    EXPECT_EQ(handle->ControlCount(), 2);
    shot = host->grab().toImage();
    EXPECT_EQ(shot.pixel(28, 38), qRgb(0x80, 0x80, 0x80));
    EXPECT_EQ(shot.pixel(28 + 99, 78 + 19), qRgb(0x80, 0x80, 0x80));
    // No edge squares with several controls: the panel beneath shows.
    EXPECT_EQ(shot.pixel(28 + 51, 38 + 1), qRgb(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(shot.pixel(28 + 51, 80 + 1), qRgb(0, 255, 0));
    // Presses in the gap between the two controls reach the panel beneath.
    EXPECT_EQ(shot.pixel(60, 65), qRgb(255, 255, 0));

    // Nothing happens for null or for a control already attached.
    handle->AttachControl(nullptr);
    handle->AttachControl(a);
    EXPECT_EQ(handle->ControlCount(), 2);
    EXPECT_EQ(handle->BoundsRect(), QRect(28, 38, 105, 65));
}

TEST_F(StretchHandleTest, AControlOfAnotherParentStartsOver)
{
    handle->AttachControl(a);
    handle->AttachControl(b);
    auto *c = form->findChild<TPanel *>(QStringLiteral("C"));
    handle->AttachControl(c);
    EXPECT_EQ(handle->ControlCount(), 1);
    EXPECT_EQ(handle->ControlAt(0), c);
    EXPECT_EQ(handle->parentWidget(), c->parentWidget());
    EXPECT_EQ(handle->BoundsRect(), QRect(8, 8, 55, 35));
}

TEST_F(StretchHandleTest, RefusesAFormAndStaysAsItWas)
{
    try {
        handle->AttachControl(form.get());
        FAIL() << "no exception";
    } catch (const EBadChild &e) {
        EXPECT_STREQ(e.what(), "Handles can not be attached to a Form!");
    }
    EXPECT_EQ(handle->ControlCount(), 0);
    EXPECT_FALSE(handle->isVisible());

    handle->AttachControl(a);
    EXPECT_THROW(handle->AttachControl(form.get()), EBadChild);
    EXPECT_EQ(handle->ControlCount(), 1);
    EXPECT_EQ(handle->BoundsRect(), QRect(28, 38, 105, 25));
    const std::exception &base = EBadChild("x");
    EXPECT_STREQ(base.what(), "x");
}

TEST_F(StretchHandleTest, ReleaseLeavesTheControlsAndResetsTheHandle)
{
    handle->AttachControl(a);
    handle->AttachControl(b);
    handle->SetLocked(true);
    handle->ReleaseControls();
    EXPECT_EQ(handle->ControlCount(), 0);
    EXPECT_FALSE(handle->Locked());
    EXPECT_FALSE(handle->isVisible());
    EXPECT_FALSE(handle->Enabled());
    EXPECT_EQ(handle->parentWidget(), nullptr);
    EXPECT_EQ(handle->Width(), 24);
    EXPECT_EQ(handle->Height(), 24);
    EXPECT_EQ(a->BoundsRect(), QRect(30, 40, 100, 20));
    EXPECT_EQ(b->BoundsRect(), QRect(30, 80, 100, 20));
}

TEST_F(StretchHandleTest, HandleBoundsCarryEveryAttachedControl)
{
    handle->AttachControl(a);
    handle->AttachControl(b);
    handle->SetLeft(handle->Left() + 5);
    handle->SetHeight(handle->Height() + 4);
    EXPECT_EQ(a->BoundsRect(), QRect(35, 40, 100, 24));
    EXPECT_EQ(b->BoundsRect(), QRect(35, 80, 100, 24));
    handle->SetLocked(true);
    handle->SetBounds(0, 0, 50, 50);
    EXPECT_EQ(handle->BoundsRect(), QRect(33, 38, 105, 69));
    EXPECT_EQ(a->BoundsRect(), QRect(35, 40, 100, 24));
}

TEST_F(StretchHandleTest, AFreedControlDropsOutOfTheSelection)
{
    handle->AttachControl(a);
    handle->AttachControl(b);
    Component::free(b);
    b = nullptr;
    EXPECT_EQ(handle->ControlCount(), 1);
    handle->SetLeft(handle->Left() + 1);
    EXPECT_EQ(a->Left(), 31);
    EXPECT_EQ(handle->grab().size(), handle->size());   // paints without the freed control
}

TEST_F(StretchHandleTest, DragMovesTheControlAndShowsAnOutline)
{
    handle->AttachControl(a);
    const QPoint from(50, 10);
    const QPoint to(60, 20);
    QTest::mousePress(handle, Qt::LeftButton, {}, from);
    EXPECT_TRUE(handle->Dragging());
    QTest::mouseMove(handle, to);
    EXPECT_EQ(handle->Cursor(), Tk::TCursor::crDrag);
    // The outline marks the control's prospective place; the control waits.
    const QImage during = host->grab().toImage();
    EXPECT_EQ(a->BoundsRect(), QRect(30, 40, 100, 20));
    EXPECT_NE(during.pixel(38, 48), qRgb(0, 255, 255));
    EXPECT_NE(during.pixel(70, 48), qRgb(0, 255, 255));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, to);
    EXPECT_FALSE(handle->Dragging());
    EXPECT_EQ(handle->Cursor(), Tk::TCursor::crDefault);
    EXPECT_EQ(a->BoundsRect(), QRect(38, 48, 100, 20));
    EXPECT_EQ(handle->BoundsRect(), QRect(36, 46, 105, 25));
    const QImage after = host->grab().toImage();
    EXPECT_EQ(after.pixel(70, 48), qRgb(0, 255, 255)) << "the outline is gone";
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);

    // A release at the press point changes nothing.
    QTest::mousePress(handle, Qt::LeftButton, {}, from);
    QTest::mouseRelease(handle, Qt::LeftButton, {}, from);
    EXPECT_EQ(a->BoundsRect(), QRect(38, 48, 100, 20));
}

TEST_F(StretchHandleTest, DragFromTheBottomRightCornerResizes)
{
    handle->AttachControl(a);
    bind(handle, "OnMouseDown", &probe, "HandleMouseDown");
    bind(handle, "OnMouseUp", &probe, "HandleMouseUp");
    const QPoint corner(103, 23);
    QTest::mouseMove(handle, corner);
    EXPECT_EQ(handle->Cursor(), Tk::TCursor::crSizeNWSE);
    EXPECT_EQ(handle->DragMode(), H::dmBottomRight);
    drag(corner, corner + QPoint(20, 10));
    EXPECT_EQ(a->BoundsRect(), QRect(30, 40, 117, 27));
    EXPECT_EQ(probe.log, (QStringList{QStringLiteral("handle down 103,23"), QStringLiteral("handle up 123,33")}));

    // Dragging the corner far up and left leaves the handle 5 pixels square.
    const QPoint now(handle->Width() - 2, handle->Height() - 2);
    QTest::mouseMove(handle, now);
    drag(now, QPoint(-20, -30));
    EXPECT_EQ(handle->BoundsRect().size(), QSize(5, 5));
    EXPECT_EQ(a->BoundsRect(), QRect(30, 40, 0, 0));
}

TEST_F(StretchHandleTest, SnapToGridPutsMovedControlsOnTheGrid)
{
    handle->SetSnapToGrid(true);
    handle->AttachControl(a);
    drag(QPoint(50, 10), QPoint(73, 31));
    EXPECT_EQ(a->Left() % 8, 0);
    EXPECT_EQ(a->Top() % 8, 0);
    EXPECT_EQ(a->BoundsRect(), QRect(48, 56, 100, 20));
}

TEST_F(StretchHandleTest, DragsAreClampedToTheParent)
{
    handle->AttachControl(a);
    const QPoint from(50, 10);
    QTest::mousePress(handle, Qt::LeftButton, {}, from);
    QTest::mouseMove(handle, QPoint(200, 100));
    QTest::mouseMove(handle, QPoint(500, 400));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(500, 400));
    // The point stops at the parent's edge: (300 - 28, 200 - 38).
    EXPECT_EQ(a->BoundsRect(), QRect(30 + 222 - 2, 40 + 152 - 2, 100, 20));
}

TEST_F(StretchHandleTest, SeveralControlsOnlyMoveTogether)
{
    handle->AttachControl(a);
    handle->AttachControl(b);
    QTest::mouseMove(handle, QPoint(1, 1));
    EXPECT_EQ(handle->DragMode(), H::dmMove);
    EXPECT_EQ(handle->Cursor(), Tk::TCursor::crDefault);
    drag(QPoint(1, 1), QPoint(11, 6));
    EXPECT_EQ(a->BoundsRect(), QRect(38, 43, 100, 20));
    EXPECT_EQ(b->BoundsRect(), QRect(38, 83, 100, 20));
}

TEST_F(StretchHandleTest, LockedHandleMovesNothing)
{
    handle->AttachControl(a);
    handle->SetLocked(true);
    QTest::mouseMove(handle, QPoint(50, 10));
    EXPECT_EQ(handle->Cursor(), Tk::TCursor::crNoDrop);
    QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(50, 10));
    EXPECT_FALSE(handle->Dragging());
    QTest::mouseMove(handle, QPoint(70, 20));
    EXPECT_FALSE(handle->Dragging());
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(70, 20));
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down})
        QTest::keyClick(handle, key);
    EXPECT_EQ(a->BoundsRect(), QRect(30, 40, 100, 20));
    EXPECT_EQ(handle->BoundsRect(), QRect(28, 38, 105, 25));
    handle->ReleaseControls();
    EXPECT_FALSE(handle->Locked());
}

TEST_F(StretchHandleTest, ArrowKeysNudgeByOnePixelThenRaiseKeyDown)
{
    handle->AttachControl(a);
    bind(handle, "OnKeyDown", &probe, "HandleKeyDown");
    handle->SetSnapToGrid(true);   // nudging never snaps
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QPoint expected;
    } rows[] = {
        {Qt::Key_Left, {}, {29, 40}},  {Qt::Key_Up, {}, {29, 39}},         {Qt::Key_Right, Qt::ShiftModifier, {30, 39}},
        {Qt::Key_Down, {}, {30, 40}},  {Qt::Key_Down, {}, {30, 41}},       {Qt::Key_A, {}, {30, 41}},
    };
    for (const auto &row : rows) {
        probe.log.clear();
        QTest::keyClick(handle, row.key, row.modifiers);
        EXPECT_EQ(a->pos(), row.expected) << row.key;
        EXPECT_EQ(a->size(), QSize(100, 20));
        // The key's own OnKeyDown comes last (Shift raises one before it).
        ASSERT_FALSE(probe.log.isEmpty()) << row.key;
        EXPECT_EQ(probe.log.last(), QStringLiteral("key %1 with A at %2,%3").arg(Keys::virtualKey(row.key)).arg(row.expected.x()).arg(row.expected.y()));
    }
    EXPECT_EQ(handle->pos(), QPoint(28, 39));
}

TEST_F(StretchHandleTest, PressesOutsideTheSelectionGoToWhatLiesBeneath)
{
    handle->AttachControl(a);
    handle->AttachControl(b);
    bind(handle, "OnMouseDown", &probe, "HandleMouseDown");
    bind(handle, "OnMouseUp", &probe, "HandleMouseUp");
    bind(under, "OnMouseDown", &probe, "UnderMouseDown");
    bind(under, "OnMouseUp", &probe, "UnderMouseUp");
    bind(host, "OnMouseDown", &probe, "HostMouseDown");
    // (60, 65) in the parent lies between the two controls grown by 2.
    const QPoint gap = QPoint(60, 65) - handle->pos();
    QTest::mousePress(handle, Qt::LeftButton, {}, gap);
    EXPECT_FALSE(handle->Dragging());
    QTest::mouseRelease(handle, Qt::LeftButton, {}, gap);
    EXPECT_EQ(probe.log, (QStringList{QStringLiteral("under down 40,5"), QStringLiteral("under up 40,5")}));

    // With nothing beneath, the parent takes the press.
    under->SetVisible(false);
    probe.log.clear();
    QTest::mousePress(handle, Qt::RightButton, {}, gap);
    QTest::mouseRelease(handle, Qt::RightButton, {}, gap);
    EXPECT_EQ(probe.log, QStringList{QStringLiteral("host down 60,65")});

    // Inside the selection (grown by 2) the press is the handle's.
    probe.log.clear();
    const QPoint edge = QPoint(60, 61) - handle->pos();
    QTest::mousePress(handle, Qt::LeftButton, {}, edge);
    QTest::mouseRelease(handle, Qt::LeftButton, {}, edge);
    EXPECT_EQ(probe.log, (QStringList{QStringLiteral("handle down 32,23"), QStringLiteral("handle up 32,23")}));
}

TEST_F(StretchHandleTest, APressThatAttachesBecomesADragOrAPlainClick)
{
    bind(a, "OnMouseDown", &probe, "AMouseDown");
    bind(a, "OnMouseUp", &probe, "AMouseUp");
    // Press on the control itself: its handler attaches the handle, which
    // takes the mouse, so moving on drags the control.
    QTest::mousePress(a, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(handle->ControlCount(), 1);
    EXPECT_EQ(QWidget::mouseGrabber(), handle);
    QTest::mouseMove(a, QPoint(25, 12));
    EXPECT_TRUE(handle->Dragging());
    QTest::mouseMove(a, QPoint(40, 30));
    QTest::mouseRelease(a, Qt::LeftButton, {}, QPoint(40, 30));
    // From the first move (25, 12) to (40, 30): (15, 18), less 2.
    EXPECT_EQ(a->BoundsRect(), QRect(43, 56, 100, 20));
    EXPECT_TRUE(handle->isVisible()) << "after a drag the handle stays";
    EXPECT_FALSE(probe.log.contains(QStringLiteral("A up")));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);

    // A plain click: the release goes on to the control, whose handler lets
    // the handle go.
    handle->ReleaseControls();
    QTest::mousePress(a, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_TRUE(handle->isVisible());
    QTest::mouseRelease(a, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_TRUE(probe.log.contains(QStringLiteral("A up")));
    EXPECT_FALSE(handle->isVisible());
    EXPECT_EQ(a->BoundsRect(), QRect(43, 56, 100, 20));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

#include "StretchHandleTest.moc"
