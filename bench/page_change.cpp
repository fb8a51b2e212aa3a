// Page changes of the running tour on the offscreen platform, as the visitor
// makes them: `walks` walks (default 100) through pages 1 to 15, each change
// timed from writing the page until the event loop has run and the freed
// screen is gone; prints the median, the 95th percentile and the worst
// change, and the process's resident memory after 10 walks and after the
// last one; with --per-page, the median and worst change to each page too.
//     build/bench/page_change [walks] [--per-page]

#include "screens/Screens.h"
#include "toolkit/Application.h"
#include "toolkit/Component.h"
#include "toolkit/Dialogs.h"
#include "tour/Unit1.h"
#include "wizard/TAssistent.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <unistd.h>
#include <vector>

namespace {

long residentKb()
{
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = f.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * (sysconf(_SC_PAGESIZE) / 1024) : -1;
}

double change(TAssistent *wizard, int page)
{
    QElapsedTimer t;
    t.start();
    wizard->SetPage(page);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return double(t.nsecsElapsed()) / 1e6;
}

double at(const std::vector<double> &sorted, double fraction)
{
    return sorted[size_t(double(sorted.size() - 1) * fraction)];
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int walks = 100;
    bool perPageFigures = false;
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--per-page") == 0)
            perPageFigures = true;
        else
            walks = std::max(10, atoi(argv[i]));
    }
    Application::initialize();
    Screens::registerAll();
    Dialogs::setResponder([](const Dialogs::Request &) { return int(Dialogs::mrOk); });
    QString error;
    if (!TForm1::start(&error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    TAssistent *wizard = Form1->Assistent1;
    change(wizard, 0);

    std::vector<double> times;
    std::vector<std::vector<double>> perPage(16);
    long afterTen = 0;
    for (int walk = 1; walk <= walks; ++walk) {
        for (int page = 1; page <= 15; ++page) {
            times.push_back(change(wizard, page));
            perPage[size_t(page)].push_back(times.back());
        }
        if (walk == 10)
            afterTen = residentKb();
    }
    const long afterAll = residentKb();
    std::sort(times.begin(), times.end());
    std::printf("page change over %d walks of pages 1 to 15 (%zu changes): median %.2f ms, 95th percentile %.2f ms, "
                "worst %.2f ms\n",
                walks, times.size(), at(times, 0.5), at(times, 0.95), times.back());
    if (perPageFigures) {
        for (int page = 1; page <= 15; ++page) {
            std::sort(perPage[size_t(page)].begin(), perPage[size_t(page)].end());
            std::printf("  to page %2d: median %.2f ms, worst %.2f ms\n", page, at(perPage[size_t(page)], 0.5),
                        perPage[size_t(page)].back());
        }
    }
    std::printf("resident memory: %ld KB after 10 walks, %ld KB after %d (%+ld KB)\n", afterTen, afterAll, walks,
                afterAll - afterTen);

    Component::free(Form1);
    Form1 = nullptr;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
