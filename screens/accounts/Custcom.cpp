#include "screens/accounts/Custcom.h"

#include "toolkit/Screen.h"
#include "toolkit/TComboBox.h"
#include "toolkit/TLabel.h"
#include "toolkit/TStringGrid.h"
#include "tour/TourState.h"

namespace {

struct Day {
    const char *day, *month, *year;
};

// A contact: its date, time, user, activity, response date (a date, or the
// text given in `response`) and comment.
struct Contact {
    Day date;
    const char *time;
    const char *user;
    const char *activity;
    Day responseDate;
    const char *response;
    const char *comment;
};

const Contact Contacts[] = {
    {{"12", "11", "1997"}, "10:34:12", "Elsa", "Phone", {"12", "11", "1997"}, nullptr, "Spoke to Mr Tarrant about the new price list"},
    {{"14", "12", "1997"}, "09:45:26", "Elsa", "Phone", {"14", "12", "1997"}, nullptr, "Christmas orders are looking good"},
    {{"14", "12", "1997"}, "10:34:12", "Tobin", "Letter", {"18", "12", "1997"}, nullptr, "Keeping up Christmas sales letter"},
    {{"18", "12", "1997"}, "15:14:02", "Elsa", "Phone", {}, ".", "Christmas sales success"},
    {{"04", "01", "1998"}, "10:34:12", "Maren", "Visit", {"04", "01", "1998"}, nullptr, "Problem sustaining sales level"},
};

QString dateText(const Day &d)
{
    return Unit1::SampleDateText(QString::fromLatin1(d.day), QString::fromLatin1(d.month), QString::fromLatin1(d.year));
}

} // namespace

TCustComfm::TCustComfm(QObject *owner)
    : TScreenForm(owner)
{
    loadDefinition(QStringLiteral(":/forms/Custcom.form"));
    bind(Company, "Company");
    bind(ContList, "ContList");
    bind(Tele, "Tele");
    bind(Grid1, "Grid1");
    doCreate();
}

void TCustComfm::FormCreate(QObject *)
{
    Company->SetCaption(Unit1::ContactCompany);
    ContList->ClearItems();
    ContList->AddItem(Unit1::ContactName);
    ContList->SetItemIndex(0);
    Tele->SetCaption(Unit1::ContactPhone);
    SetVisible(true);
    Screen::SetCursor(Tk::TCursor::crDefault);
    int row = 0;
    for (const Contact &c : Contacts) {
        const QStringList cells{dateText(c.date),
                                QString::fromLatin1(c.time),
                                QString::fromLatin1(c.user),
                                QString::fromLatin1(c.activity),
                                c.response ? QString::fromLatin1(c.response) : dateText(c.responseDate),
                                QString::fromLatin1(c.comment)};
        for (int col = 0; col < cells.size(); ++col)
            Grid1->SetCell(col, row, cells.at(col));
        ++row;
    }
}

void TCustComfm::CloseBtnClick(QObject *)
{
    moveTour(2);
}

void TCustComfm::EditBtnClick(QObject *)
{
}

void TCustComfm::Grid1Click(QObject *)
{
}
