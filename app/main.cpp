// Starts the tour: the application object, the tour's main form maximised,
// then the message loop until the tour is left with Exit.

#include "screens/Screens.h"
#include "toolkit/Application.h"
#include "toolkit/Component.h"
#include "toolkit/Dialogs.h"
#include "tour/Unit1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ravik Demonstration"));
    Application::initialize();
    Screens::registerAll();

    QString error;
    if (!TForm1::start(&error)) {
        Dialogs::MessageDlg(QStringLiteral("The tour cannot start.\n%1").arg(error), Dialogs::MsgType::mtError,
                            Dialogs::MsgButton::mbOK);
        return 1;
    }
    const int result = Application::isTerminated() ? 0 : app.exec();
    Component::free(Form1);
    Form1 = nullptr;
    Component::deleteFreed();
    return result;
}
