// Mouse input goes through the window, as a real press does, so that Qt picks
// the receiving widget and the list's viewport sees the press.
#define QTEST_QPA_MOUSE_HANDLING

#include "designer/CheckLB.h"
#include "designer/DesignerControls.h"
#include "tests/support/TestSupport.h"
#include "toolkit/FontMap.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

using Tk::TCheckBoxState;

namespace {

// Records the list's events with the check state each one sees.
class Probe : public QObject
{
    Q_OBJECT
public:
    explicit Probe(TCheckListBox *list)
        : m_list(list)
    {
    }
    QStringList log;
    QList<int> drawnLines;
    QList<QRect> drawnRects;

public slots:
    void ListClick(QObject *) { log << QStringLiteral("click %1").arg(line()); }
    void ListMouseDown(QObject *, Tk::TMouseButton, Tk::TShiftState, int x, int y)
    {
        log << QStringLiteral("down %1 at %2,%3").arg(line()).arg(x).arg(y);
    }
    void ListDrawItem(QObject *, int index, QRect rect, int)
    {
        drawnLines << index;
        drawnRects << rect;
        if (QPainter *p = m_list->Canvas())
            p->fillRect(rect, Qt::red);
    }

private:
    // "<selected line> <its state>" at the time of the event.
    QString line() const
    {
        const int i = m_list->ItemIndex();
        return QStringLiteral("%1:%2").arg(i).arg(int(m_list->State(i)));
    }
    TCheckListBox *m_list;
};

class CheckListBoxTest : public testing::Test
{
protected:
    void SetUp() override
    {
        DesignerControls::registerClasses();
        form = TestSupport::loadForm(QStringLiteral(
            "Form1: TForm { Left = 0 Top = 0 Width = 320 Height = 240"
            "  List: TCheckListBox { Left = 8 Top = 8 Width = 240 Height = 160"
            "    Items = (\"Amdahl\", \"IBM\", \"Dell\", \"Compaq\") } }"));
        list = form->findChild<TCheckListBox *>(QStringLiteral("List"));
        ASSERT_NE(list, nullptr);
        form->Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    // A press and release at x (viewport coordinates) in the middle of a line.
    void clickAt(int line, int x, Qt::MouseButton button = Qt::LeftButton)
    {
        const QRect r = list->ItemRect(line);
        QTest::mouseClick(list->viewport(), button, {}, QPoint(r.left() + x, r.center().y()));
    }

    TestSupport::FormPtr form;
    TCheckListBox *list = nullptr;
};

constexpr QRgb Gray = 0xFF808080;
constexpr QRgb Silver = 0xFFC0C0C0;
constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Black = 0xFF000000;

// The check mark's black pixels, row by row, border included.
bool onMark(int x, int y)
{
    static const QList<QList<int>> rows = {{}, {}, {8}, {7, 8}, {2, 6, 7, 8}, {2, 3, 5, 6, 7}, {2, 3, 4, 5, 6}, {3, 4, 5}, {4}, {}, {}};
    return rows.at(y).contains(x);
}

QRgb expectedPixel(TCheckBoxState state, int x, int y)
{
    if (x == 0 || y == 0 || x == 10 || y == 10)
        return Gray;
    if (state != TCheckBoxState::cbUnchecked && onMark(x, y))
        return Black;
    return state == TCheckBoxState::cbGrayed ? Silver : White;
}

} // namespace

TEST(CheckListBoxGlyphs, ResourcesHoldExactlyTheGlyphPixels)
{
    const struct {
        const char *name;
        TCheckBoxState state;
    } rows[] = {
        {"CHECKED", TCheckBoxState::cbChecked},
        {"GRAYED", TCheckBoxState::cbGrayed},
        {"UNCHECKED", TCheckBoxState::cbUnchecked},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const QImage image(QStringLiteral(":/forms/bitmaps/%1.bmp").arg(QLatin1String(row.name)));
        ASSERT_EQ(image.size(), QSize(11, 11));
        EXPECT_LE(image.colorCount(), 16) << "a 16-colour bitmap";
        for (int y = 0; y < 11; ++y) {
            for (int x = 0; x < 11; ++x)
                EXPECT_EQ(image.pixel(x, y), expectedPixel(row.state, x, y)) << "at " << x << "," << y;
        }
    }
}

TEST(CheckListBoxGeometry, PlacesGlyphAndTextByOffset)
{
    const struct {
        const char *name;
        QRect line;
        int offset;
        int textHeight;
        QPoint glyph;
        QPoint text;
        QRect clip;
    } rows[] = {
        {"first line", QRect(0, 0, 200, 13), 4, 13, {4, 1}, {19, 0}, QRect(19, 0, 181, 13)},
        {"lower line", QRect(0, 26, 200, 13), 4, 9, {4, 27}, {19, 28}, QRect(19, 26, 181, 13)},
        {"wide offset", QRect(2, 0, 60, 20), 10, 13, {12, 4}, {33, 3}, QRect(33, 0, 29, 20)},
        // Lines lower than the glyph: the division truncates toward zero.
        {"short line", QRect(0, 0, 100, 8), 4, 13, {4, -1}, {19, -2}, QRect(19, 0, 81, 8)},
        {"text past the right", QRect(0, 0, 16, 13), 4, 13, {4, 1}, {19, 0}, QRect(19, 0, 0, 13)},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const auto p = TCheckListBox::placeLine(row.line, row.offset, QSize(11, 11), row.textHeight);
        EXPECT_EQ(p.glyph, row.glyph);
        EXPECT_EQ(p.text, row.text);
        EXPECT_EQ(p.textClip, row.clip);
    }
}

TEST(CheckListBoxGeometry, CyclesStatesOnToggle)
{
    using S = TCheckBoxState;
    const struct {
        S from;
        bool allowGrayed;
        S to;
    } rows[] = {
        {S::cbUnchecked, true, S::cbGrayed}, {S::cbGrayed, true, S::cbChecked},   {S::cbChecked, true, S::cbUnchecked},
        {S::cbUnchecked, false, S::cbChecked}, {S::cbChecked, false, S::cbUnchecked}, {S::cbGrayed, false, S::cbChecked},
    };
    for (const auto &row : rows)
        EXPECT_EQ(TCheckListBox::toggled(row.from, row.allowGrayed), row.to) << int(row.from) << " grayed " << row.allowGrayed;
}

TEST_F(CheckListBoxTest, UntouchedAndOutOfRangeLinesReadUnchecked)
{
    for (int i : {-1, 0, 3, 4, 100}) {
        EXPECT_FALSE(list->Checked(i)) << i;
        EXPECT_EQ(list->State(i), TCheckBoxState::cbUnchecked) << i;
    }
    // Writes outside the lines change nothing and add nothing.
    for (int i : {-1, 4}) {
        list->SetChecked(i, true);
        list->SetState(i, TCheckBoxState::cbGrayed);
    }
    EXPECT_EQ(list->Count(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(list->State(i), TCheckBoxState::cbUnchecked) << i;
    EXPECT_FALSE(list->Checked(4));
}

TEST_F(CheckListBoxTest, SettersKeepCheckedAndStateInStep)
{
    list->SetState(1, TCheckBoxState::cbGrayed);
    EXPECT_FALSE(list->Checked(1));
    list->SetChecked(1, false);   // already false: stays grayed
    EXPECT_EQ(list->State(1), TCheckBoxState::cbGrayed);
    list->SetChecked(1, true);
    EXPECT_EQ(list->State(1), TCheckBoxState::cbChecked);
    list->SetState(1, TCheckBoxState::cbUnchecked);
    EXPECT_FALSE(list->Checked(1));
    list->SetState(2, TCheckBoxState::cbChecked);
    EXPECT_TRUE(list->Checked(2));
    // Each line keeps its own state.
    EXPECT_EQ(list->State(0), TCheckBoxState::cbUnchecked);
    EXPECT_EQ(list->State(3), TCheckBoxState::cbUnchecked);
}

TEST_F(CheckListBoxTest, AssistiveTechnologyReadsEachLineAsACheckBox)
{
    list->SetState(1, TCheckBoxState::cbChecked);
    list->SetState(2, TCheckBoxState::cbGrayed);
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(list);
    ASSERT_TRUE(iface && iface->tableInterface());
    const struct {
        bool checked;
        bool mixed;
    } lines[] = {{false, false}, {true, false}, {false, true}, {false, false}};
    for (int i = 0; i < 4; ++i) {
        const QAccessible::State s = iface->tableInterface()->cellAt(i, 0)->state();
        EXPECT_TRUE(s.checkable) << i;
        EXPECT_EQ(bool(s.checked), lines[i].checked) << i;
        EXPECT_EQ(bool(s.checkStateMixed), lines[i].mixed) << i;
    }
    // An empty list asked for a line answers none, without a warning.
    static QStringList warnings;
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext &, const QString &text) { warnings << text; });
    list->ClearItems();
    EXPECT_EQ(iface->tableInterface()->cellAt(0, 0), nullptr);
    qInstallMessageHandler(previous);
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join(u'\n').toStdString();
}

TEST_F(CheckListBoxTest, StatesStayWithTheirLinesWhenLinesGo)
{
    list->SetChecked(1, true);
    list->SetState(3, TCheckBoxState::cbGrayed);
    list->DeleteItem(0);
    EXPECT_EQ(list->Item(0), QStringLiteral("IBM"));
    EXPECT_TRUE(list->Checked(0));
    EXPECT_EQ(list->State(2), TCheckBoxState::cbGrayed);
    list->InsertItem(0, QStringLiteral("Cray"));
    EXPECT_EQ(list->State(0), TCheckBoxState::cbUnchecked);
    EXPECT_TRUE(list->Checked(1));
    list->ClearItems();
    list->AddItem(QStringLiteral("Dell"));
    EXPECT_EQ(list->State(0), TCheckBoxState::cbUnchecked);
}

TEST_F(CheckListBoxTest, OnlyALeftPressOnTheGlyphColumnsToggles)
{
    const struct {
        int offset;
        int x;
        bool toggles;
    } rows[] = {
        {4, 3, false}, {4, 4, true}, {4, 9, true}, {4, 14, true}, {4, 15, false}, {4, 60, false},
        {0, 0, true},  {0, 10, true}, {0, 11, false}, {12, 11, false}, {12, 12, true}, {12, 22, true}, {12, 23, false},
    };
    ASSERT_EQ(list->ItemRect(1).left(), 0);
    for (const auto &row : rows) {
        list->SetOffset(row.offset);
        list->SetChecked(1, false);
        clickAt(1, row.x);
        EXPECT_EQ(list->Checked(1), row.toggles) << "offset " << row.offset << " x " << row.x;
        EXPECT_EQ(list->ItemIndex(), 1) << "the press selects the line wherever it falls";
    }
    // The whole height of the line counts.
    list->SetOffset(4);
    list->SetChecked(2, false);
    const QRect r = list->ItemRect(2);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(8, r.top()));
    EXPECT_TRUE(list->Checked(2));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(8, r.bottom()));
    EXPECT_FALSE(list->Checked(2));
}

