// Starts the tour in a real window, switches its wizard to the tabbed style
// and writes screenshots as tabbed/tabbed-NN.png (or into the folder given):
// a few pages reached by writing Page, then pages reached by clicking tabs,
// then a narrow window whose tabs need more rows.
// Run under a display, e.g.: xvfb-run -a -s "-screen 0 1024x768x24" build/tools/tabbed_demo /tmp/tabbed

#include "tools/TourWindow.h"
#include "wizard/TAssistent.h"
#include "wizard/TabStrip.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTest>

#include <cstdio>

namespace {

// The middle of the tab of `page` as last painted, or a null point when the
// page has no painted tab.
QPoint tabCentre(TAssistent *w, int page)
{
    const QList<int> rows = w->TabRows() ? w->TabRows()->values() : QList<int>();
    const QList<int> order = TabStrip::paintOrder(rows, w->Page());
    const int row = TabStrip::rowOf(rows, page);
    const int visual = int(order.indexOf(row));
    if (visual < 0)
        return {};
    int x = 2;
    for (int p = TabStrip::firstPage(rows, row); p < page; ++p)
        x += w->tabWidth(w->PhysicalPage(p));
    const int width = w->tabWidth(w->PhysicalPage(page));
    if (width <= 0)
        return {};
    return {x + width / 2, 2 + visual * w->tabRowHeight() + w->tabRowHeight() / 2};
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("tabbed");
    QDir().mkpath(dir);

    if (!TourWindow::start())
        return 1;

    TAssistent *wizard = Form1->Assistent1;
    wizard->SetStyle(Wz::AssistentStyle::asTabbed);
    TourWindow::settle();

    int shots = 0;
    int failures = 0;
    auto shoot = [&](const char *what) {
        TourWindow::settle();
        const QPixmap shot = Form1->screen()->grabWindow(0);
        const QString file = QStringLiteral("%1/tabbed-%2.png").arg(dir).arg(shots++, 2, 10, QLatin1Char('0'));
        if (!shot.save(file)) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(file));
            ++failures;
            return;
        }
        const QList<int> rows = wizard->TabRows() ? wizard->TabRows()->values() : QList<int>();
        QStringList counts;
        for (int n : rows)
            counts << QString::number(n);
        std::printf("%s  page %d, rows (%s): %s\n", qPrintable(file), wizard->Page(), qPrintable(counts.join(u", ")),
                    what);
    };

    shoot("switched to tabs");
    for (int page : {2, 4, 9}) {
        wizard->SetPage(page);
        shoot("page written");
    }
    for (int page : {1, 12}) {
        const QPoint at = tabCentre(wizard, page);
        if (at.isNull()) {
            std::fprintf(stderr, "the tab of page %d was not painted\n", page);
            ++failures;
            continue;
        }
        QTest::mouseClick(wizard, Qt::LeftButton, Qt::NoModifier, at);
        if (wizard->Page() != page) {
            std::fprintf(stderr, "a click on the tab of page %d went to page %d\n", page, wizard->Page());
            ++failures;
        }
        shoot("tab clicked");
    }
    // With the keyboard focus the selected tab shows a focus rectangle.
    QApplication::setActiveWindow(Form1);
    if (QTest::qWaitForWindowActive(Form1))
        wizard->setFocus();
    shoot(wizard->hasFocus() ? "focus on the tabs" : "the window did not take the focus");

    Form1->SetWindowState(Tk::TWindowState::wsNormal);
    Form1->SetBounds(40, 40, 520, 600);
    shoot("narrow window");

    // Taller tabs: the strip and the page below it move together.
    const int spaceY = wizard->TabSpaceY();
    wizard->SetTabSpaceY(12);
    shoot("TabSpaceY 12");
    wizard->SetTabSpaceY(spaceY);

    wizard->SetStyle(Wz::AssistentStyle::asWizard);
    shoot("back to the wizard's buttons");

    TourWindow::stop();
    return failures ? 1 : 0;
}
