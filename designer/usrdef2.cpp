#include "designer/usrdef2.h"

#include "data/TDBGrid.h"
#include "designer/DesignItems.h"
#include "designer/EBadChild.h"
#include "designer/PageNames.h"
#include "designer/TStretchHandle.h"
#include "toolkit/Dialogs.h"
#include "toolkit/TButton.h"
#include "toolkit/TCheckBox.h"
#include "toolkit/TComboBox.h"
#include "toolkit/TEdit.h"
#include "toolkit/TFontDialog.h"
#include "toolkit/TLabel.h"
#include "toolkit/TMemo.h"
#include "toolkit/TPageControl.h"
#include "toolkit/TPanel.h"
#include "toolkit/TRadioGroup.h"
#include "toolkit/TSpeedButton.h"
#include "toolkit/TStringGrid.h"
#include "toolkit/TTabSheet.h"

namespace {

const QString FirstPageName = QStringLiteral("Page1");

// Binds `event` of `item` to the designer's handler of that name; the names
// are the designer's own, so a failure is a fault of this code.
void bindItemEvent(QObject *item, const char *event, QObject *form, const char *handler)
{
    const QString error = Component::from(item)->bindEvent(event, form, handler);
    Q_ASSERT_X(error.isEmpty(), "Tusrdef2fm", qPrintable(error));
    Q_UNUSED(error);
}

bool onPage(const QWidget *w)
{
    return w && qobject_cast<TTabSheet *>(w->parentWidget());
}

} // namespace

Tusrdef2fm::Tusrdef2fm(QObject *owner)
    : TScreenForm(owner)
{
    loadDefinition(QStringLiteral(":/forms/usrdef2.form"));
    bind(Panel1, "Panel1");
    bind(pagelist, "pagelist");
    bind(Fieldlist2, "Fieldlist2");
    bind(fieldList, "fieldList");
    bind(Buttonlist, "Buttonlist");
    bind(Edit1, "Edit1");
    bind(Button1, "Button1");
    bind(FontBtn, "FontBtn");
    bind(Addbtn, "Addbtn");
    bind(DeleteBtn, "DeleteBtn");
    bind(SaveBtn, "SaveBtn");
    bind(Cancelbtn, "Cancelbtn");
    bind(Panel2, "Panel2");
    bind(SpeedButton3, "SpeedButton3");
    bind(Scripts, "Scripts");
    bind(RunScript, "RunScript");
    bind(tabControl1, "tabControl1");
    bind(StretchHandle1, "StretchHandle1");
    bind(NextButton1, "NextButton1");
    bind(NAccGrp, "NAccGrp");
    bind(Ngrpgrid, "Ngrpgrid");
    bind(Errmsg1, "Errmsg1");
    bind(XMustlbl, "XMustlbl");
    bind(errmsg2, "errmsg2");
    bind(Errmsg3, "Errmsg3");
    bind(FontDialog1, "FontDialog1");
    for (int i = 0; i < PageNames::PageCount; ++i)
        bind(m_pages[i], QStringLiteral("TabSheet%1").arg(i + 1).toLatin1().constData());
    // Every toolbar entry must name a control of the definition.
    for (int k = 0; k < DesignItems::ButtonCount; ++k) {
        for (const QString &name : DesignItems::controlsForButton(k)) {
            QWidget *w = nullptr;
            bind(w, name.toLatin1().constData());
        }
    }
    doCreate();
}

TTabSheet *Tusrdef2fm::pageSheet(int i) const
{
    return i >= 0 && i < PageNames::PageCount ? m_pages[i] : nullptr;
}

TLabel *Tusrdef2fm::selectedLabel() const
{
    return m_selectedLabel;
}

void Tusrdef2fm::createfm(QObject *)
{
    m_itemCounter = 0;
    m_labelSelected = m_controlSelected = m_selectionOnPage = false;
    m_selectedLabel = nullptr;
    m_selectedControl = nullptr;
    for (int i = 0; i < PageNames::PageCount; ++i)
        pagelist->SetCell(0, i, QString::number(i + 1));
    showPage1();
    // Forward round the pages with a shown tab; only the first has one now.
    for (int i = 0; i <= tabControl1->PageCount() && tabControl1->ActivePage() != m_pages[0]; ++i)
        tabControl1->SelectNextPage(true);
    SetCursor(Tk::TCursor::crDefault);
}

