// What a screen reader finds on every page of the tour: each control that can
// take the focus has a name.

#include "tests/support/TourFixture.h"

#include "designer/DesignItems.h"
#include "designer/usrdef2.h"
#include "toolkit/AccessibleNames.h"
#include "toolkit/TButton.h"
#include "toolkit/TComboBox.h"

#include <QAccessible>

#include <iostream>

namespace {

QString accessibleName(QWidget *w)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(QAccessible::Name) : QString();
}

class AccessibleNamesWalk : public TourFixture
{
protected:
    // The focusable controls shown now, and those among them without a name.
    QStringList unnamed(int *focusable = nullptr) const
    {
        const QList<QWidget *> controls = AccessibleNames::focusableWidgets(Form1);
        if (focusable)
            *focusable = int(controls.size());
        QStringList missing;
        for (QWidget *w : controls) {
            if (accessibleName(w).trimmed().isEmpty())
                missing << QStringLiteral("%1 (%2)").arg(w->objectName(), QLatin1String(w->metaObject()->className()));
        }
        return missing;
    }
};

} // namespace

TEST_F(AccessibleNamesWalk, EveryFocusableControlOfEveryPageHasAName)
{
    int total = 0;
    int unnamedTotal = 0;
    std::cout << "| Page | focusable controls | without a name |\n|---|---|---|\n";
    for (int page = 0; page <= 15; ++page) {
        SCOPED_TRACE(page);
        gotoPage(page);
        int focusable = 0;
        const QStringList missing = unnamed(&focusable);
        std::cout << "| " << page << " | " << focusable << " | " << missing.size() << " |\n";
        EXPECT_TRUE(missing.isEmpty()) << missing.join(QStringLiteral(", ")).toStdString();
        total += focusable;
        unnamedTotal += int(missing.size());
    }
    std::cout << "| all 16 pages | " << total << " | " << unnamedTotal << " |\n";

    // What the visitor adds in the screen designer is named too: an edit
    // with a calendar button and a check box, and a memo.
    auto *designer = screen<Tusrdef2fm>();
    ASSERT_TRUE(designer);
    for (int field : {int(DesignItems::NextContactDate), int(DesignItems::Notes)}) {
        designer->Fieldlist2->setCurrentIndex(field);
        emit designer->Fieldlist2->activated(field);
        designer->Addbtn->click();
        TestSupport::settle();
    }
    int focusable = 0;
    const QStringList missing = unnamed(&focusable);
    EXPECT_GE(focusable, 17);
    EXPECT_TRUE(missing.isEmpty()) << missing.join(QStringLiteral(", ")).toStdString();
}
