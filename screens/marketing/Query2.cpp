#include "screens/marketing/Query2.h"

#include "toolkit/TCheckBox.h"
#include "toolkit/TComboBox.h"
#include "toolkit/TEdit.h"
#include "toolkit/TLabel.h"

TQuery2Fm::TQuery2Fm(QObject *owner)
    : TScreenForm(owner)
{
    loadDefinition(QStringLiteral(":/forms/Query2.form"));
    bind(Op01, "Op01");
    bind(D01, "D01");
    bind(T01, "T01");
    bind(op02, "op02");
    bind(d02, "d02");
    bind(t02, "t02");
    bind(LetYes, "LetYes");
    bind(LetNo, "LetNo");
    doCreate();
}

void TQuery2Fm::FormCreate(QObject *)
{
}

void TQuery2Fm::showRange(const TComboBox *comparison, TLabel *dash, TEdit *upper)
{
    const bool range = comparison->ItemIndex() == RangeItem;
    dash->SetVisible(range);
    upper->SetVisible(range);
}

void TQuery2Fm::Op01Change(QObject *)
{
    showRange(Op01, D01, T01);
}

void TQuery2Fm::op02Change(QObject *)
{
    showRange(op02, d02, t02);
}

// Clearing by code raises no click, so the two handlers never chase each other.
void TQuery2Fm::LetYesClick(QObject *)
{
    LetNo->SetChecked(false);
}

void TQuery2Fm::LetNoClick(QObject *)
{
    LetYes->SetChecked(false);
}

void TQuery2Fm::OkBtnClick(QObject *)
{
}
