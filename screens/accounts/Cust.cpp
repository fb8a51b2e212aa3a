#include "screens/accounts/Cust.h"

#include "data/TBatchMove.h"
#include "toolkit/Screen.h"
#include "toolkit/TCheckBox.h"
#include "toolkit/TComboBox.h"
#include "toolkit/TLabel.h"
#include "toolkit/TMaskEdit.h"
#include "toolkit/TPanel.h"
#include "toolkit/TRadioGroup.h"
#include "toolkit/TStringGrid.h"
#include "tour/Unit1.h"

using namespace AccountRows;

namespace {

// The heading colours: aqua marks the active sort order, fuchsia one that can
// be chosen, silver one that cannot.
constexpr Tk::TColor Active = Tk::TColor::clAqua;
constexpr Tk::TColor Choosable = Tk::TColor::clFuchsia;
constexpr Tk::TColor Unavailable = Tk::TColor::clSilver;

// The form's cursor shows the hourglass while it lives; the normal cursor
// comes back also when the work fails.
class FormHourGlass
{
public:
    explicit FormHourGlass(TForm *form)
        : m_form(form)
    {
        m_form->SetCursor(Tk::TCursor::crHourGlass);
    }
    ~FormHourGlass() { m_form->SetCursor(Tk::TCursor::crDefault); }
    FormHourGlass(const FormHourGlass &) = delete;
    FormHourGlass &operator=(const FormHourGlass &) = delete;

private:
    TForm *m_form;
};

} // namespace

TCustListFm::TCustListFm(QObject *owner)
    : TScreenForm(owner)
{
    loadDefinition(QStringLiteral(":/forms/Cust.form"));
    bind(OwnerCombo, "OwnerCombo");
    bind(StatusList, "StatusList");
    bind(TodaysCalls, "TodaysCalls");
    bind(Position, "Position");
    bind(NumAccs, "NumAccs");
    bind(SortOrder, "SortOrder");
    bind(AccountLbl, "AccountLbl");
    bind(NameLbl, "NameLbl");
    bind(NextDateLbl, "NextDateLbl");
    bind(Grid1, "Grid1");
    bind(Label1, "Label1");
    bind(ErrMsg2, "ErrMsg2");
    bind(ErrMsg4, "ErrMsg4");
    bind(Batch, "Batch");
    doCreate();
}

void TCustListFm::FormCreate(QObject *)
{
    MatchList.clear();
    SortKeyList.clear();
    ListPositioned = false;
    m_samples = tourSamples();
    m_rows.clear();
    for (int i = 0; i < m_samples.count(); ++i)
        m_rows << i;
    writeRows();
    NameLbl->SetColor(Choosable);
    OwnerCombo->SetText(Unit1::OwnerFilter);
    StatusList->SetText(Unit1::StatusFilter);
    OwnerComboChange(this);
}

bool TCustListFm::bothFilters() const
{
    return !Unit1::OwnerFilter.isEmpty() && !Unit1::StatusFilter.isEmpty();
}

bool TCustListFm::positionPending() const
{
    const QString text = Position->Text();
    return !text.isEmpty() && text != Unit1::BlankDateText.left(10);
}

void TCustListFm::OwnerComboChange(QObject *)
{
    Unit1::OwnerFilter = OwnerCombo->Text();
    Unit1::StatusFilter = StatusList->Text();
    if (Unit1::OwnerFilter.isEmpty() && !Unit1::StatusFilter.isEmpty()) {
        if (!showMessage(ErrMsg4))
            return;
        Unit1::StatusFilter.clear();
        StatusList->SetText(QString());
        StatusList->SetItemIndex(-1);
    }
    const bool noOwner = Unit1::OwnerFilter.isEmpty();
    const bool noStatus = Unit1::StatusFilter.isEmpty();
    if (noOwner && NextDateLbl->Color() == Choosable)
        NextDateLbl->SetColor(Unavailable);
    if (noStatus && NextDateLbl->Color() == Choosable)
        NextDateLbl->SetColor(Unavailable);
    if (!noStatus && NextDateLbl->Color() == Unavailable)
        NextDateLbl->SetColor(Choosable);
    if ((noOwner || noStatus) && NextDateLbl->Color() == Active) {
        AccountLbl->SetColor(Active);
        NameLbl->SetColor(Choosable);
        NextDateLbl->SetColor(Unavailable);
        SortOrder->SetItemIndex(ByAccount);
    }
    ListPositioned = false;
    PositionChange(this);
}

void TCustListFm::chooseOrder(int order)
{
    SortOrder->SetItemIndex(order);
    ListPositioned = false;
    PositionChange(this);
}

void TCustListFm::AccountLblClick(QObject *)
{
    FormHourGlass hourGlass(this);
    AccountLbl->SetColor(Active);
    NameLbl->SetColor(Choosable);
    if (bothFilters())
        NextDateLbl->SetColor(Choosable);
    chooseOrder(ByAccount);
}

