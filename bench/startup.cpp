// How long the tour takes from process start to its first painted main
// window, against the smallest Qt Widgets program with one maximised window
// (bench/minimal_window), both on the offscreen platform and started
// alternately, `runs` times each (default 15); prints the medians and their
// ratio. The tour's child is this program, which starts the tour as the
// program's main() does.
//     build/bench/startup [runs]

#include "screens/Screens.h"
#include "toolkit/Application.h"
#include "toolkit/Component.h"
#include "tour/Unit1.h"

#include <QApplication>
#include <QElapsedTimer>
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

int child(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    FirstPaint watcher;
    Application::initialize();
    Screens::registerAll();
    QString error;
    if (!TForm1::start(&error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    Form1->installEventFilter(&watcher);
    return app.exec();
}

// Starts `program` once; the time from before the start to its first paint.
double startMs(const QString &program, const QStringList &args)
{
    QProcess p;
    const qint64 start = monotonicNs();
    p.start(program, args);
    if (!p.waitForFinished(60000)) {
        std::fprintf(stderr, "%s did not finish\n", qPrintable(program));
        return -1;
    }
    const qint64 painted = p.readAllStandardOutput().trimmed().toLongLong();
    if (painted <= 0) {
        std::fprintf(stderr, "%s painted nothing: %s\n", qPrintable(program), p.readAllStandardError().constData());
        return -1;
    }
    return double(painted - start) / 1e6;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    if (argc >= 2 && qstrcmp(argv[1], "--child") == 0)
        return child(argc, argv);
    QCoreApplication app(argc, argv);
    const int runs = argc >= 2 ? std::max(1, atoi(argv[1])) : 15;
    const QString self = QCoreApplication::applicationFilePath();
    const QString minimalProgram = QCoreApplication::applicationDirPath() + QStringLiteral("/minimal_window");
    std::vector<double> minimal, tour;
    for (int i = 0; i < runs; ++i) {
        const double m = startMs(minimalProgram, {});
        const double t = startMs(self, {QStringLiteral("--child")});
        if (m <= 0 || t <= 0)
            return 1;
        minimal.push_back(m);
        tour.push_back(t);
    }
    const double mm = median(minimal), tm = median(tour);
    std::printf("start to first paint, median of %d runs each, started alternately: minimal Qt program %.1f ms, "
                "tour %.1f ms, ratio %.2f\n",
                runs, mm, tm, tm / mm);
    return 0;
}
