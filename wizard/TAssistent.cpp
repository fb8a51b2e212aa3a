#include "wizard/TAssistent.h"

#include "toolkit/AccessibleNames.h"
#include "toolkit/Application.h"
#include "toolkit/Bevels.h"
#include "toolkit/Colors.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Filer.h"
#include "toolkit/Keys.h"
#include "toolkit/QuietText.h"
#include "toolkit/TBitBtn.h"
#include "wizard/ElementProtocol.h"
#include "wizard/PageViewport.h"
#include "wizard/WizardTabBar.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>

#include <stdexcept>

namespace {

TForm *formOwner(QObject *owner)
{
    auto *form = qobject_cast<TForm *>(owner);
    if (owner && !form)
        throw std::invalid_argument(QStringLiteral("a TAssistent must be owned by a form, not by a %1")
                                        .arg(QString::fromLatin1(owner->metaObject()->className()))
                                        .toStdString());
    return form;
}

} // namespace

TAssistent::TAssistent(QObject *owner)
    : ControlWidget<QWidget>(owner)
    , m_wayList(new TPageList(this))
    , m_history(new TIntegerList(this))
    , m_nav(*this, *m_wayList, *m_history)
    , m_buttons(this, [this] { LayoutButtons(); })
    , m_ownerForm(formOwner(owner))
    , m_pageAreas(
          this, [this](const QWidget *w) { return m_buttons.isButton(w); }, [this] { return NumPages(); })
{
    SetAlign(Tk::TAlign::alClient);
    // The wizard takes the focus only when it is clicked itself, on its tabs
    // or its background (mousePressEvent), never for a control inside it that
    // takes no focus (a speed button, a heading): the arrow keys then turn
    // the pages only when the visitor meant the wizard.
    setFocusable(false);
    QList<QWidget *> strip;
    for (int i = 0; i < ButtonStrip::ButtonCount; ++i)
        strip << button(i);
    m_viewport = new PageViewport(this, this, strip);

    connect(ChangeButton(), &TBitBtn::OnClick, this, &TAssistent::Change);
    connect(HelpButton(), &TBitBtn::OnClick, this, &TAssistent::Help);
    connect(CancelButton(), &TBitBtn::OnClick, this, &TAssistent::Cancel);
    connect(BackButton(), &TBitBtn::OnClick, this, &TAssistent::Back);
    connect(NextButton(), &TBitBtn::OnClick, this, &TAssistent::Next);
    connect(OKButton(), &TBitBtn::OnClick, this, &TAssistent::OK);

    if (m_ownerForm)
        m_formSize.startFrom(m_ownerForm);
    m_pageNames << QStringLiteral("Dialog");
    SetNumPages(2);
    SetButtonWidth(90);
    SetButtonHeight(OKButton()->Height());
    UpdateFormCaption();
}

TAssistent::~TAssistent() = default;

// ---- Properties -------------------------------------------------------------

void TAssistent::SetNumPages(int n)
{
    if (n > 0) {
        const int old = NumPages();
        for (int k = old + 1; k <= n; ++k)
            m_pageNames << QStringLiteral("Page %1").arg(k);
        if (n < old && m_pageNames.size() > n + 1)
            m_pageNames.erase(m_pageNames.begin() + n + 1, m_pageNames.end());
        if (m_tabBar)
            m_tabBar->forgetWidths(int(m_pageNames.size()));
        ElementProtocol::setNumApos(owner(), n + 1);
        m_nav.setNumPages(n);
        if (Page() != 0) {
            UpdateFormCaption();
            LayoutButtons();
        }
        if (m_nav.lastStep() < Page())
            SetPage(m_nav.lastStep());
    }
    tabsChanged();
}

void TAssistent::SetWayListEnabled(bool enabled)
{
    m_nav.setWayListEnabled(enabled);
    if (tabbed())
        updateTabRows();
    SetPage(Page());
    update();
}

void TAssistent::SetPageNames(const QStringList &names)
{
    m_pageNames = names;
    if (m_tabBar)
        m_tabBar->forgetWidths();
    tabsChanged();
}

void TAssistent::SetCaptionDialog(const QString &caption)
{
    m_caption.setDialogCaption(caption);
    if (Page() == 0 && m_ownerForm)
        m_ownerForm->SetCaption(caption);
}

void TAssistent::SetStyle(Wz::AssistentStyle style)
{
    if (style == Wz::AssistentStyle::asTabbed) {
        updateTabRows();
        // Page 0 has no tab.
        if (Page() == 0)
            SetPage(1);
    } else if (m_tabBar) {
        m_tabBar->drop();
    }
    m_style = style;
    // Leaving page 0 may have resized the form to the wizard pages' size.
    if (tabbed())
        updateTabRows();
    LayoutButtons();
    Realign();
    update();
}

void TAssistent::SetSeperator(bool seperator)
{
    if (seperator == m_seperator)
        return;
    m_seperator = seperator;
    update();
}