void Tusrdef2fm::showPage1()
{
    m_pagesDefined = true;
    pagelist->SetCell(1, 0, FirstPageName);
    m_pages[0]->SetCaption(pagelist->Cell(1, 0));
    m_pages[0]->SetTabVisible(true);
}

void Tusrdef2fm::activateShownPage()
{
    const TTabSheet *active = tabControl1->ActivePage();
    if (!active || !active->TabVisible())
        tabControl1->SelectNextPage(true);
}

void Tusrdef2fm::AddbtnClick(QObject *)
{
    m_selectionOnPage = true;
    if (!m_pagesDefined)
        showPage1();
    const int field = Fieldlist2->ItemIndex();
    if (field < 0) {
        showToolbarEntry(Buttonlist->ItemIndex());
        return;
    }
    addItems(field);
}

void Tusrdef2fm::showToolbarEntry(int entry)
{
    for (const QString &name : DesignItems::controlsForButton(entry)) {
        if (Control *c = Control::from(findComponent(name)))
            c->SetVisible(true);
    }
}

template<typename T>
T *Tusrdef2fm::newItem(TTabSheet *page, const DesignItems::Item &entry, const QString &hint, bool mouseUp)
{
    auto *item = new T(page);
    item->setObjectName(DesignItems::itemName(m_itemCounter++));
    item->SetParent(page);
    const QSize size = DesignItems::defaultSize(entry.kind);
    item->SetBounds(entry.left, entry.top, size.width(), size.height());
    item->SetHint(hint);
    item->SetShowHint(false);
    bindItemEvent(item, "OnMouseDown", this, "MouseDown");
    if (mouseUp)
        bindItemEvent(item, "OnMouseUp", this, "MouseUp");
    return item;
}

void Tusrdef2fm::addItems(int field)
{
    // A page whose tab the user cannot see takes no items.
    activateShownPage();
    TTabSheet *page = tabControl1->ActivePage();
    if (!page || !page->TabVisible())
        return;
    const QString text = fieldList->Items().value(field);
    using DesignItems::Kind;
    for (const DesignItems::Item &entry : DesignItems::itemsForField(field)) {
        switch (entry.kind) {
        case Kind::Label: {
            auto *label = newItem<TLabel>(page, entry, Edit1->Text(), true);
            label->SetCaption(Edit1->Text());
            label->Show();
            break;
        }
        case Kind::Edit: {
            auto *edit = newItem<TEdit>(page, entry, entry.hint, true);
            // The field it stands for names it for assistive technology; its
            // hint is only the field's code.
            edit->setAccessibleName(text);
            edit->SetText(text);
            edit->Show();
            break;
        }
        case Kind::Memo: {
            auto *memo = newItem<TMemo>(page, entry, entry.hint, true);
            memo->setAccessibleName(text);
            memo->SetText(text);
            memo->Show();
            break;
        }
        case Kind::CalendarButton: {
            auto *button = newItem<TSpeedButton>(page, entry, entry.hint, false);
            button->SetGlyphName(SpeedButton3->GlyphName());
            button->SetNumGlyphs(2);
            bindItemEvent(button, "OnClick", this, "SpeedButtonXClick");
            button->Show();
            break;
        }
        case Kind::MustCheckBox: {
            auto *check = newItem<TCheckBox>(page, entry, entry.hint, false);
            check->SetCaption(XMustlbl->Caption());
            check->Show();
            break;
        }
        case Kind::GroupList:
            NAccGrp->SetParent(page);
            Ngrpgrid->SetParent(page);
            Ngrpgrid->SetBounds(DesignItems::GroupGridLeft, DesignItems::GroupGridTop, Ngrpgrid->Width(), Ngrpgrid->Height());
            NAccGrp->SetBounds(entry.left, entry.top, NAccGrp->Width(), NAccGrp->Height());
            Ngrpgrid->Show();
            NAccGrp->Show();
            break;
        }
    }
}

