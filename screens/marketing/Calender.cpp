#include "screens/marketing/Calender.h"

#include "screens/marketing/CalendarDates.h"
#include "toolkit/Locale.h"
#include "toolkit/TButton.h"
#include "toolkit/TLabel.h"
#include "toolkit/TMenuItem.h"
#include "toolkit/TPopupMenu.h"
#include "toolkit/TRadioGroup.h"
#include "toolkit/TStringGrid.h"

#include <algorithm>

namespace {
enum Column { DateCol, DayCol, CallsCol, NoteCol };
}

TCalenderFm::TCalenderFm(QObject *owner)
    : TScreenForm(owner)
{
    loadDefinition(QStringLiteral(":/forms/Calender.form"));
    bind(Label1, "Label1");
    bind(Today, "Today");
    bind(Grid1, "Grid1");
    bind(GotoDate, "GotoDate");
    bind(ErrMsg1, "ErrMsg1");
    bind(ErrMsg2, "ErrMsg2");
    bind(SelectBtn, "SelectBtn");
    bind(CreateBtn, "CreateBtn");
    bind(DetailBtn, "DetailBtn");
    bind(CloseBtn, "CloseBtn");
    bind(PopupMenu1, "PopupMenu1");
    bind(Print1, "Print1");
    bind(Select1, "Select1");
    bind(Close1, "Close1");
    bind(Create1, "Create1");
    bind(Language1, "Language1");
    doCreate();
}

void TCalenderFm::FormCreate(QObject *)
{
    showDaysFrom(QDate::currentDate());
}

void TCalenderFm::showDaysFrom(const QDate &today)
{
    Today->SetCaption(Locale::formatLongDate(today));
    Grid1->SetCell(DateCol, 0, QStringLiteral("Date"));
    Grid1->SetCell(DayCol, 0, QStringLiteral("Day"));
    Grid1->SetCell(CallsCol, 0, QStringLiteral("Planned calls"));
    Grid1->SetCell(NoteCol, 0, QStringLiteral("Note"));
    m_days = CalendarDates::weekdaysFrom(today);
    // All 500 rows are written; the grid shows the first 400 of them.
    for (int i = 0; i < m_days.size(); ++i) {
        const int row = i + 1;
        const QDate &d = m_days.at(i);
        Grid1->SetCell(DateCol, row, Locale::formatShortDate(d));
        Grid1->SetCell(DayCol, row, Locale::formatDate(d, QStringLiteral("dddd")));
        Grid1->SetCell(CallsCol, row, QStringLiteral("0"));
        Grid1->SetCell(NoteCol, row, QString());
    }
}

QDate TCalenderFm::dayOfRow(int row) const
{
    return row >= 1 && row <= m_days.size() ? m_days.at(row - 1) : QDate();
}

void TCalenderFm::gotoDate(int item, const QDate &today)
{
    const int shown = std::min(CalendarDates::ShownDays, Grid1->RowCount() - Grid1->FixedRows());
    const int row = CalendarDates::rowFor(m_days, CalendarDates::jumpTarget(today, item), shown);
    if (row >= 1)
        Grid1->SetRow(row);
}

void TCalenderFm::GotoDateClick(QObject *)
{
    gotoDate(GotoDate->ItemIndex(), QDate::currentDate());
}

void TCalenderFm::SelectBtnClick(QObject *)
{
    moveTour(ReturnPage);
}

void TCalenderFm::CloseBtnClick(QObject *)
{
    moveTour(ReturnPage);
}

void TCalenderFm::FormClose(QObject *, Tk::TCloseAction &)
{
    moveTour(ReturnPage);
}
