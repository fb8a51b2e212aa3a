#include "toolkit/Application.h"

#include "toolkit/AccessibleControls.h"
#include "toolkit/ClassicStyle.h"
#include "toolkit/Colors.h"
#include "toolkit/Dialogs.h"
#include "toolkit/FontMap.h"
#include "toolkit/TForm.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>

#include <functional>

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
    QApplication::setStyle(new ClassicStyle);
    QApplication::setPalette(Colors::classicPalette());
    FontMap::install();
    AccessibleControls::install();
}

namespace {

void showLater(std::function<void()> show)
{
    if (!QCoreApplication::instance()) {
        show();
        return;
    }
    QTimer::singleShot(0, QCoreApplication::instance(), std::move(show));
}

} // namespace

void Application::handleException(const QString &message)
{
    showLater([message] { Dialogs::ShowException(message); });
}

void Application::reportError(const QString &message)
{
    showLater([message] { Dialogs::MessageDlg(message, Dialogs::MsgType::mtError, Dialogs::MsgButton::mbOK); });
}
