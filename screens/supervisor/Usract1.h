#pragma once

// The supervisor's user activity screen: a list of users and the choice of
// monthly, weekly or daily call statistics; "Monthly" in its pop-up menu
// moves the tour on to the calls by month.

#include "tour/ScreenForm.h"

class TListBox;
class TTable;

class TUsrAct1Fm : public TScreenForm
{
    Q_OBJECT

public:
    explicit TUsrAct1Fm(QObject *owner);

    TListBox *List1 = nullptr;
    TTable *Users = nullptr;

public slots:
    void FormCreate(QObject *Sender);
    void MthbtnClick(QObject *Sender);
};