TEST_F(CheckListBoxTest, OtherButtonsAndKeysNeverToggle)
{
    clickAt(0, 8, Qt::RightButton);
    clickAt(0, 8, Qt::MiddleButton);
    EXPECT_FALSE(list->Checked(0));
    list->SetItemIndex(0);
    list->setFocus();
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Down, Qt::Key_Space, Qt::Key_Return, Qt::Key_Up})
        QTest::keyClick(list, key);
    for (int i = 0; i < list->Count(); ++i)
        EXPECT_EQ(list->State(i), TCheckBoxState::cbUnchecked) << i;
    // A press below the last line hits no line.
    const QRect last = list->ItemRect(3);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(8, last.bottom() + 20));
    for (int i = 0; i < list->Count(); ++i)
        EXPECT_FALSE(list->Checked(i)) << i;
}

TEST_F(CheckListBoxTest, GrayedCycleFollowsAllowGrayed)
{
    list->SetAllowGrayed(true);
    const TCheckBoxState expected[] = {TCheckBoxState::cbGrayed, TCheckBoxState::cbChecked, TCheckBoxState::cbUnchecked};
    for (TCheckBoxState state : expected) {
        clickAt(2, 6);
        EXPECT_EQ(list->State(2), state);
        EXPECT_EQ(list->Checked(2), state == TCheckBoxState::cbChecked);
    }
    // Without the grayed state a grayed line becomes checked.
    list->SetAllowGrayed(false);
    list->SetState(2, TCheckBoxState::cbGrayed);
    clickAt(2, 6);
    EXPECT_EQ(list->State(2), TCheckBoxState::cbChecked);
}

