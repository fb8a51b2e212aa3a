#pragma once

// The call calendar screen: every weekday from today with its planned calls
// and a note, and a "Go to" list that selects the day some weeks or months
// ahead. Close, Select and closing the form return the tour to the account
// detail page.

#include "tour/ScreenForm.h"

#include <QDate>
#include <QList>

class TButton;
class TLabel;
class TMenuItem;
class TPopupMenu;
class TRadioGroup;
class TStringGrid;

class TCalenderFm : public TScreenForm
{
    Q_OBJECT

public:
    explicit TCalenderFm(QObject *owner);

    // The tour page that Close and Select return to: the account detail.
    static constexpr int ReturnPage = 2;

    // Shows `today` in the long date format and lists the weekdays from it.
    // FormCreate calls it with the current date.
    void showDaysFrom(const QDate &today);
    // Selects the row of "Go to" item `item` counted from `today`.
    void gotoDate(int item, const QDate &today);
    // The day of data row `row` (1 to 500, shown or not); invalid otherwise.
    QDate dayOfRow(int row) const;

    TLabel *Label1 = nullptr;
    TLabel *Today = nullptr;
    TStringGrid *Grid1 = nullptr;
    TRadioGroup *GotoDate = nullptr;
    TLabel *ErrMsg1 = nullptr;
    TLabel *ErrMsg2 = nullptr;
    TButton *SelectBtn = nullptr;
    TButton *CreateBtn = nullptr;
    TButton *DetailBtn = nullptr;
    TButton *CloseBtn = nullptr;
    TPopupMenu *PopupMenu1 = nullptr;
    TMenuItem *Print1 = nullptr;
    TMenuItem *Select1 = nullptr;
    TMenuItem *Close1 = nullptr;
    TMenuItem *Create1 = nullptr;
    TMenuItem *Language1 = nullptr;

public slots:
    void FormCreate(QObject *Sender);
    void GotoDateClick(QObject *Sender);
    void SelectBtnClick(QObject *Sender);
    void CloseBtnClick(QObject *Sender);
    void FormClose(QObject *Sender, Tk::TCloseAction &Action);

private:
    // The days of rows 1 to 500; the search compares these, not cell texts.
    QList<QDate> m_days;
};
