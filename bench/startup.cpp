// How long the tour takes from process start to its first painted main
// window, against a minimal Qt Widgets program started the same way, both on
// the offscreen platform. Run without arguments: starts each kind of child
// `runs` times (default 20) and prints the medians and their ratio.
//     build/bench/startup [runs]

#include "screens/Screens.h"
#include "toolkit/Application.h"
#include "toolkit/Component.h"
#include "tour/Unit1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

qint64 monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

// Prints the time of the first paint of `window` and ends the process.
class FirstPaint : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint) {
            std::printf("%lld\n", static_cast<long long>(monotonicNs()));
            std::fflush(stdout);
            std::_Exit(0);
        }
        return false;
    }
};

int child(int argc, char **argv, bool tour)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    FirstPaint watcher;
    if (tour) {
        Application::initialize();
        Screens::registerAll();
        QString error;
        if (!TForm1::start(&error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        Form1->installEventFilter(&watcher);
    } else {
        auto *label = new QLabel(QStringLiteral("Hello"));
        label->installEventFilter(&watcher);
        label->show();
    }
    return app.exec();
}

double medianMs(const QString &self, const char *kind, int runs)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QProcess p;
        const qint64 start = monotonicNs();
        p.start(self, {QStringLiteral("--child"), QString::fromLatin1(kind)});
        if (!p.waitForFinished(60000)) {
            std::fprintf(stderr, "the %s child did not finish\n", kind);
            return -1;
        }
        const qint64 painted = p.readAllStandardOutput().trimmed().toLongLong();
        if (painted <= 0) {
            std::fprintf(stderr, "the %s child painted nothing: %s\n", kind, p.readAllStandardError().constData());
            return -1;
        }
        times.push_back(double(painted - start) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    if (argc >= 3 && qstrcmp(argv[1], "--child") == 0)
        return child(argc, argv, qstrcmp(argv[2], "tour") == 0);
    QCoreApplication app(argc, argv);
    const int runs = argc >= 2 ? std::max(1, atoi(argv[1])) : 20;
    const QString self = QCoreApplication::applicationFilePath();
    const double minimal = medianMs(self, "minimal", runs);
    const double tour = medianMs(self, "tour", runs);
    if (minimal <= 0 || tour <= 0)
        return 1;
    std::printf("start to first paint, median of %d runs: minimal Qt program %.1f ms, tour %.1f ms, ratio %.2f\n",
                runs, minimal, tour, tour / minimal);
    return 0;
}
