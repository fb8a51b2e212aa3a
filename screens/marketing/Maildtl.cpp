#include "screens/marketing/Maildtl.h"

#include "data/TTable.h"
#include "screens/marketing/ContactTypes.h"
#include "screens/marketing/MaskedDate.h"
#include "toolkit/TBitBtn.h"
#include "toolkit/TButton.h"
#include "toolkit/TComboBox.h"
#include "toolkit/TEdit.h"
#include "toolkit/TLabel.h"
#include "toolkit/TListBox.h"
#include "toolkit/TMaskEdit.h"
#include "toolkit/TMemo.h"
#include "toolkit/TMenuItem.h"
#include "toolkit/TOpenDialog.h"
#include "toolkit/TPopupMenu.h"
#include "toolkit/TRadioGroup.h"
#include "toolkit/TSpeedButton.h"
#include "toolkit/TStringGrid.h"
#include "tour/TourState.h"

#include <QDate>
#include <QPointer>

namespace {

enum RadioItem { CreateLetter = 0, CreateEMail = 1 };

struct PlanLine {
    const char *line;
    const char *send[3];   // day, month, year
    const char *callBack[3];
    const char *number;
    const char *sent[3];   // empty when not sent yet
};

const PlanLine planLines[] = {
    {"1", {"01", "05", "1998"}, {"07", "05", "1998"}, "50", {"01", "05", "1998"}},
    {"2", {"02", "05", "1998"}, {"08", "05", "1998"}, "50", {nullptr, nullptr, nullptr}},
    {"3", {"03", "05", "1998"}, {"09", "05", "1998"}, "50", {nullptr, nullptr, nullptr}},
};

QString sampleDate(const char *const (&dmy)[3])
{
    if (!dmy[0])
        return QString();
    return Unit1::SampleDateText(QString::fromLatin1(dmy[0]), QString::fromLatin1(dmy[1]), QString::fromLatin1(dmy[2]));
}

} // namespace

TMailDtlFm::TMailDtlFm(QObject *owner)
    : TScreenForm(owner)
{
    loadDefinition(QStringLiteral(":/forms/Maildtl.form"));
    bind(RefLbl, "RefLbl");
    bind(Label3, "Label3");
    bind(Total, "Total");
    bind(Label7, "Label7");
    bind(DateLbl, "DateLbl");
    bind(Date1, "Date1");
    bind(ActLbl, "ActLbl");
    bind(ComboBox1, "ComboBox1");
    bind(Label9, "Label9");
    bind(Edit1, "Edit1");
    bind(Label1, "Label1");
    bind(Memo1, "Memo1");
    bind(Label10, "Label10");
    bind(LetterList, "LetterList");
    bind(RadioGroup1, "RadioGroup1");
    bind(EMailAttach, "EMailAttach");
    bind(Label11, "Label11");
    bind(List1, "List1");
    bind(IncBtn, "IncBtn");
    bind(ExcBtn, "ExcBtn");
    bind(List2, "List2");
    bind(label23, "label23");
    bind(ReportList, "ReportList");
    bind(Label2, "Label2");
    bind(Grid1, "Grid1");
    bind(AccBtn, "AccBtn");
    bind(CalenderBtn, "CalenderBtn");
    bind(NewBtn, "NewBtn");
    bind(EditBtn, "EditBtn");
    bind(CloseBtn, "CloseBtn");
    bind(ErrMsg1, "ErrMsg1");
    bind(ErrMsg2, "ErrMsg2");
    bind(ErrMsg3, "ErrMsg3");
    bind(ErrMsg4, "ErrMsg4");
    bind(ErrMsg5, "ErrMsg5");
    bind(OpenDialog1, "OpenDialog1");
    bind(PopupMenu1, "PopupMenu1");
    bind(Print1, "Print1");
    bind(PopupMenu2, "PopupMenu2");
    bind(MailAct, "MailAct");
    bind(MailDtl, "MailDtl");
    bind(MailAcc, "MailAcc");
    bind(LetFile, "LetFile");
    bind(Reports, "Reports");
    bind(ContTp, "ContTp");
    bind(MailCont, "MailCont");
    m_baseHint = EMailAttach->Hint();
    doCreate();
}

void TMailDtlFm::FormCreate(QObject *)
{
    Date1->SetEditMask(Unit1::DateEditMask);
    if (Date1->Text().isEmpty() || Date1->Text() == Unit1::BlankDateText)
        Date1->SetText(MaskedDate::textFor(QDate::currentDate()));

    // The contact types chosen on an earlier visit stay chosen.
    QStringList available = List2->Items();
    QStringList chosen;
    Maildtl::splitByTable(Maildtl::ContTypeTable, available, chosen);
    List2->SetItems(available);
    List1->SetItems(chosen);

    const QStringList headers = {QStringLiteral("Line"), QStringLiteral("Send Date"), QStringLiteral("Call back"),
                                 QStringLiteral("Number"), QStringLiteral("Date Sent")};
    for (int c = 0; c < headers.size(); ++c)
        Grid1->SetCell(c, 0, headers.at(c));
    int row = 1;
    for (const PlanLine &p : planLines) {
        Grid1->SetCell(0, row, QString::fromLatin1(p.line));
        Grid1->SetCell(1, row, sampleDate(p.send));
        Grid1->SetCell(2, row, sampleDate(p.callBack));
        Grid1->SetCell(3, row, QString::fromLatin1(p.number));
        Grid1->SetCell(4, row, sampleDate(p.sent));
        ++row;
    }
}

void TMailDtlFm::moveContType(TListBox *from, TListBox *to, bool include, const TLabel *noLine)
{
    const int index = from->ItemIndex();
    if (index < 0 || index >= from->Count()) {
        showMessage(noLine);
        return;
    }
    const QString name = from->Item(index);
    const bool moved = include ? Maildtl::includeContType(Maildtl::ContTypeTable, name)
                               : Maildtl::excludeContType(Maildtl::ContTypeTable, name);
    if (!moved)
        return;
    to->AddItem(name);
    from->DeleteItem(index);
}

void TMailDtlFm::IncBtnClick(QObject *)
{
    moveContType(List2, List1, true, ErrMsg4);
}

void TMailDtlFm::ExcBtnClick(QObject *)
{
    moveContType(List1, List2, false, ErrMsg5);
}

void TMailDtlFm::forgetAttachment()
{
    m_attachment.clear();
    OpenDialog1->SetFileName(QString());
    EMailAttach->SetHint(m_baseHint);
}

void TMailDtlFm::RadioGroup1Click(QObject *)
{
    forgetAttachment();
    EMailAttach->SetVisible(RadioGroup1->ItemIndex() == CreateEMail);
}

void TMailDtlFm::EMailAttachClick(QObject *)
{
    const QPointer<TMailDtlFm> self(this);
    const bool chosen = OpenDialog1->Execute();
    if (!self)
        return;
    if (chosen) {
        m_attachment = OpenDialog1->FileName();
        EMailAttach->SetHint(m_baseHint + QStringLiteral(": ") + m_attachment);
    } else {
        EMailAttach->SetHint(m_baseHint);
    }
}

void TMailDtlFm::LetterListChange(QObject *)
{
    // Choosing a letter has no further effect in the tour.
}