TEST_F(CheckListBoxTest, PressSelectsThenTogglesThenReportsAndReleaseClicks)
{
    Probe probe(list);
    ASSERT_TRUE(list->bindEvent("OnClick", &probe, "ListClick").isEmpty());
    ASSERT_TRUE(list->bindEvent("OnMouseDown", &probe, "ListMouseDown").isEmpty());
    const QRect r = list->ItemRect(1);
    const QPoint at(r.left() + 6, r.center().y());
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, at);
    const QPoint inList = list->viewport()->mapTo(list, at);
    // The selection moves first (its click sees the old check), then the
    // check toggles, then OnMouseDown sees the new one.
    EXPECT_EQ(probe.log, (QStringList{QStringLiteral("click 1:0"),
                                      QStringLiteral("down 1:1 at %1,%2").arg(inList.x()).arg(inList.y())}));
    probe.log.clear();
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(probe.log, QStringList{QStringLiteral("click 1:1")});

    // On a line already selected, the release still reports the new state.
    probe.log.clear();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(probe.log.last(), QStringLiteral("click 1:0"));
    EXPECT_FALSE(probe.log.contains(QStringLiteral("click 1:1")));
}

TEST_F(CheckListBoxTest, DrawsEachLinesGlyphAtItsPlace)
{
    list->SetChecked(0, true);
    list->SetState(1, TCheckBoxState::cbGrayed);
    // A selected line shows its glyph whole; the focus frame (drawn over the
    // line's edge) is left out of the picture.
    list->SetItemIndex(3);
    list->clearFocus();
    const QImage shot = list->viewport()->grab().toImage();
    const TCheckBoxState states[] = {TCheckBoxState::cbChecked, TCheckBoxState::cbGrayed, TCheckBoxState::cbUnchecked,
                                     TCheckBoxState::cbUnchecked};
    for (int line = 0; line < 4; ++line) {
        SCOPED_TRACE(line);
        const QRect r = list->ItemRect(line);
        const QPoint g(r.left() + 4, r.top() + (r.height() - 11) / 2);
        for (int y = 0; y < 11; ++y) {
            for (int x = 0; x < 11; ++x)
                ASSERT_EQ(shot.pixel(g.x() + x, g.y() + y), expectedPixel(states[line], x, y)) << x << "," << y;
        }
        // Nothing but the line's background between glyph and text.
        const QRgb background = shot.pixel(r.left(), r.center().y());
        for (int x = r.left() + 15; x < r.left() + 19; ++x) {
            for (int y = r.top(); y <= r.bottom(); ++y)
                ASSERT_EQ(shot.pixel(x, y), background) << x << "," << y;
        }
        // The text starts at x = 19.
        bool text = false;
        for (int x = r.left() + 19; x < r.left() + 40 && !text; ++x) {
            for (int y = r.top(); y <= r.bottom() && !text; ++y)
                text = shot.pixel(x, y) != background;
        }
        EXPECT_TRUE(text);
    }
}

