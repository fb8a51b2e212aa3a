#include "screens/supervisor/Usrrsp.h"

#include "data/TQuery.h"
#include "screens/supervisor/ActivityFigures.h"
#include "toolkit/TStringGrid.h"

TUsrRspFm::TUsrRspFm(QObject *owner)
    : TScreenForm(owner)
{
    loadDefinition(QStringLiteral(":/forms/Usrrsp.form"));
    bind(Grid1, "Grid1");
    bind(Query1, "Query1");
    doCreate();
}

void TUsrRspFm::FormCreate(QObject *)
{
    ActivityFigures::fillGrid(Grid1, ActivityFigures::callsByResponse());
}

void TUsrRspFm::CloseBtnClick(QObject *)
{
    Close();
}
