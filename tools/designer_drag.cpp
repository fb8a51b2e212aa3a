// Drives the user-defined screens designer in a real window: adds an
// "Account number" field to the first page, drags it with the mouse (press,
// move, release), then drags the handle's bottom-right square to resize it,
// then shows every toolbar button, a label and a date field, and writes a
// screenshot before, during and after each step as
// drag-N-<step>.png into the folder given (default "designer-drag").
// Run under a display, e.g.:
//     xvfb-run -a -s "-screen 0 1024x768x24" build/tools/designer_drag /tmp/drag
// Exits with 1 when the field does not land where the drag should put it.

// Mouse input goes through the window system's queue, as a user's does.
#define QTEST_QPA_MOUSE_HANDLING

#include "designer/TStretchHandle.h"
#include "designer/usrdef2.h"
#include "toolkit/TButton.h"
#include "toolkit/TComboBox.h"
#include "toolkit/TEdit.h"
#include "tools/TourWindow.h"
#include "wizard/TAssistent.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTest>

#include <cstdio>

namespace {

QString g_dir;
int g_shot = 0;

void shoot(const char *step)
{
    TourWindow::settle();
    const QString file = QStringLiteral("%1/drag-%2-%3.png").arg(g_dir).arg(++g_shot).arg(QLatin1String(step));
    if (Form1->screen()->grabWindow(0).save(file))
        std::printf("%s\n", qPrintable(file));
    else
        std::fprintf(stderr, "could not write %s\n", qPrintable(file));
}

bool expect(const char *what, const QRect &actual, const QRect &expected)
{
    std::printf("%s: %d,%d %dx%d\n", what, actual.x(), actual.y(), actual.width(), actual.height());
    if (actual == expected)
        return true;
    std::fprintf(stderr, "%s: expected %d,%d %dx%d\n", what, expected.x(), expected.y(), expected.width(),
                 expected.height());
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    g_dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("designer-drag");
    QDir().mkpath(g_dir);

    if (!TourWindow::start())
        return 1;
    Form1->Assistent1->SetPage(15);
    TourWindow::settle();
    Tusrdef2fm *fm = nullptr;
    for (int i = 0; i < Form1->componentCount() && !fm; ++i)
        fm = qobject_cast<Tusrdef2fm *>(Form1->componentAt(i));
    if (!fm) {
        std::fprintf(stderr, "page 15 shows no designer\n");
        return 1;
    }

    fm->Fieldlist2->setCurrentIndex(1);
    emit fm->Fieldlist2->activated(1);
    fm->Addbtn->click();
    auto *field = fm->findChild<TEdit *>(QStringLiteral("N0"));
    if (!field) {
        std::fprintf(stderr, "Add created no field\n");
        return 1;
    }
    bool ok = expect("added", field->BoundsRect(), QRect(30, 40, 121, 25));
    shoot("added");

    // Press on the field, move in steps, release: the handle, attached by the
    // press, carries the field along.
    QTest::mousePress(field, Qt::LeftButton, {}, QPoint(20, 10));
    for (int step = 1; step <= 10; ++step)
        QTest::mouseMove(field, QPoint(20 + 15 * step, 10 + 8 * step), 20);
    shoot("moving");
    QTest::mouseRelease(field, Qt::LeftButton, {}, QPoint(170, 90));
    // From the first move (35, 18) to (170, 90), less 2 pixels.
    ok = expect("moved", field->BoundsRect(), QRect(30 + 135 - 2, 40 + 72 - 2, 121, 25)) && ok;
    shoot("moved");

    // Hover over the handle's bottom-right square and drag it.
    TStretchHandle *handle = fm->StretchHandle1;
    const QPoint corner(handle->Width() - 2, handle->Height() - 2);
    QTest::mouseMove(handle, corner, 20);
    QTest::mousePress(handle, Qt::LeftButton, {}, corner);
    for (int step = 1; step <= 5; ++step)
        QTest::mouseMove(handle, corner + QPoint(12 * step, 6 * step), 20);
    shoot("resizing");
    QTest::mouseRelease(handle, Qt::LeftButton, {}, corner + QPoint(60, 30));
    ok = expect("resized", field->BoundsRect(), QRect(163, 110, 121 + 60 - 3, 25 + 30 - 3)) && ok;
    shoot("resized");

    // Every toolbar entry, a text label and a date field with its calendar
    // button and must box, for a look at the glyphs and the items.
    fm->FormClick(fm);
    fm->Fieldlist2->setCurrentIndex(-1);
    for (int entry = 0; entry < fm->Buttonlist->Count(); ++entry) {
        fm->Buttonlist->setCurrentIndex(entry);
        emit fm->Buttonlist->activated(entry);
        fm->Addbtn->click();
    }
    fm->Fieldlist2->setCurrentIndex(17);
    emit fm->Fieldlist2->activated(17);
    fm->Addbtn->click();
    fm->Fieldlist2->setCurrentIndex(0);
    emit fm->Fieldlist2->activated(0);
    fm->Edit1->SetText(QStringLiteral("Customer since"));
    fm->Addbtn->click();
    shoot("everything");

    TourWindow::stop();
    return ok ? 0 : 1;
}
