// Lists, page by page, the controls of the tour that can take the focus as
// assistive technology reads them: object name, class, accessible name and
// role. With no arguments every page is listed; otherwise the pages named.
//
//   QT_QPA_PLATFORM=offscreen accessible_names 1 2 15

#include "TourWindow.h"

#include "toolkit/AccessibleNames.h"
#include "wizard/TAssistent.h"

#include <QAccessible>
#include <QApplication>
#include <QMetaEnum>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QList<int> pages;
    for (int i = 1; i < argc; ++i)
        pages << QString::fromLocal8Bit(argv[i]).toInt();
    if (pages.isEmpty()) {
        for (int p = 0; p <= 15; ++p)
            pages << p;
    }
    if (!TourWindow::start())
        return 1;
    const QMetaEnum roles = QMetaEnum::fromType<QAccessible::Role>();
    for (int page : pages) {
        Form1->Assistent1->SetPage(page);
        TourWindow::settle();
        std::printf("page %d\n", page);
        for (QWidget *w : AccessibleNames::focusableWidgets(Form1)) {
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
            std::printf("  %-14s %-14s %-10s \"%s\"\n", qPrintable(w->objectName()), w->metaObject()->className(),
                        iface ? roles.valueToKey(iface->role()) : "-",
                        iface ? qPrintable(iface->text(QAccessible::Name).replace(u'\n', QStringLiteral("\\n"))) : "");
        }
    }
    TourWindow::stop();
    return 0;
}
