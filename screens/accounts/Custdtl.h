#pragma once

// The account detail: every main detail of one sample account, the account
// handed over by the account list, and stepping on through the accounts.

#include "tour/ScreenForm.h"

class TComboBox;
class TEdit;
class TLabel;
class TRadioButton;
class TDBEdit;

class TCustDtlFm : public TScreenForm
{
    Q_OBJECT

public:
    explicit TCustDtlFm(QObject *owner);

    TLabel *Acc = nullptr;
    TEdit *Company = nullptr;
    TEdit *Address1 = nullptr;
    TEdit *Address2 = nullptr;
    TEdit *Address3 = nullptr;
    TEdit *Address4 = nullptr;
    TEdit *PostCode = nullptr;
    TDBEdit *Country = nullptr;
    TEdit *Telephone = nullptr;
    TEdit *Fax = nullptr;
    TLabel *NextDate = nullptr;
    TLabel *LastDate = nullptr;
    TLabel *StatusDate = nullptr;
    TComboBox *ContList = nullptr;
    TEdit *Sal1 = nullptr;
    TComboBox *CallTime = nullptr;
    TRadioButton *AddBtn1 = nullptr;

    // The sample account shown.
    int shownAccount() const { return m_shown; }

    // The account that the list's selected row stands for: the row of the
    // mirror grid read in the list's sort order under its filters; -1 when
    // no listed account has that key.
    static int handedOverAccount();

public slots:
    void FormCreate(QObject *Sender);
    void ToolButton30Click(QObject *Sender);
    void ToolButton21Click(QObject *Sender);
    void ToolButton20Click(QObject *Sender);
    void SpeedButton13Click(QObject *Sender);
    void FormClose(QObject *Sender, Tk::TCloseAction &Action);

private:
    void showAccount(int account);

    int m_shown = -1;
};
