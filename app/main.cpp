// Starts the tour: the application object, the tour's main form maximised,
// then the message loop until the tour is left with Exit.

#include "screens/Screens.h"
#include "toolkit/Application.h"
#include "toolkit/Component.h"
#include "toolkit/Dialogs.h"
#include "tour/Unit1.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ravik Demonstration"));
    // Wayland desktops match the window to the installed entry and its icon by
    // this name; X11 desktops by the entry's StartupWMClass, the program's name.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.ravik.tour"));
    QIcon icon;
    for (int size : {16, 32, 48, 256})
        icon.addFile(QStringLiteral(":/icons/ravik-tour-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    Application::initialize();
    Screens::registerAll();

    QString error;
    if (!TForm1::start(&error)) {
        // Said on the terminal too, for whoever started the program from one.
        std::fprintf(stderr, "The tour cannot start.\n%s\n", qPrintable(error));
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
