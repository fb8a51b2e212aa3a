// Starts the tour in a real window and writes one screenshot of the screen
// per page, 0 to 15, as gallery/page-NN.png (or into the folder given), and
// beside each a small picture, page-NN-small.png, 240 pixels wide.
// Run under a display, e.g.: xvfb-run -a -s "-screen 0 1024x768x24" build/tools/gallery
// With --page N only that page is taken.

#include "tools/TourWindow.h"
#include "wizard/TAssistent.h"

#include <QApplication>
#include <QDir>
#include <QScreen>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QString dir = QStringLiteral("gallery");
    int only = -1;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == u"--page" && i + 1 < args.size())
            only = args[++i].toInt();
        else
            dir = args[i];
    }
    QDir().mkpath(dir);

    if (!TourWindow::start())
        return 1;
    int failures = 0;
    for (int page = 0; page <= 15; ++page) {
        if (only >= 0 && page != only)
            continue;
        Form1->Assistent1->SetPage(page);
        TourWindow::settle();
        const QPixmap shot = Form1->screen()->grabWindow(0);
        const QString file = QStringLiteral("%1/page-%2.png").arg(dir).arg(page, 2, 10, QLatin1Char('0'));
        const QString small = QStringLiteral("%1/page-%2-small.png").arg(dir).arg(page, 2, 10, QLatin1Char('0'));
        if (!shot.save(file) || !shot.scaledToWidth(240, Qt::SmoothTransformation).save(small)) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(file));
            ++failures;
        } else {
            std::printf("%s  %s\n", qPrintable(file), qPrintable(Form1->windowTitle()));
        }
    }
    TourWindow::stop();
    return failures ? 1 : 0;
}