void Tusrdef2fm::MouseDown(QObject *Sender, Tk::TMouseButton, Tk::TShiftState, int, int)
{
    auto *w = qobject_cast<QWidget *>(Sender);
    StretchHandle1->SetLocked(false);
    try {
        StretchHandle1->AttachControl(w);
    } catch (const EBadChild &e) {
        Dialogs::MessageDlg(QString::fromStdString(e.what()), Dialogs::MsgType::mtError, Dialogs::MsgButton::mbOK);
        return;
    }
    m_labelSelected = m_controlSelected = m_selectionOnPage = false;
    if (auto *label = qobject_cast<TLabel *>(Sender)) {
        m_labelSelected = true;
        m_selectedLabel = label;
        m_selectionOnPage = onPage(label);
        Edit1->SetText(label->Caption());
    } else if (qobject_cast<TEdit *>(Sender) || qobject_cast<TSpeedButton *>(Sender) || qobject_cast<TButton *>(Sender)
               || qobject_cast<TCheckBox *>(Sender) || qobject_cast<TMemo *>(Sender)) {
        m_controlSelected = true;
        m_selectedControl = w;
        m_selectionOnPage = onPage(w);
    } else if (qobject_cast<TPageControl *>(Sender) || qobject_cast<TTabSheet *>(Sender)) {
        m_selectionOnPage = true;
        m_selectedControl = w;
    }
}

void Tusrdef2fm::MouseUp(QObject *, Tk::TMouseButton, Tk::TShiftState, int, int)
{
    StretchHandle1->ReleaseControls();
}

void Tusrdef2fm::FormClick(QObject *)
{
    StretchHandle1->ReleaseControls();
    StretchHandle1->SetLocked(false);
    m_labelSelected = m_controlSelected = m_selectionOnPage = false;
}

void Tusrdef2fm::selectControl(QWidget *control)
{
    StretchHandle1->SetLocked(false);
    StretchHandle1->AttachControl(control);
    m_labelSelected = false;
    m_controlSelected = true;
    m_selectedControl = control;
    m_selectionOnPage = onPage(control);
}

void Tusrdef2fm::NAccGrpEnter(QObject *)
{
    selectControl(NAccGrp);
}

void Tusrdef2fm::NgrpgridEnter(QObject *)
{
    selectControl(Ngrpgrid);
}

void Tusrdef2fm::Edit1Change(QObject *)
{
    if (m_labelSelected && m_selectedLabel)
        m_selectedLabel->SetCaption(Edit1->Text());
}

void Tusrdef2fm::FontBtnClick(QObject *)
{
    if (!FontDialog1->Execute())
        return;
    if (m_labelSelected && m_selectedLabel)
        m_selectedLabel->Font()->Assign(*FontDialog1->Font());
    if (m_controlSelected && m_selectedControl
        && (qobject_cast<TEdit *>(m_selectedControl) || qobject_cast<TMemo *>(m_selectedControl)))
        Control::from(m_selectedControl)->Font()->Assign(*FontDialog1->Font());
}

void Tusrdef2fm::clearSelection()
{
    StretchHandle1->ReleaseControls();
    m_labelSelected = m_controlSelected = m_selectionOnPage = false;
    m_selectedLabel = nullptr;
    m_selectedControl = nullptr;
}

void Tusrdef2fm::releaseFrom(const QWidget *control)
{
    for (int i = 0; i < StretchHandle1->ControlCount(); ++i) {
        if (StretchHandle1->ControlAt(i) == control) {
            StretchHandle1->ReleaseControls();
            return;
        }
    }
}

void Tusrdef2fm::hideControl(QWidget *control)
{
    // A hidden control is no longer a selection the handle could show.
    releaseFrom(control);
    if (control == m_selectedControl)
        m_controlSelected = false;
    if (Control *c = Control::from(control))
        c->SetVisible(false);
}

void Tusrdef2fm::DeleteBtnClick(QObject *Sender)
{
    TTabSheet *page = tabControl1->ActivePage();
    if (m_selectionOnPage && page) {
        if (m_controlSelected && m_selectedControl) {
            const QString name = m_selectedControl->objectName();
            for (QObject *child : page->children()) {
                if (!Control::from(child) || child->objectName() != name)
                    continue;
                auto *w = static_cast<QWidget *>(child);
                if (w == NextButton1) {
                    hideControl(NextButton1);
                } else if (w == NAccGrp || w == Ngrpgrid) {
                    hideControl(NAccGrp);
                    hideControl(Ngrpgrid);
                } else {
                    clearSelection();
                    Component::free(w);
                }
                return;
            }
        }
        if (m_labelSelected && m_selectedLabel) {
            const QString name = m_selectedLabel->objectName();
            for (const auto &owned : page->componentSnapshot()) {
                if (owned && owned->objectName() == name) {
                    clearSelection();
                    Component::free(owned);
                    return;
                }
            }
        }
    }
    FormClick(Sender);
}

