// The smallest Qt Widgets program that shows a maximised window: the floor
// that bench/startup holds the tour's start-up against. Prints the monotonic
// time of its first paint and ends.

#include <QApplication>
#include <QLabel>

#include <cstdio>
#include <ctime>

namespace {

class FirstPaint : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint) {
            timespec ts{};
            clock_gettime(CLOCK_MONOTONIC, &ts);
            std::printf("%lld\n", static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec);
            std::fflush(stdout);
            std::_Exit(0);
        }
        return false;
    }
};

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    FirstPaint watcher;
    QLabel label(QStringLiteral("Hello"));
    label.installEventFilter(&watcher);
    label.showMaximized();
    return app.exec();
}
