#include "screens/accounts/Accsrch1.h"

#include "toolkit/TStringGrid.h"

TAccSrch1Fm::TAccSrch1Fm(QObject *owner)
    : TScreenForm(owner)
{
    loadDefinition(QStringLiteral(":/forms/Accsrch1.form"));
    bind(Grid1, "Grid1");
    doCreate();
}

void TAccSrch1Fm::FormCreate(QObject *)
{
    const QStringList header{QStringLiteral("Account"),   QStringLiteral("Name"),      QStringLiteral("Address 1"),
                             QStringLiteral("Address 2"), QStringLiteral("Address 3"), QStringLiteral("Address 4"),
                             QStringLiteral("Post Code")};
    for (int col = 0; col < header.size(); ++col)
        Grid1->SetCell(col, 0, header.at(col));
}

// The search runs in the product only; choosing an owner or a status changes
// nothing on the screen.
void TAccSrch1Fm::StatusChange(QObject *)
{
}

void TAccSrch1Fm::OwnerListChange(QObject *)
{
}
