#pragma once

// The accounts query builder: selections on four tabbed pages that choose
// the accounts of a campaign activity by their details. The tour keeps the
// range fields and the letter choice consistent; it runs no query.

#include "tour/ScreenForm.h"

class TCheckBox;
class TComboBox;
class TEdit;
class TLabel;

class TQuery2Fm : public TScreenForm
{
    Q_OBJECT

public:
    // The item of a sales comparison list that asks for a range.
    static constexpr int RangeItem = 3;

    explicit TQuery2Fm(QObject *owner);

public slots:
    void FormCreate(QObject *Sender);
    // Shows the "-" and the upper bound of "Sales this year" exactly when
    // "Range" is chosen; op02Change does the same for "Sales last year".
    void Op01Change(QObject *Sender);
    void op02Change(QObject *Sender);
    // A click on "Yes" or "No", whether it checks or clears the box, clears
    // the other box: at most one of them is checked.
    void LetYesClick(QObject *Sender);
    void LetNoClick(QObject *Sender);
    // Running the query is not part of the tour.
    void OkBtnClick(QObject *Sender);

private:
    static void showRange(const TComboBox *comparison, TLabel *dash, TEdit *upper);

    TComboBox *Op01 = nullptr;
    TLabel *D01 = nullptr;
    TEdit *T01 = nullptr;
    TComboBox *op02 = nullptr;
    TLabel *d02 = nullptr;
    TEdit *t02 = nullptr;
    TCheckBox *LetYes = nullptr;
    TCheckBox *LetNo = nullptr;
};