void TAssistent::SetButtonHeight(int height)
{
    m_buttons.setButtonHeight(height);
    LayoutButtons();
    Realign();
    update();
}

void TAssistent::SetTabSpaceX(int space)
{
    m_tabSpaceX = space;
    tabsChanged();
}

void TAssistent::SetTabSpaceY(int space)
{
    m_tabSpaceY = space;
    tabsChanged();
}

// ---- The page change --------------------------------------------------------

bool TAssistent::changePage(int v)
{
    m_lastChangeAccepted = true;
    int newPage = v;
    if (isSignalConnected(QMetaMethod::fromSignal(&TAssistent::OnCanPageChange)))
        fire([&] { m_lastChangeAccepted = emit OnCanPageChange(this, Page(), newPage); });
    if (!m_lastChangeAccepted)
        return false;

    int target = newPage;
    if (WayListEnabled() && newPage > 0) {
        target = PhysicalPage(newPage);
        if (target < 0 && newPage - 1 >= m_wayList->Count()) {
            m_lastChangeAccepted = false;
            Application::reportError(QStringLiteral("Step %1 is not in the wizard's way list, which holds %2 steps.")
                                         .arg(newPage)
                                         .arg(m_wayList->Count()));
            return false;
        }
    }
    if (target == -1) {
        if (m_ownerForm)
            m_ownerForm->SetModalResult(Dialogs::mrOk);
        return true;
    }
    if (target < 0 || target > NumPages()) {
        m_lastChangeAccepted = false;
        Application::reportError(
            QStringLiteral("Page %1 does not exist; the wizard has pages 0 to %2.").arg(target).arg(NumPages()));
        return false;
    }

    // The texts the page puts into its controls are read when the focus
    // moves in.
    const QuietText quiet;
    // The new page opens at its top-left corner; the focus, moving while the
    // elements place themselves and after, may scroll it on.
    if (!isLoading())
        m_viewport->scrollHome();
    const int oldPage = Page();
    m_nav.setPage(newPage);
    UpdateFormCaption();
    if (owner()) {
        if (Align() == Tk::TAlign::alClient)
            m_formSize.follow(m_ownerForm, oldPage, target);
        ElementProtocol::setNewPosition(owner(), target);
    }

    // The descriptor changes below would each lay the strip out again.
    m_layoutEnabled = false;
    updateBackEnabled();
    if (const std::optional<bool> next = m_nav.nextEnabled(newPage))
        BtnNext()->SetEnabled(*next);
    m_layoutEnabled = true;
    LayoutButtons();
    if (tabbed())
        update();

    // The page area is named after the page, so that assistive technology
    // says where the visitor is; an OnPageChange handler may give it a
    // better title before it is announced.
    if (!isLoading())
        setAccessibleName(target < m_pageNames.size() ? m_pageNames.at(target) : QString());
    if (Page() != oldPage || Page() == 0) {
        const int page = Page();
        fire([&] { emit OnPageChange(this, page); });
    }
    if (!isLoading())
        announcePage(target);

    if (!isLoading() && m_style == Wz::AssistentStyle::asWizard) {
        Control *first = firstFocusable(this, true);
        if (!first)
            first = firstFocusable(this, false);
        m_pageAreas.focus(first);
    }
    return m_lastChangeAccepted;
}

void TAssistent::announcePage(int page)
{
    m_pageAreas.describe(page);
    AccessibleNames::announce(this, QAccessible::NameChanged);
    AccessibleNames::announce(this, QAccessible::PageChanged);
}

// ---- Buttons and keys -------------------------------------------------------

void TAssistent::Cancel()
{
    const int page = Page();
    bool ok = true;
    QPointer<TForm> form(m_ownerForm);
    if (isSignalConnected(QMetaMethod::fromSignal(&TAssistent::OnCancelClick)))
        fire([&] { ok = emit OnCancelClick(this, page); });
    if (ok && form)
        form->SetModalResult(Dialogs::mrCancel);
}

void TAssistent::LayoutButtons()
{
    // A definition being read sets the page, the style and the sizes one by
    // one; the strip is laid out once, for all of them, when it is loaded.
    if (isLoading())
        return;
    if (m_style != Wz::AssistentStyle::asWizard)
        m_buttons.hideAll();
    else if (m_layoutEnabled)
        m_buttons.layout(Page() == 0, Page() != 0 && isLastStep(Page()), m_viewport->visibleRect());
}

