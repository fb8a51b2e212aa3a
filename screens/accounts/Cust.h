#pragma once

// The account list: the sample accounts narrowed by owner and status, sorted
// by number, name or next contact date, with a "Position to" search and the
// call list for today; a double click hands the account to the detail page.

#include "screens/accounts/AccountRows.h"
#include "tour/ScreenForm.h"

class TBatchMove;
class TCheckBox;
class TComboBox;
class TLabel;
class TMaskEdit;
class TPanel;
class TRadioGroup;
class TStringGrid;

class TCustListFm : public TScreenForm
{
    Q_OBJECT

public:
    explicit TCustListFm(QObject *owner);

    TComboBox *OwnerCombo = nullptr;
    TComboBox *StatusList = nullptr;
    TCheckBox *TodaysCalls = nullptr;
    TMaskEdit *Position = nullptr;
    TLabel *NumAccs = nullptr;
    TRadioGroup *SortOrder = nullptr;
    TPanel *AccountLbl = nullptr;
    TPanel *NameLbl = nullptr;
    TPanel *NextDateLbl = nullptr;
    TStringGrid *Grid1 = nullptr;
    TLabel *Label1 = nullptr;
    TLabel *ErrMsg2 = nullptr;
    TLabel *ErrMsg4 = nullptr;
    TBatchMove *Batch = nullptr;

    // The last rebuild: the listed accounts' indices as decimal text in sample
    // order, and their sort keys in the same order.
    QStringList MatchList;
    QStringList SortKeyList;
    // The search text of the last positioning, at most 15 characters.
    QString PositionText;
    // Set by the positioning step; an action that rebuilds clears it first, so
    // that it rebuilds once even when it changes the sort order group.
    bool ListPositioned = false;

    // The account shown in each row of the list, in row order.
    const QList<int> &rowAccounts() const { return m_rows; }

public slots:
    void FormCreate(QObject *Sender);
    void OwnerComboChange(QObject *Sender);
    void AccountLblClick(QObject *Sender);
    void NameLblClick(QObject *Sender);
    void NextDateLblClick(QObject *Sender);
    void PositionChange(QObject *Sender);
    void SortOrderClick(QObject *Sender);
    void PositionExit(QObject *Sender);
    void DetailBtnClick(QObject *Sender);
    void ClosebtnClick(QObject *Sender);
    void SelectBtnClick(QObject *Sender);
    void ResetUser1Click(QObject *Sender);
    void Delete1Click(QObject *Sender);
    void SearchBtnClick(QObject *Sender);
    void ProcessDblClick(QObject *Sender);

private:
    // Owner and status both chosen: the next date order may be chosen.
    bool bothFilters() const;
    // A search text waiting in "Position to" (neither empty nor the blank date).
    bool positionPending() const;
    void chooseOrder(int order);
    void writeRows();

    AccountRows::Samples m_samples;
    QList<int> m_rows;
};
