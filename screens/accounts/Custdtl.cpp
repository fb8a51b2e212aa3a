#include "screens/accounts/Custdtl.h"

#include "data/TDBEdit.h"
#include "screens/accounts/AccountRows.h"
#include "toolkit/TComboBox.h"
#include "toolkit/TEdit.h"
#include "toolkit/TLabel.h"
#include "toolkit/TListBox.h"
#include "toolkit/TRadioButton.h"
#include "toolkit/TStringGrid.h"
#include "tour/Unit1.h"

#include <algorithm>

namespace {

constexpr int LastAccount = 19;
// Every sample account changed its status on the same day.
const QString StatusChanged = QStringLiteral("03/04/1998");
// The call interval a new visit starts with: "monthly".
constexpr int MonthlyCall = 3;

QString entry(const TListBox *list, int account)
{
    return list ? list->Items().value(account) : QString();
}

} // namespace

TCustDtlFm::TCustDtlFm(QObject *owner)
    : TScreenForm(owner)
{
    loadDefinition(QStringLiteral(":/forms/Custdtl.form"));
    bind(Acc, "Acc");
    bind(Company, "Company");
    bind(Address1, "Address1");
    bind(Address2, "Address2");
    bind(Address3, "Address3");
    bind(Address4, "Address4");
    bind(PostCode, "PostCode");
    bind(Country, "Country");
    bind(Telephone, "Telephone");
    bind(Fax, "Fax");
    bind(NextDate, "NextDate");
    bind(LastDate, "LastDate");
    bind(StatusDate, "StatusDate");
    bind(ContList, "ContList");
    bind(Sal1, "Sal1");
    bind(CallTime, "CallTime");
    bind(AddBtn1, "AddBtn1");
    doCreate();
}

int TCustDtlFm::handedOverAccount()
{
    if (!Form1 || !Form1->grid2)
        return -1;
    const int order = Unit1::ListSortOrder;
    const int keyColumn = order >= AccountRows::ByAccount && order <= AccountRows::ByLastDate ? order : 0;
    const QString key = Form1->grid2->Cell(keyColumn, Form1->grid2->Row());
    if (key.isEmpty())
        return -1;
    return AccountRows::find(AccountRows::tourSamples(), Unit1::OwnerFilter, Unit1::StatusFilter, order, key);
}

void TCustDtlFm::FormCreate(QObject *)
{
    int account = handedOverAccount();
    if (account < 0) {
        // Nothing handed over (the list was empty or never shown): the
        // account the stepping stands at.
        account = std::clamp(Unit1::CurrentAccount, 0, LastAccount);
    }
    // "Next account" goes on from the account shown.
    Unit1::CurrentAccount = account;
    showAccount(account);
    AddBtn1->SetChecked(true);
    CallTime->SetItemIndex(MonthlyCall);
}

void TCustDtlFm::showAccount(int account)
{
    m_shown = account;
    Acc->SetCaption(entry(Form1->AcList, account));
    Company->SetText(entry(Form1->CoList, account));
    Address1->SetText(entry(Form1->Add1List, account));
    Address2->SetText(entry(Form1->Add2list, account));
    Address3->SetText(QString());
    Address4->SetText(QString());
    PostCode->SetText(entry(Form1->Pcodelist, account));
    Country->SetText(QString());
    Telephone->SetText(entry(Form1->tellist, account));
    Fax->SetText(entry(Form1->faxlist, account));
    NextDate->SetCaption(entry(Form1->nextlist, account));
    LastDate->SetCaption(entry(Form1->lastlist, account));
    StatusDate->SetCaption(StatusChanged);
    ContList->ClearItems();
    ContList->AddItem(entry(Form1->contlist, account));
    ContList->SetText(entry(Form1->contlist, account));
    Sal1->SetText(entry(Form1->sallist, account));
}

void TCustDtlFm::ToolButton30Click(QObject *)
{
    if (Unit1::CurrentAccount >= LastAccount)
        return;
    Unit1::CurrentAccount = std::max(0, Unit1::CurrentAccount + 1);
    showAccount(Unit1::CurrentAccount);
}

void TCustDtlFm::ToolButton21Click(QObject *Sender)
{
    ToolButton30Click(Sender);
}

void TCustDtlFm::ToolButton20Click(QObject *)
{
    Unit1::CurrentAccount = 0;
    showAccount(0);
}

void TCustDtlFm::SpeedButton13Click(QObject *)
{
    moveTour(4);
}

void TCustDtlFm::FormClose(QObject *, Tk::TCloseAction &Action)
{
    Action = Tk::TCloseAction::caFree;
}
