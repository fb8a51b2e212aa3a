#pragma once

// The campaign activity screen: one sample activity with its date, letter or
// e-mail (with an attachment picked from a file dialog), the contact types
// it goes to, chosen against the program-wide contact type table, and its
// send and call-back plan.

#include "tour/ScreenForm.h"

class TBitBtn;
class TButton;
class TComboBox;
class TDataSource;
class TEdit;
class TLabel;
class TListBox;
class TMaskEdit;
class TMemo;
class TMenuItem;
class TOpenDialog;
class TPopupMenu;
class TRadioGroup;
class TSpeedButton;
class TStringGrid;
class TTable;

class TMailDtlFm : public TScreenForm
{
    Q_OBJECT

public:
    explicit TMailDtlFm(QObject *owner);

    // The full path of the e-mail attachment; empty when none is chosen.
    QString attachment() const { return m_attachment; }
    // The attachment button's hint as designed, without a file.
    QString baseHint() const { return m_baseHint; }

    TLabel *RefLbl = nullptr;
    TLabel *Label3 = nullptr;
    TLabel *Total = nullptr;
    TLabel *Label7 = nullptr;
    TLabel *DateLbl = nullptr;
    TMaskEdit *Date1 = nullptr;
    TLabel *ActLbl = nullptr;
    TComboBox *ComboBox1 = nullptr;
    TLabel *Label9 = nullptr;
    TEdit *Edit1 = nullptr;
    TLabel *Label1 = nullptr;
    TMemo *Memo1 = nullptr;
    TLabel *Label10 = nullptr;
    TComboBox *LetterList = nullptr;
    TRadioGroup *RadioGroup1 = nullptr;
    TSpeedButton *EMailAttach = nullptr;
    TLabel *Label11 = nullptr;
    TListBox *List1 = nullptr;
    TBitBtn *IncBtn = nullptr;
    TBitBtn *ExcBtn = nullptr;
    TListBox *List2 = nullptr;
    TLabel *label23 = nullptr;
    TComboBox *ReportList = nullptr;
    TLabel *Label2 = nullptr;
    TStringGrid *Grid1 = nullptr;
    TButton *AccBtn = nullptr;
    TButton *CalenderBtn = nullptr;
    TButton *NewBtn = nullptr;
    TButton *EditBtn = nullptr;
    TButton *CloseBtn = nullptr;
    TLabel *ErrMsg1 = nullptr;
    TLabel *ErrMsg2 = nullptr;
    TLabel *ErrMsg3 = nullptr;
    TLabel *ErrMsg4 = nullptr;
    TLabel *ErrMsg5 = nullptr;
    TOpenDialog *OpenDialog1 = nullptr;
    TPopupMenu *PopupMenu1 = nullptr;
    TMenuItem *Print1 = nullptr;
    TPopupMenu *PopupMenu2 = nullptr;
    TTable *MailAct = nullptr;
    TTable *MailDtl = nullptr;
    TTable *MailAcc = nullptr;
    TTable *LetFile = nullptr;
    TTable *Reports = nullptr;
    TTable *ContTp = nullptr;
    TTable *MailCont = nullptr;

public slots:
    void FormCreate(QObject *Sender);
    void IncBtnClick(QObject *Sender);
    void ExcBtnClick(QObject *Sender);
    void RadioGroup1Click(QObject *Sender);
    void EMailAttachClick(QObject *Sender);
    void LetterListChange(QObject *Sender);

private:
    // Moves the selected line of `from` to the end of `to` when the contact
    // type table lets that type be included (or excluded); with no line
    // selected it shows `noLine`.
    void moveContType(TListBox *from, TListBox *to, bool include, const TLabel *noLine);
    void forgetAttachment();

    QString m_baseHint;
    QString m_attachment;
};
