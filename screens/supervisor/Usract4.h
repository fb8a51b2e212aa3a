#pragma once

// The supervisor's view of one user's calls per month, a grid of fixed
// sample figures; "Close" in its pop-up menu hides the screen.

#include "tour/ScreenForm.h"

class TQuery;
class TStringGrid;

class TUsrAct4Fm : public TScreenForm
{
    Q_OBJECT

public:
    explicit TUsrAct4Fm(QObject *owner);

    TStringGrid *Grid1 = nullptr;
    TQuery *Query1 = nullptr;

public slots:
    void FormCreate(QObject *Sender);
    void CloseBtnClick(QObject *Sender);
};