void Tusrdef2fm::SpeedButtonClick(QObject *Sender)
{
    if (!confirm(Errmsg1))
        return;
    if (auto *button = qobject_cast<TSpeedButton *>(Sender)) {
        hideControl(button);
        if (button == RunScript)
            hideControl(Scripts);
    } else if (Sender == Scripts) {
        hideControl(Scripts);
        hideControl(RunScript);
    } else if (Sender == NAccGrp) {
        hideControl(NAccGrp);
        hideControl(Ngrpgrid);
    } else if (auto *button = qobject_cast<TButton *>(Sender)) {
        hideControl(button);
    }
}

void Tusrdef2fm::SpeedButtonXClick(QObject *Sender)
{
    if (!confirm(Errmsg1))
        return;
    auto *button = qobject_cast<QWidget *>(Sender);
    releaseFrom(button);
    if (button == m_selectedControl) {
        m_controlSelected = false;
        m_selectedControl = nullptr;
    }
    // The button's own click is still running: it goes once that returns.
    Component::free(button);
}

void Tusrdef2fm::fieldListClick(QObject *)
{
    Edit1->SetText(QString());
    Buttonlist->SetItemIndex(-1);
}

void Tusrdef2fm::ButtonlistClick(QObject *)
{
    Fieldlist2->SetItemIndex(-1);
}

void Tusrdef2fm::Button1Click(QObject *)
{
    tabControl1->SelectNextPage(true);
}

void Tusrdef2fm::pagelistClick(QObject *)
{
    if (applyPageNames())
        checkPageNamesLater();
}

void Tusrdef2fm::pagelistKeyDown(QObject *, int &, Tk::TShiftState)
{
    applyPageNames();
    // The key reaches the cell only after this handler: the names are
    // looked at again once it has been handled.
    checkPageNamesLater();
}

QList<PageNames::Page> Tusrdef2fm::pageNames() const
{
    QStringList names;
    for (int i = 0; i < PageNames::PageCount; ++i)
        names << pagelist->Cell(1, i);
    return PageNames::apply(names);
}

bool Tusrdef2fm::applyPageNames()
{
    const QList<PageNames::Page> pages = pageNames();
    bool tooLong = false;
    for (int i = 0; i < PageNames::PageCount; ++i) {
        const PageNames::Page &p = pages.at(i);
        m_pages[i]->SetTabVisible(p.tabVisible);
        if (p.tabVisible)
            m_pagesDefined = true;
        if (!p.caption.isNull())
            m_pages[i]->SetCaption(p.caption);
        tooLong = tooLong || p.tooLong;
    }
    if (!PageNames::anyDefined(pages))
        m_pagesDefined = false;
    activateShownPage();
    return tooLong;
}

void Tusrdef2fm::checkPageNamesLater()
{
    // The grid and its cell editor are still handling their event: a box
    // opened now takes the focus, and the editor is closed and freed under
    // its own key handling. The check waits for the event loop.
    if (m_checkPending)
        return;
    m_checkPending = true;
    // Qt drops the call when the screen goes first.
    QMetaObject::invokeMethod(this, [this] { checkPageNames(); }, Qt::QueuedConnection);
}

void Tusrdef2fm::checkPageNames()
{
    m_checkPending = false;
    const QList<PageNames::Page> pages = pageNames();
    bool tooLong = false;
    for (int i = 0; i < PageNames::PageCount; ++i) {
        if (pages.at(i).tooLong) {
            // Cut before the box is shown, so that the editor the box closes
            // hands back the cut name.
            pagelist->SetCell(1, i, pages.at(i).cell);
            tooLong = true;
        }
    }
    if (!tooLong)
        return;
    // The captions follow the cut names, unless the screen went while the
    // box was open.
    if (showMessage(errmsg2))
        applyPageNames();
}

void Tusrdef2fm::CancelbtnClick(QObject *)
{
}

void Tusrdef2fm::FormClose(QObject *, Tk::TCloseAction &)
{
}
