#include "toolkit/Application.h"

#include "toolkit/Colors.h"
#include "toolkit/FontMap.h"
#include "toolkit/TForm.h"

#include <QApplication>
#include <QPointer>
#include <QPixmapCache>
#include <QStyleFactory>

namespace {
QPointer<TForm> theMainForm;
bool terminated = false;
} // namespace

TForm *Application::mainForm()
{
    return theMainForm;
}

void Application::setMainForm(TForm *form)
{
    theMainForm = form;
    // A new main form begins a new run of the message loop.
    terminated = false;
}

void Application::terminate()
{
    terminated = true;
    QCoreApplication::exit(0);
}

bool Application::isTerminated()
{
    return terminated;
}

void Application::processMessages()
{
    QCoreApplication::processEvents();
}

void Application::initialize()
{
    if (QStyle *style = QStyleFactory::create(QStringLiteral("Windows")))
        QApplication::setStyle(style);
    QApplication::setPalette(Colors::classicPalette());
    FontMap::install();
    // The style keeps the pieces it draws (arrows, check marks) per palette;
    // every control has a palette of its own, so the cache is kept small
    // to keep screens that come and go from filling it.
    QPixmapCache::setCacheLimit(1024);
}