TEST_F(CheckListBoxTest, OnDrawItemTakesOverTheDrawing)
{
    list->SetChecked(0, true);
    Probe probe(list);
    ASSERT_TRUE(list->bindEvent("OnDrawItem", &probe, "ListDrawItem").isEmpty());
    const QImage shot = list->viewport()->grab().toImage();
    EXPECT_TRUE(probe.drawnLines.contains(0));
    EXPECT_TRUE(probe.drawnLines.contains(3));
    const QRect r = list->ItemRect(0);
    EXPECT_EQ(probe.drawnRects.at(probe.drawnLines.indexOf(0)), r);
    // The handler painted the line; no glyph was drawn over it.
    for (const QPoint &p : {QPoint(r.left() + 4, r.top() + 1), QPoint(r.left() + 9, r.center().y()), QPoint(r.left() + 30, r.center().y())})
        EXPECT_EQ(shot.pixel(p), qRgb(255, 0, 0)) << p.x() << "," << p.y();
    EXPECT_EQ(list->Canvas(), nullptr);
}

TEST_F(CheckListBoxTest, LineHeightFollowsTheFont)
{
    // Font heights whose text height is 16 and one below the glyph's 11.
    auto findHeight = [](auto accept) {
        for (int h = 4; h < 40; ++h) {
            if (accept(QFontMetrics(FontMap::font(QStringLiteral("MS Sans Serif"), -h, {})).height()))
                return h;
        }
        return 0;
    };
    const int tall = findHeight([](int textHeight) { return textHeight == 16; });
    const int small = findHeight([](int textHeight) { return textHeight <= 8; });
    ASSERT_NE(tall, 0);
    ASSERT_NE(small, 0);
    list->Font()->SetHeight(-tall);
    EXPECT_EQ(QFontMetrics(list->font()).height(), 16);
    EXPECT_EQ(list->ItemHeight(), 16);
    EXPECT_EQ(list->ItemRect(1).height(), 16);
    list->Font()->SetHeight(-small);
    EXPECT_EQ(list->ItemHeight(), 11);
    EXPECT_EQ(list->ItemRect(1).height(), 11);
}

TEST_F(CheckListBoxTest, LoadsFromADefinition)
{
    auto other = TestSupport::loadForm(QStringLiteral(
        "Form2: TForm { Ans2: TCheckListBox { AllowGrayed = true Offset = 6 ItemHeight = 13"
        "  Items = (\"Yes\", \"No\") } }"));
    auto *ans = other->findChild<TCheckListBox *>(QStringLiteral("Ans2"));
    ASSERT_NE(ans, nullptr);
    EXPECT_TRUE(ans->AllowGrayed());
    EXPECT_EQ(ans->Offset(), 6);
    EXPECT_EQ(ans->ItemHeight(), 13);
    EXPECT_EQ(ans->Style(), Tk::TListBoxStyle::lbOwnerDrawFixed);
    EXPECT_EQ(ans->Items(), (QStringList{QStringLiteral("Yes"), QStringLiteral("No")}));
    EXPECT_EQ(ans->State(1), TCheckBoxState::cbUnchecked);
}

#include "CheckListBoxTest.moc"
