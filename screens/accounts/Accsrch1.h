#pragma once

// The dealer search: the criteria for finding the dealers of an area that
// sell a range of products, and the grid of accounts found.

#include "tour/ScreenForm.h"

class TStringGrid;

class TAccSrch1Fm : public TScreenForm
{
    Q_OBJECT

public:
    explicit TAccSrch1Fm(QObject *owner);

    TStringGrid *Grid1 = nullptr;

public slots:
    void FormCreate(QObject *Sender);
    void StatusChange(QObject *Sender);
    void OwnerListChange(QObject *Sender);
};
