// Starts the tour: the application object, then the main form, then the
// message loop until the tour is left.

#include "toolkit/Application.h"
#include "toolkit/Toolkit.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Application::initialize();
    Toolkit::registerClasses();
    return 0;
}
