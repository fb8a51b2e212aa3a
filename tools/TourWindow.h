#pragma once

// What the hand-run tools share: starting the tour as the program does, in a
// real window, with message boxes answered on the terminal, and letting the
// window settle before a screenshot.

#include "screens/Screens.h"
#include "toolkit/Application.h"
#include "toolkit/Component.h"
#include "toolkit/Dialogs.h"
#include "tour/Unit1.h"

#include <QCoreApplication>
#include <QTest>

#include <cstdio>

namespace TourWindow {

// Runs pending events, deletes what was freed meanwhile and gives the window
// time to paint.
inline void settle()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
        Component::deleteFreed();
        QTest::qWait(40);
    }
}

// Registers every class, starts the tour and waits for its window; false,
// with the reason on stderr, when the tour cannot start or no window shows.
inline bool start()
{
    Application::initialize();
    Screens::registerAll();
    // A box that opens is answered with OK at once and its text printed.
    Dialogs::setResponder([](const Dialogs::Request &r) {
        std::fprintf(stderr, "message: %s\n", qPrintable(r.text));
        return int(Dialogs::mrOk);
    });
    QString error;
    if (!TForm1::start(&error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return false;
    }
    if (!QTest::qWaitForWindowExposed(Form1)) {
        std::fprintf(stderr, "the window did not appear; is there a display?\n");
        return false;
    }
    // The main form maximises itself a moment after it shows.
    QTest::qWait(400);
    settle();
    return true;
}

// Frees the tour's main form and whatever it owns.
inline void stop()
{
    Component::free(Form1);
    Form1 = nullptr;
    Component::deleteFreed();
}

} // namespace TourWindow
