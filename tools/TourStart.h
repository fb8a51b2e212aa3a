#pragma once

// Shared by the tools that show the tour in a real window: starting the tour
// with every screen registered and message boxes answered at once, and
// letting the window settle before a screenshot.

#include "screens/Screens.h"
#include "toolkit/Application.h"
#include "toolkit/Component.h"
#include "toolkit/Dialogs.h"
#include "tour/Unit1.h"

#include <QCoreApplication>
#include <QTest>

#include <cstdio>

namespace TourStart {

// Runs pending events, deletes what was freed and gives painting time.
inline void settle()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
        Component::flushDeferred();
        QTest::qWait(40);
    }
}

// Starts the tour and waits for its window; false (said on stderr) when it
// failed or no display shows it.
inline bool start()
{
    Application::initialize();
    Screens::registerAll();
    // A box that opens while pages are visited is answered at once.
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
    return true;
}

// Frees the tour's main form and everything on it.
inline void finish()
{
    Component::free(Form1);
    Form1 = nullptr;
    Component::flushDeferred();
}

} // namespace TourStart