bool TAssistent::event(QEvent *e)
{
    // The wizard's own buttons go before a screen's button with the same
    // mnemonic ("&Next" beside a screen's "&New"): the key is taken here
    // instead of reaching the window's shortcuts, where the two would only
    // pass the focus between them.
    if (e->type() == QEvent::ShortcutOverride && m_buttons.buttonForMnemonic(static_cast<QKeyEvent *>(e))) {
        e->accept();
        return true;
    }
    // The selected tab shows a focus rectangle while the wizard has the focus.
    if ((e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut) && tabbed())
        update();
    const bool done = ControlWidget<QWidget>::event(e);
    // With the focus on the wizard itself (clicked, or in the tabbed style), a
    // mnemonic comes back unused once the wizard raised its key event.
    if (e->type() == QEvent::KeyPress && !e->isAccepted()) {
        if (TBitBtn *b = m_buttons.buttonForMnemonic(static_cast<QKeyEvent *>(e))) {
            e->accept();
            b->click();
            return true;
        }
    }
    return done;
}

void TAssistent::keyPressEvent(QKeyEvent *event)
{
    if (TBitBtn *b = m_buttons.buttonForMnemonic(event)) {
        event->accept();
        b->click();
        return;
    }
    // The arrow keys turn the pages only while the wizard itself has the
    // focus. A key that a control inside it left unused (a list or a grid at
    // its first column) also arrives here, and must not turn the page away
    // from under that control.
    const QWidget *focus = QApplication::focusWidget();
    const int vk = Keys::virtualKey(event->key());
    const int delta = vk == Keys::VK_LEFT ? -1 : vk == Keys::VK_RIGHT ? 1 : 0;
    if ((!focus || focus == this || !isAncestorOf(focus)) && delta && m_nav.stepBy(delta)) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

// ---- Geometry, painting, streaming ------------------------------------------

QRect TAssistent::clientRect() const
{
    switch (m_style) {
    case Wz::AssistentStyle::asWizard:
        return {0, 0, width(), std::max(0, height() - CancelButton()->Height() - 10)};
    case Wz::AssistentStyle::asNone:
        return rect();
    case Wz::AssistentStyle::asTabbed:
        break;
    }
    const int top = TabAreaHeight() + 1;
    return {1, top, std::max(0, width() - 3), std::max(0, height() - 2 - top)};
}

void TAssistent::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Colors::toQColor(m_ownerForm ? m_ownerForm->Color() : Color()));
    const int w = width();
    const int h = height();
    if (m_style == Wz::AssistentStyle::asWizard && m_seperator) {
        const int y = h - CancelButton()->Height() - 9;
        Bevels::separator(p, 0, w - 1, y, Colors::toQColor(Tk::TColor::clBtnShadow),
                          Colors::toQColor(Tk::TColor::clBtnHighlight));
    } else if (tabbed() && m_tabBar) {
        // The strip paints itself above the frame.
        m_tabBar->paintFrame(p, size());
    }
}

void TAssistent::tabsChanged()
{
    if (tabbed()) {
        updateTabRows();
        update();
    }
}

void TAssistent::updateTabRows()
{
    if (!m_tabBar)
        m_tabBar = new WizardTabBar(this, *this);
    m_tabBar->computeRows();
    // The strip's height follows the rows and the row height (TabSpaceY, the
    // font); the page area below it is laid out again for either.
    Realign();
}

void TAssistent::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && isEnabled())
        setFocus(Qt::MouseFocusReason);
    if (tabbed() && m_tabBar && event->button() == Qt::LeftButton) {
        const int page = m_tabBar->stepAt(event->position().toPoint());
        if (page >= 1) {
            SetPage(page);
            event->accept();
            return;
        }
    }
    QWidget::mousePressEvent(event);
}

void TAssistent::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // Text widths and the row height follow the font.
    if (event->type() == QEvent::FontChange)
        tabsChanged();
}

void TAssistent::boundsChanged()
{
    Control::boundsChanged();
    LayoutButtons();
    if (tabbed())
        updateTabRows();
}

void TAssistent::SetBounds(int left, int top, int width, int height)
{
    QRect r(left, top, width, height);
    if (m_viewport)
        r = m_viewport->place(r, m_style == Wz::AssistentStyle::asWizard && Align() == Tk::TAlign::alClient,
                              CancelButton()->Height() + 10);
    ControlWidget<QWidget>::SetBounds(r.x(), r.y(), r.width(), r.height());
}

void TAssistent::loaded()
{
    Control::loaded();
    // The pages were laid out for the size the definition gives.
    m_viewport->setPageSize(size());
    m_pageAreas.make();
    LayoutButtons();
    if (m_setFormProperties && m_ownerForm) {
        m_ownerForm->SetPosition(Tk::TPosition::poScreenCenter);
        m_ownerForm->SetBorderStyle(Tk::TFormBorderStyle::bsDialog);
        m_ownerForm->SetScaled(false);
    }
}

void TAssistent::defineProperties(Filer &filer)
{
    Control::defineProperties(filer);
    m_history->defineAs(filer, "HistoryNumPages", "HistoryData");
    filer.defineBinary(
        "FormSize",
        [this](const QByteArray &bytes) {
            m_formSize.read(bytes);
            updateBackEnabled();
        },
        [this] { return m_formSize.write(); }, true);
}
