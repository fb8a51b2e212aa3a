#include "screens/supervisor/Usract1.h"

#include "data/TTable.h"
#include "toolkit/TListBox.h"

namespace {
// The tour page that shows a user's calls by month.
constexpr int CallsByMonthPage = 12;
}

TUsrAct1Fm::TUsrAct1Fm(QObject *owner)
    : TScreenForm(owner)
{
    loadDefinition(QStringLiteral(":/forms/Usract1.form"));
    bind(List1, "List1");
    bind(Users, "Users");
    doCreate();
}

void TUsrAct1Fm::FormCreate(QObject *)
{
    List1->SetItemIndex(0);
}

void TUsrAct1Fm::MthbtnClick(QObject *)
{
    moveTour(CallsByMonthPage);
}
