// Random input over every page of the running tour. It must neither crash
// nor trip the sanitizers nor leak. RAVIK_MONKEY_EVENTS and
// RAVIK_MONKEY_SEED choose the length and the seed of the stream; a failure
// names the seed and the last events, so that the run can be replayed.

#include "tests/monkey/Monkey.h"
#include "tests/support/TourFixture.h"

#include "toolkit/Application.h"
#include "toolkit/TBitBtn.h"

#include <QDebug>

#include <cstdio>
#include <deque>

namespace {

int setting(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

class MonkeyTest : public TourFixture
{
};

} // namespace

TEST_F(MonkeyTest, RandomInputOverEveryPage)
{
    const int events = setting("RAVIK_MONKEY_EVENTS", 10000);
    const auto seed = quint32(setting("RAVIK_MONKEY_SEED", 20261209));
    std::fprintf(stderr, "monkey: %d events, seed %u\n", events, seed);

    Monkey monkey(Form1, seed);
    monkey.setNavigation([this] {
        TAssistent *w = wizard();
        return QList<QWidget *>{w->NextButton(), w->BackButton(), w->ChangeButton()};
    });
    std::deque<QString> recent;
    QList<int> pagesSeen;
    for (int i = 0; i < events; ++i) {
        const QString what = monkey.step();
        recent.push_back(QStringLiteral("%1: %2").arg(i).arg(what));
        if (recent.size() > 20)
            recent.pop_front();
        if (i % 50 == 0)
            TestSupport::settle();
        if (!pagesSeen.contains(wizard()->Page()))
            pagesSeen << wizard()->Page();
        // Exit only ends the message loop, which this test does not run; the
        // tour goes on.
        if (Application::isTerminated())
            Application::setMainForm(Form1);
        if (::testing::Test::HasFailure()) {
            for (const QString &r : recent)
                std::fprintf(stderr, "  %s\n", qPrintable(r));
            FAIL() << "seed " << seed;
        }
    }
    TestSupport::settle();
    std::fprintf(stderr, "monkey: pages seen: %d\n", int(pagesSeen.size()));
    EXPECT_GE(pagesSeen.size(), events >= 10000 ? 10 : 1);
}
