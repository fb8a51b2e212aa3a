// Loaded into a Qt Widgets program by bench/startup (LD_PRELOAD): when the
// application object exists, it watches every event, and at the first paint
// of a window it writes the monotonic time in nanoseconds to its standard
// output and ends the process at once. The program itself is the one users
// start, unchanged.

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace {

class FirstPaint : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *e) override
    {
        if (e->type() == QEvent::Paint && watched->isWidgetType() && static_cast<QWidget *>(watched)->isWindow()) {
            timespec ts{};
            clock_gettime(CLOCK_MONOTONIC, &ts);
            std::printf("%lld\n", static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec);
            std::fflush(stdout);
            _exit(0);
        }
        return false;
    }
};

void watchFirstPaint()
{
    QCoreApplication::instance()->installEventFilter(new FirstPaint);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchFirstPaint)
