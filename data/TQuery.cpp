#include "data/TQuery.h"

TQuery::TQuery(QObject *owner)
    : TDataSet(owner)
{
}

void TQuery::ExecSQL()
{
    Open();
}
