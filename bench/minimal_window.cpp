// The smallest Qt Widgets program that shows a maximised window: one label.
// bench/startup holds the tour's start-up against it, timed and measured from
// outside in the same way.

#include <QApplication>
#include <QLabel>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Hello"));
    label.showMaximized();
    return app.exec();
}
