// Page changes of the running tour on the offscreen platform: the time of
// each change that creates one screen and frees another (median, 99th
// percentile and worst over `changes`, default 1000), and the process's
// resident memory after 100 and after 10,000 changes.
//     build/bench/page_change [changes] [pages, e.g. 0,11]

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

// The pages whose screens the tour creates, visited in turn.
const int ScreenPages[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 14, 15};

long residentKb()
{
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = f.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * (sysconf(_SC_PAGESIZE) / 1024) : -1;
}

// One page change as the visitor makes it: the change, then the event loop
// until the freed screen is gone.
double change(TAssistent *wizard, int page)
{
    QElapsedTimer t;
    t.start();
    wizard->SetPage(page);
    QCoreApplication::processEvents();
    Component::deleteFreed();
    return double(t.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int changes = argc >= 2 ? std::max(1, atoi(argv[1])) : 1000;
    Application::initialize();
    Screens::registerAll();
    Dialogs::setResponder([](const Dialogs::Request &) { return int(Dialogs::mrOk); });
    QString error;
    if (!TForm1::start(&error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    TAssistent *wizard = Form1->Assistent1;
    std::vector<int> pages(std::begin(ScreenPages), std::end(ScreenPages));
    if (argc >= 3) {
        pages.clear();
        for (const QString &p : QString::fromLocal8Bit(argv[2]).split(u','))
            pages.push_back(p.toInt());
    }
    const int n = int(pages.size());

    std::vector<double> times;
    for (int i = 0; i < changes; ++i)
        times.push_back(change(wizard, pages[size_t(i % n)]));
    std::sort(times.begin(), times.end());
    std::printf("page change over %d changes: median %.2f ms, 99th percentile %.2f ms, worst %.2f ms\n", changes,
                times[times.size() / 2], times[size_t(double(times.size() - 1) * 0.99)], times.back());

    // Memory after 100 changes and then at intervals up to 10,000: a leak
    // grows with every change, caches stop growing at their limits.
    long after100 = 0;
    long last = 0;
    for (int i = 0; i < 10000; ++i) {
        change(wizard, pages[size_t(i % n)]);
        if (i + 1 == 100)
            after100 = residentKb();
        if ((i + 1) % 2500 == 0) {
            last = residentKb();
            std::printf("resident memory after %5d changes: %ld KB\n", i + 1, last);
        }
    }
    std::printf("resident memory: %ld KB after 100 changes, %ld KB after 10000 (%+ld KB)\n", after100, last,
                last - after100);

    Component::free(Form1);
    Form1 = nullptr;
    Component::deleteFreed();
    return 0;
}
