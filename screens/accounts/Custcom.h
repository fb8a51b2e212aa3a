#pragma once

// The contact history of an account: every call, letter and visit with its
// date, time, user, activity, response date and comment.

#include "tour/ScreenForm.h"

class TComboBox;
class TLabel;
class TStringGrid;

class TCustComfm : public TScreenForm
{
    Q_OBJECT

public:
    explicit TCustComfm(QObject *owner);

    TLabel *Company = nullptr;
    TComboBox *ContList = nullptr;
    TLabel *Tele = nullptr;
    TStringGrid *Grid1 = nullptr;

public slots:
    void FormCreate(QObject *Sender);
    void CloseBtnClick(QObject *Sender);
    void EditBtnClick(QObject *Sender);
    void Grid1Click(QObject *Sender);
};
