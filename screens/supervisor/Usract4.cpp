#include "screens/supervisor/Usract4.h"

#include "data/TQuery.h"
#include "screens/supervisor/ActivityFigures.h"
#include "toolkit/TStringGrid.h"

TUsrAct4Fm::TUsrAct4Fm(QObject *owner)
    : TScreenForm(owner)
{
    loadDefinition(QStringLiteral(":/forms/Usract4.form"));
    bind(Grid1, "Grid1");
    bind(Query1, "Query1");
    doCreate();
}

void TUsrAct4Fm::FormCreate(QObject *)
{
    ActivityFigures::fillGrid(Grid1, ActivityFigures::callsByMonth());
}

void TUsrAct4Fm::CloseBtnClick(QObject *)
{
    Close();
}
