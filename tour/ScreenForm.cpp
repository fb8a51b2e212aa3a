#include "tour/ScreenForm.h"

#include "toolkit/TLabel.h"
#include "tour/Unit1.h"
#include "wizard/TAssistent.h"

#include <QPointer>

TScreenForm::TScreenForm(QObject *owner)
    : TForm(owner)
{
}

bool TScreenForm::showMessage(const TLabel *label, Dialogs::MsgType type) const
{
    const QPointer<const TScreenForm> self(this);
    if (label)
        Dialogs::MessageDlg(label->Caption(), type, Dialogs::MsgButton::mbOK);
    return self;
}

bool TScreenForm::confirm(const TLabel *label) const
{
    if (!label)
        return false;
    const QPointer<const TScreenForm> self(this);
    const int answer = Dialogs::MessageDlg(label->Caption(), Dialogs::MsgType::mtConfirmation,
                                           Dialogs::MsgButton::mbOK | Dialogs::MsgButton::mbCancel);
    return self && answer == Dialogs::mrOk;
}

void TScreenForm::moveTour(int page)
{
    SetEnabled(false);
    if (Form1 && Form1->Assistent1)
        Form1->Assistent1->SetPage(page);
}

void TScreenForm::Print1Click(QObject *)
{
    Print();
}

void TScreenForm::Print2Click(QObject *Sender)
{
    Print1Click(Sender);
}

void TScreenForm::Language1Click(QObject *)
{
}

void TScreenForm::Language2Click(QObject *)
{
}

void TScreenForm::FormPaint(QObject *)
{
    if (!busy() && !Enabled())
        SetEnabled(true);
}

void TScreenForm::FormActivate(QObject *)
{
    SetCursor(Tk::TCursor::crDefault);
}
