#include "screens/marketing/Query.h"

TQueryFm::TQueryFm(QObject *owner)
    : TScreenForm(owner)
{
    loadDefinition(QStringLiteral(":/forms/Query.form"));
    doCreate();
}

void TQueryFm::QryBtnLblClick(QObject *)
{
    // The tour shows the builder of "Main Account details only" only, so the
    // choice in RadioGroup1 does not matter here.
    moveTour(QueryBuilderPage);
}

void TQueryFm::SaveBtnClick(QObject *)
{
}