void TCustListFm::NameLblClick(QObject *)
{
    AccountLbl->SetColor(Choosable);
    NameLbl->SetColor(Active);
    if (bothFilters())
        NextDateLbl->SetColor(Choosable);
    chooseOrder(ByName);
}

void TCustListFm::NextDateLblClick(QObject *)
{
    if (NextDateLbl->Color() == Unavailable)
        return;
    AccountLbl->SetColor(Choosable);
    NameLbl->SetColor(Choosable);
    NextDateLbl->SetColor(Active);
    chooseOrder(ByNextDate);
}

void TCustListFm::PositionChange(QObject *)
{
    if (ListPositioned)
        return;
    ListPositioned = true;
    if (Unit1::OwnerFilter.isEmpty() && Unit1::ListSortOrder == ByNextDate) {
        SortOrder->SetItemIndex(ByAccount);
        Unit1::ListSortOrder = ByAccount;
    }
    {
        FormHourGlass hourGlass(this);
        SortOrderClick(this);
        PositionText = positionPending() ? Position->Text().left(15) : QString();
        const int keyColumn = SortOrder->ItemIndex() == ByName ? 1 : SortOrder->ItemIndex() == ByNextDate ? 2 : 0;
        QStringList rowKeys;
        for (int r = 0; r < Grid1->RowCount(); ++r)
            rowKeys << Grid1->Cell(keyColumn, r);
        Grid1->SetRow(positionRow(rowKeys, PositionText));
        Screen::SetCursor(Tk::TCursor::crDefault);
        Position->SetText(QString());
    }
}

void TCustListFm::SortOrderClick(QObject *)
{
    const int order = SortOrder->ItemIndex() < 0 ? ByAccount : SortOrder->ItemIndex();
    if (order == ByNextDate) {
        TodaysCalls->SetEnabled(true);
    } else {
        TodaysCalls->SetEnabled(false);
        TodaysCalls->SetChecked(false);
    }
    Unit1::ListSortOrder = order;
    Position->SetEditMask(order == ByNextDate ? Unit1::DateEditMask : QString());

    Filters filters;
    filters.owner = Unit1::OwnerFilter;
    filters.status = Unit1::StatusFilter;
    filters.sortOrder = order;
    filters.todayOnly = TodaysCalls->Checked();
    filters.today = QDate::currentDate();
    m_rows = listed(m_samples, filters);

    MatchList.clear();
    SortKeyList.clear();
    for (int i = 0; i < m_samples.count(); ++i) {
        if (m_rows.contains(i)) {
            MatchList << QString::number(i);
            SortKeyList << m_samples.key(i, order);
        }
    }
    writeRows();
}

// Writes the listed accounts into the list and its mirror on the main form,
// which always has as many rows; no account leaves one empty row.
void TCustListFm::writeRows()
{
    QList<TStringGrid *> grids{Grid1};
    if (Form1 && Form1->grid2)
        grids << Form1->grid2;
    for (TStringGrid *grid : grids) {
        grid->ClearCells();
        grid->SetRowCount(int(m_rows.size()));
        for (int r = 0; r < m_rows.size(); ++r) {
            const QStringList cells = m_samples.row(m_rows.at(r));
            for (int c = 0; c < cells.size(); ++c)
                grid->SetCell(c, r, cells.at(c));
        }
    }
    NumAccs->SetCaption(QString::number(m_rows.size()));
}

void TCustListFm::PositionExit(QObject *)
{
    ListPositioned = false;
    if (!Position->Text().isEmpty())
        PositionChange(this);
}

void TCustListFm::DetailBtnClick(QObject *)
{
    const int row = Grid1->Row();
    if (Form1 && Form1->grid2)
        Form1->grid2->SetRow(row);
    if (positionPending())
        return;
    Screen::SetCursor(Tk::TCursor::crHourGlass);
    // The detail steps on from the account of the row, not from the row's
    // number, which is the account only in account order without filters.
    if (row >= 0 && row < m_rows.size())
        Unit1::CurrentAccount = m_rows.at(row);
    Screen::SetCursor(Tk::TCursor::crDefault);
    moveTour(2);
}

void TCustListFm::ClosebtnClick(QObject *)
{
    Close();
}

void TCustListFm::SelectBtnClick(QObject *)
{
    FormHourGlass hourGlass(this);
    Batch->Execute();
}

void TCustListFm::ResetUser1Click(QObject *)
{
    confirm(ErrMsg2);
}

void TCustListFm::Delete1Click(QObject *)
{
    Screen::SetCursor(Tk::TCursor::crDefault);
}

void TCustListFm::SearchBtnClick(QObject *)
{
}

void TCustListFm::ProcessDblClick(QObject *)
{
    Label1->SetVisible(!Label1->Visible());
}
