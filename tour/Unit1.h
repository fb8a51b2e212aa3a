#pragma once

// The tour's main form: the wizard of sixteen pages that fills the window,
// the sample account lists, the account list's mirror grid, and the handlers
// that create each page's screen when its page is shown.

#include "tour/TourState.h"

#include "toolkit/TForm.h"

class TAssistent;
class TListBox;
class TStringGrid;

class TForm1 : public TForm
{
    Q_OBJECT

public:
    explicit TForm1(QObject *owner);

    // Creates Form1 as the application's main form and shows it; false, with
    // the reason in `error`, when its definition cannot be read.
    static bool start(QString *error);

    TAssistent *Assistent1 = nullptr;
    TStringGrid *grid2 = nullptr;
    // The sample accounts: entry i of every list belongs to account i.
    TListBox *AcList = nullptr;
    TListBox *CoList = nullptr;
    TListBox *Add1List = nullptr;
    TListBox *Add2list = nullptr;
    TListBox *Add3list = nullptr;
    TListBox *Add4list = nullptr;
    TListBox *Pcodelist = nullptr;
    TListBox *Ownerlist = nullptr;
    TListBox *statuslist = nullptr;
    TListBox *nextlist = nullptr;
    TListBox *lastlist = nullptr;
    TListBox *contlist = nullptr;
    TListBox *sallist = nullptr;
    TListBox *tellist = nullptr;
    TListBox *faxlist = nullptr;

    // A new screen of the class, owned by this form; null while no such
    // screen class exists.
    TForm *createScreen(const QByteArray &className);
    // The title of physical page `page` as the visitor reads it: its
    // header's title, or on the title page its page name.
    QString pageTitle(int page) const;
    // Names the page area by the current page's title and describes it by
    // the page's help text, for assistive technology.
    void describePage();

public slots:
    void FormCreate(QObject *Sender);
    bool Assistent1CancelClick(QObject *Sender, int Page);
    TForm *AForm1GetForm();
    TForm *AForm2GetForm();
    TForm *AForm3GetForm();
    TForm *AForm4GetForm();
    TForm *AForm5GetForm();
    TForm *AForm6GetForm();
    TForm *AForm7GetForm();
    TForm *AForm8GetForm();
    TForm *AForm9GetForm();
    TForm *AForm10GetForm();
    TForm *AForm11GetForm();
    TForm *AForm12GetForm();
    TForm *AForm13GetForm();
};

// The one tour main form of the program.
extern TForm1 *Form1;
