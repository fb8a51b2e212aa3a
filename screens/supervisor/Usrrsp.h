#pragma once

// The supervisor's view of one user's calls per response, a grid of fixed
// sample figures; its "Close" button and menu item hide the screen.

#include "tour/ScreenForm.h"

class TQuery;
class TStringGrid;

class TUsrRspFm : public TScreenForm
{
    Q_OBJECT

public:
    explicit TUsrRspFm(QObject *owner);

    TStringGrid *Grid1 = nullptr;
    TQuery *Query1 = nullptr;

public slots:
    void FormCreate(QObject *Sender);
    void CloseBtnClick(QObject *Sender);
};
