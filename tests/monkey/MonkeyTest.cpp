// Random input over every page of the running tour. It must neither crash
// nor trip the sanitizers nor leak. RAVIK_MONKEY_EVENTS and
// RAVIK_MONKEY_SEED choose the length and the seed of the stream; a failure
// names the seed and the last events, so that the run can be replayed.

#include "tests/monkey/Monkey.h"
#include "tests/support/TourFixture.h"

#include "toolkit/Application.h"
#include "wizard/TAJumpBitBtn.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

namespace {

int setting(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

// Exit and Escape end the message loop, which this test does not run: the
// tour goes on with Form1 as main form again. An ended loop also makes every
// later modal box return at once, so Qt's loops are let run again.
void resumeAfterExit()
{
    Application::setMainForm(Form1);
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
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

    QList<int> pagesSeen;
    QString last;
    {
        Monkey monkey(Form1, seed);
        monkey.setNavigation([this] {
            TAssistent *w = wizard();
            QList<QWidget *> buttons{w->NextButton(), w->BackButton(), w->ChangeButton()};
            for (TAJumpBitBtn *jump : Form1->findChildren<TAJumpBitBtn *>())
                buttons << jump;
            return buttons;
        });
        monkey.setPager(wizard());
        for (int i = 0; i < events; ++i) {
            monkey.step();
            if (i % 50 == 0)
                TestSupport::settle();
            if (!pagesSeen.contains(wizard()->Page()))
                pagesSeen << wizard()->Page();
            if (Application::isTerminated())
                resumeAfterExit();
            if (::testing::Test::HasFailure()) {
                for (const QString &r : monkey.recent())
                    std::fprintf(stderr, "  %s\n", qPrintable(r));
                FAIL() << "seed " << seed << ", event " << i + 1;
            }
        }
        TestSupport::settle();
        last = QString::fromLatin1(monkey.digest());
    }
    if (QWidget *popup = QApplication::activePopupWidget())
        popup->close();
    std::fprintf(stderr, "monkey: pages seen: %d, digest %s\n", int(pagesSeen.size()), qPrintable(last));
    EXPECT_GE(pagesSeen.size(), events >= 10000 ? 10 : 1);
}
