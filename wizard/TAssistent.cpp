#include "wizard/TAssistent.h"

#include "toolkit/AccessibleGroup.h"
#include "toolkit/AccessibleNames.h"
#include "toolkit/Application.h"
#include "toolkit/Colors.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Filer.h"
#include "toolkit/Keys.h"
#include "toolkit/TForm.h"
#include "wizard/CaptionFormat.h"
#include "wizard/ElementProtocol.h"
#include "wizard/PageViewport.h"
#include "wizard/TButtonData.h"
#include "wizard/TDesignButton.h"
#include "wizard/TIntegerList.h"
#include "wizard/TPageList.h"
#include "wizard/TabStrip.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>

#include <stdexcept>

namespace {

constexpr const char *ButtonNames[ButtonStrip::ButtonCount] = {"ChangeButton", "HelpButton", "BackButton",
                                                               "NextButton",   "CancelButton", "OKButton"};

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
    , m_blWizard(new TIntegerList(this))
    , m_blDialog(new TIntegerList(this))
    , m_history(new TIntegerList(this))
    , m_ownerForm(formOwner(owner))
{
    m_glyphOf.fill(-1);
    SetAlign(Tk::TAlign::alClient);
    SetTabStop(false);
    // The wizard takes the focus only when it is clicked itself, on its tabs
    // or its background (mousePressEvent), never for a control inside it that
    // takes no focus (a speed button, a heading): the arrow keys then turn
    // the pages only when the visitor meant the wizard.
    setFocusable(false);

    m_blWizard->setValues({1, 2, 8, 3, 4, 5, 6});
    m_blDialog->setValues({1, 2, 8, 3, 6});
    for (auto &d : m_descriptors) {
        d = new TButtonData(this);
        connect(d, &TButtonData::changed, this, &TAssistent::descriptorChanged);
    }
    for (int i = 0; i < ButtonStrip::ButtonCount; ++i) {
        TBitBtn *b = i < ButtonStrip::CancelButton ? new TDesignButton(this) : new TBitBtn(this);
        b->setObjectName(QString::fromLatin1(ButtonNames[i]));
        b->SetParent(this);
        m_buttons[size_t(i)] = b;
    }
    m_viewport = new PageViewport(this, this, QList<QWidget *>(m_buttons.begin(), m_buttons.end()));
    // The page area that assistive technology sees, named by the page's title.
    m_pageArea = new AccessibleGroup(this);
    connect(ChangeButton(), &TBitBtn::OnClick, this, &TAssistent::Change);
    connect(HelpButton(), &TBitBtn::OnClick, this, &TAssistent::Help);
    connect(CancelButton(), &TBitBtn::OnClick, this, &TAssistent::Cancel);
    connect(BackButton(), &TBitBtn::OnClick, this, &TAssistent::Back);
    connect(NextButton(), &TBitBtn::OnClick, this, &TAssistent::Next);
    connect(OKButton(), &TBitBtn::OnClick, this, &TAssistent::OK);
    CancelButton()->SetCancel(true);

    if (m_ownerForm) {
        m_wizardFormWidth = m_dialogFormWidth = m_ownerForm->Width();
        m_wizardFormHeight = m_dialogFormHeight = m_ownerForm->Height();
    }
    m_pageNames << QStringLiteral("Dialog");
    SetNumPages(2);
    SetButtonWidth(90);
    SetButtonHeight(OKButton()->Height());
    UpdateFormCaption();
}

TAssistent::~TAssistent()
{
    // The descriptors go with the QObject children; nothing may lay out then.
    for (TButtonData *d : m_descriptors)
        disconnect(d, nullptr, this, nullptr);
}

// ---- Properties -------------------------------------------------------------

void TAssistent::SetNumPages(int n)
{
    if (n > 0) {
        const int old = m_numPages;
        for (int k = old + 1; k <= n; ++k)
            m_pageNames << QStringLiteral("Page %1").arg(k);
        if (n < old && m_pageNames.size() > n + 1)
            m_pageNames.erase(m_pageNames.begin() + n + 1, m_pageNames.end());
        if (m_tabWidths.size() > m_pageNames.size())
            m_tabWidths.resize(m_pageNames.size());
        ElementProtocol::setNumApos(owner(), n + 1);
        m_numPages = n;
        if (m_page != 0) {
            UpdateFormCaption();
            LayoutButtons();
        }
        // The last step of a way list stays reachable: steps run 1 .. count.
        if (m_wayListEnabled) {
            if (m_wayList->Count() < m_page)
                SetPage(m_wayList->Count());
        } else if (m_numPages < m_page) {
            SetPage(m_numPages);
        }
    }
    if (m_style == Wz::AssistentStyle::asTabbed) {
        updateTabRows();
        update();
    }
}

void TAssistent::SetPage(int page)
{
    changePage(page);
}

void TAssistent::SetStartPage(int page)
{
    m_startPage = page;
    if (m_history->Count() == 0 || !m_useHistory)
        m_rememberedPage = page;
}

void TAssistent::SetWayListEnabled(bool enabled)
{
    m_wayListEnabled = enabled;
    if (m_style == Wz::AssistentStyle::asTabbed)
        updateTabRows();
    SetPage(m_page);
    update();
}

void TAssistent::SetPageNames(const QStringList &names)
{
    m_pageNames = names;
    m_tabWidths.clear();
    if (m_style == Wz::AssistentStyle::asTabbed) {
        updateTabRows();
        update();
    }
}

void TAssistent::SetShowPageNames(bool show)
{
    m_showPageNames = show;
    UpdateFormCaption();
}

void TAssistent::SetCaptionWizard(const QString &caption)
{
    m_captionWizard = caption;
    UpdateFormCaption();
}

void TAssistent::SetCaptionDialog(const QString &caption)
{
    m_captionDialog = caption;
    if (m_page == 0 && m_ownerForm)
        m_ownerForm->SetCaption(caption);
}

void TAssistent::SetStyle(Wz::AssistentStyle style)
{
    if (style == Wz::AssistentStyle::asTabbed) {
        updateTabRows();
        // Page 0 has no tab.
        if (m_page == 0)
            SetPage(1);
    } else {
        delete m_tabRows;
        m_tabRows = nullptr;
    }
    m_style = style;
    // Leaving page 0 may have resized the form to the wizard pages' size.
    if (style == Wz::AssistentStyle::asTabbed)
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

void TAssistent::SetButtonWidth(int width)
{
    m_buttonWidth = width;
    for (TBitBtn *b : m_buttons)
        b->SetWidth(width);
    LayoutButtons();
}

void TAssistent::SetButtonHeight(int height)
{
    m_buttonHeight = height;
    for (TBitBtn *b : m_buttons)
        b->SetHeight(height);
    LayoutButtons();
    Realign();
    update();
}

void TAssistent::SetButtonStyle(Tk::TButtonStyle style)
{
    m_buttonStyle = style;
    for (TBitBtn *b : m_buttons)
        b->SetStyle(style);
    LayoutButtons();
}

void TAssistent::SetShowGlyph(bool show)
{
    m_showGlyph = show;
    LayoutButtons();
}

void TAssistent::SetTabSpaceX(int space)
{
    m_tabSpaceX = space;
    if (m_style == Wz::AssistentStyle::asTabbed) {
        updateTabRows();
        update();
    }
}

void TAssistent::SetTabSpaceY(int space)
{
    m_tabSpaceY = space;
    if (m_style == Wz::AssistentStyle::asTabbed) {
        updateTabRows();
        update();
    }
}

// ---- The page change --------------------------------------------------------

void TAssistent::changePage(int v)
{
    m_lastChangeAccepted = true;
    int newPage = v;
    if (isSignalConnected(QMetaMethod::fromSignal(&TAssistent::OnCanPageChange)))
        fire([&] { m_lastChangeAccepted = emit OnCanPageChange(this, m_page, newPage); });
    if (!m_lastChangeAccepted)
        return;

    int target = newPage;
    if (m_wayListEnabled && newPage > 0) {
        target = PhysicalPage(newPage);
        if (target < 0 && newPage - 1 >= m_wayList->Count()) {
            m_lastChangeAccepted = false;
            reportError(QStringLiteral("Step %1 is not in the wizard's way list, which holds %2 steps.")
                            .arg(newPage)
                            .arg(m_wayList->Count()));
            return;
        }
    }
    if (target == -1) {
        if (m_ownerForm)
            m_ownerForm->SetModalResult(Dialogs::mrOk);
        return;
    }
    if (target < 0 || target > m_numPages) {
        m_lastChangeAccepted = false;
        reportError(QStringLiteral("Page %1 does not exist; the wizard has pages 0 to %2.").arg(target).arg(m_numPages));
        return;
    }

    const int oldPage = m_page;
    m_page = newPage;
    UpdateFormCaption();
    if (owner()) {
        if (target != 0 && oldPage == 0)
            ResizeOwnerForm(m_wizardFormWidth, m_wizardFormHeight);
        else if (target == 0 && oldPage != 0)
            ResizeOwnerForm(m_dialogFormWidth, m_dialogFormHeight);
        ElementProtocol::setNewPosition(owner(), target);
    }

    // The descriptor changes below would each lay the strip out again.
    m_layoutEnabled = false;
    updateBackEnabled();
    if (!m_wayListEnabled)
        BtnNext()->SetEnabled(target != m_numPages);
    else if (newPage > 0)
        BtnNext()->SetEnabled(!isLastStep(newPage));
    m_layoutEnabled = true;
    LayoutButtons();
    if (m_style == Wz::AssistentStyle::asTabbed)
        update();

    // The page area is named after the page, so that assistive technology
    // says where the visitor is; an OnPageChange handler may give it a
    // better title before it is announced.
    if (!isLoading())
        setAccessibleName(target < m_pageNames.size() ? m_pageNames.at(target) : QString());
    if (m_page != oldPage || m_page == 0) {
        const int page = m_page;
        fire([&] { emit OnPageChange(this, page); });
    }
    if (!isLoading())
        announcePage();

    if (!isLoading() && m_style == Wz::AssistentStyle::asWizard) {
        Control *first = firstFocusable(this, true);
        if (!first)
            first = firstFocusable(this, false);
        if (first)
            focusPage(first);
    }
}

void TAssistent::focusPage(Control *first)
{
    // A screen reader reads these events some time after the page is built,
    // when the first control has the focus already; text put into that
    // control meanwhile makes it take the control for the focus before the
    // focus event comes, and then it hears no move into the page and speaks
    // no title. The focus is therefore said to be on the wizard, outside the
    // page area, before it moves in, and said again where Qt says nothing
    // because the control had the focus before.
    const bool told = QAccessible::isActive() && window()->isActiveWindow();
    if (told)
        AccessibleNames::announce(this, QAccessible::Focus);
    const QWidget *before = QApplication::focusWidget();
    first->SetFocus();
    if (QWidget *now = QApplication::focusWidget(); told && now && now == before)
        AccessibleNames::announce(now, QAccessible::Focus);
}

void TAssistent::updateBackEnabled()
{
    BtnBack()->SetEnabled((m_useHistory && m_history->Count() > 0) || (!m_useHistory && m_page > 1));
}

int TAssistent::PhysicalPage(int step) const
{
    if (!m_wayListEnabled || step <= 0)
        return step;
    if (step - 1 < m_wayList->Count())
        return m_wayList->ShowPage(step - 1);
    return -1;
}

bool TAssistent::isLastStep(int step) const
{
    if (!m_wayListEnabled)
        return step == m_numPages;
    return step >= 1 && step - 1 < m_wayList->Count() && m_wayList->NextStep(step - 1) == -2;
}

QRect TAssistent::resizedAroundCentre(const QRect &current, int w, int h)
{
    const int left = current.left() + current.width() / 2 - w / 2;
    const int top = current.top() + current.height() / 2 - h / 2;
    return {left, top, w, h};
}

void TAssistent::ResizeOwnerForm(int w, int h)
{
    if (Align() != Tk::TAlign::alClient || !m_ownerForm)
        return;
    // A maximised window keeps filling the screen.
    if (m_ownerForm->WindowState() == Tk::TWindowState::wsMaximized)
        return;
    const QRect r = resizedAroundCentre(m_ownerForm->BoundsRect(), w, h);
    m_ownerForm->SetBounds(r.left(), r.top(), r.width(), r.height());
}

// ---- Navigation -------------------------------------------------------------

void TAssistent::Next()
{
    const int p = m_page;
    int a = p + 1;
    if (m_wayListEnabled) {
        // A step outside the list goes on to the next step, as -1 does.
        const int nextStep = p >= 1 && p - 1 < m_wayList->Count() ? m_wayList->NextStep(p - 1) : -1;
        if (nextStep == -3) {
            a = NextTarget();
        } else if (nextStep == -2) {
            a = -1;
        } else if (nextStep == -1) {
            fire([&] { emit OnAskPageChange(this, p, a); });
        } else {
            a = nextStep;
        }
    } else {
        a = p < m_numPages ? NextTarget() : -1;
    }
    const bool recorded = a != p && a != -1 && m_useHistory;
    if (recorded)
        m_history->Add(p);
    SetPage(a);
    if (!m_lastChangeAccepted && recorded)
        m_history->Delete(m_history->Count() - 1);
}

void TAssistent::Back()
{
    if (m_useHistory) {
        if (m_history->Count() == 0)
            return;
        const int p = m_history->Get(m_history->Count() - 1);
        m_history->Delete(m_history->Count() - 1);
        SetPage(p);
        if (!m_lastChangeAccepted || m_page != p)
            m_history->Add(p);
    } else if (m_page > 1) {
        SetPage(m_page - 1);
    }
}

void TAssistent::Change()
{
    if (m_page > 0) {
        m_rememberedPage = m_page;
        SetPage(0);
    } else if (m_rememberPage) {
        SetPage(m_rememberedPage);
    } else {
        m_history->Clear();
        SetPage(m_startPage);
    }
}

void TAssistent::Help()
{
    const int page = m_page;
    fire([&] { emit OnHelpClick(this, page); });
}

void TAssistent::Cancel()
{
    const int page = m_page;
    bool ok = true;
    QPointer<TForm> form(m_ownerForm);
    if (isSignalConnected(QMetaMethod::fromSignal(&TAssistent::OnCancelClick)))
        fire([&] { ok = emit OnCancelClick(this, page); });
    if (ok && form)
        form->SetModalResult(Dialogs::mrCancel);
}

void TAssistent::OK()
{
    SetPage(-1);
}

void TAssistent::JumpTo(int page)
{
    if (m_useHistory)
        m_history->Add(m_page);
    SetPage(page);
}

int TAssistent::NextTarget()
{
    return ElementProtocol::nextTargetOf(owner(), m_page).value_or(m_page + 1);
}

template<typename F>
void TAssistent::guarded(F &&step)
{
    try {
        step();
    } catch (const std::exception &e) {
        Application::handleException(QString::fromUtf8(e.what()));
    }
}

TBitBtn *TAssistent::buttonForMnemonic(const QKeyEvent *event) const
{
    if (!Keys::isMnemonic(event->modifiers(), event->key()))
        return nullptr;
    const QKeySequence pressed(QKeyCombination(Qt::AltModifier, Qt::Key(event->key())));
    for (TBitBtn *b : m_buttons) {
        if (b->isVisible() && b->isEnabled() && b->Left() != ButtonStrip::HiddenLeft
            && QKeySequence::mnemonic(b->text()) == pressed)
            return b;
    }
    return nullptr;
}

bool TAssistent::event(QEvent *e)
{
    // The wizard's own buttons go before a screen's button with the same
    // mnemonic ("&Next" beside a screen's "&New"): the key is taken here
    // instead of reaching the window's shortcuts, where the two would only
    // pass the focus between them.
    if (e->type() == QEvent::ShortcutOverride && buttonForMnemonic(static_cast<QKeyEvent *>(e))) {
        e->accept();
        return true;
    }
    return ControlWidget<QWidget>::event(e);
}

void TAssistent::keyPressEvent(QKeyEvent *event)
{
    if (TBitBtn *b = buttonForMnemonic(event)) {
        event->accept();
        b->click();
        return;
    }
    // The arrow keys turn the pages only while the wizard itself has the
    // focus. A key that a control inside it left unused (a list or a grid at
    // its first column) also arrives here, and must not turn the page away
    // from under that control.
    const QWidget *focus = QApplication::focusWidget();
    if (focus && focus != this && isAncestorOf(focus)) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int vk = Keys::virtualKey(event->key());
    if (vk == Keys::VK_LEFT && m_page > 1) {
        guarded([&] { SetPage(m_page - 1); });
        event->accept();
        return;
    }
    if (vk == Keys::VK_RIGHT && m_page < m_numPages) {
        guarded([&] { SetPage(m_page + 1); });
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TAssistent::announcePage()
{
    m_pageArea->announce();
    AccessibleNames::announce(this, QAccessible::NameChanged);
    AccessibleNames::announce(this, QAccessible::PageChanged);
}

// ---- Caption ----------------------------------------------------------------

void TAssistent::UpdateFormCaption()
{
    if (!m_setFormCaption || !m_ownerForm)
        return;
    const QString caption = wantedCaption();
    if (m_ownerForm->Caption() != caption)
        m_ownerForm->SetCaption(caption);
}

QString TAssistent::wantedCaption()
{
    const int physical = PhysicalPage(m_page);
    if (m_showPageNames)
        return physical >= 0 && physical < m_pageNames.size() ? m_pageNames.at(physical) : QString();
    if (physical == 0)
        return m_captionDialog;
    QString error;
    if (auto caption = CaptionFormat::format(m_captionWizard, {m_page, m_numPages}, &error))
        return *caption;
    if (m_reportedCaption != m_captionWizard) {
        m_reportedCaption = m_captionWizard;
        reportError(QStringLiteral("The wizard caption \"%1\" is not a valid format for two integers: %2.")
                        .arg(m_captionWizard, error));
    }
    return m_captionWizard;
}

void TAssistent::reportError(const QString &message)
{
    Application::reportError(message);
}

// ---- Buttons ----------------------------------------------------------------

void TAssistent::descriptorChanged(bool glyph)
{
    if (glyph)
        m_glyphOf.fill(-1);
    LayoutButtons();
}

void TAssistent::LayoutButtons()
{
    if (m_style != Wz::AssistentStyle::asWizard) {
        for (int i = 0; i < ButtonStrip::ButtonCount; ++i)
            hideButton(i);
        return;
    }
    if (m_layoutEnabled)
        layoutPage(m_page == 0);
}

void TAssistent::hideButton(int which)
{
    TBitBtn *b = button(which);
    if (b->Enabled())
        b->SetEnabled(false);
    if (b->Left() != ButtonStrip::HiddenLeft)
        b->SetLeft(ButtonStrip::HiddenLeft);
}

void TAssistent::layoutPage(bool dialogPage)
{
    if (dialogPage) {
        hideButton(ButtonStrip::NextButton);
        hideButton(ButtonStrip::BackButton);
    }
    const TIntegerList *list = dialogPage ? m_blDialog : m_blWizard;
    ButtonStrip::Input in;
    in.codes = list->values();
    in.dialogPage = dialogPage;
    in.lastStep = !dialogPage && isLastStep(m_page);
    for (int i = 0; i < ButtonStrip::DescriptorCount; ++i)
        in.shown[size_t(i)] = descriptor(i)->Show();
    // The strip stays inside the window when the page scrolls under it.
    const QRect strip = m_viewport->visibleRect();
    in.width = strip.width();
    in.buttonWidth = m_buttonWidth;

    auto &reported = m_reportedLists[dialogPage ? 1 : 0];
    const auto plan = ButtonStrip::plan(in);
    if (!plan) {
        if (reported != in.codes) {
            reported = in.codes;
            QStringList codes;
            for (int c : in.codes)
                codes << QString::number(c);
            reportError(QStringLiteral("The button layout list %1 (%2) needs the code 8 between its first and last "
                                       "entry; its buttons are not laid out.")
                            .arg(QLatin1String(dialogPage ? "BLDialog" : "BLWizard"), codes.join(QStringLiteral(", "))));
        }
        return;
    }
    reported.reset();

    const int top = strip.y() + strip.height() - ChangeButton()->Height() - 3;
    // The buttons' siblings in tab order, read again only after a button moved.
    QList<Control *> tabOrder = tabOrderList(this);
    int tab = ButtonStrip::LeftTabStart;
    for (const ButtonStrip::Slot &slot : plan->left) {
        if (slot.button >= 0)
            placeButton(slot.button, slot.descriptor, top, strip.x() + slot.left, tab, tabOrder);
        ++tab;
    }
    tab = ButtonStrip::RightTabStart;
    for (const ButtonStrip::Slot &slot : plan->right) {
        if (slot.button >= 0)
            placeButton(slot.button, slot.descriptor, top, strip.x() + slot.left, tab, tabOrder);
        --tab;
    }
    for (int which : {int(ButtonStrip::NextButton), int(ButtonStrip::OKButton)}) {
        const bool wanted = plan->defaultButton == which;
        if (button(which)->Default() != wanted)
            button(which)->SetDefault(wanted);
    }
}

void TAssistent::placeButton(int which, int descriptorIndex, int top, int left, int &tabCounter,
                             QList<Control *> &tabOrder)
{
    TBitBtn *b = button(which);
    const TButtonData *d = descriptor(descriptorIndex);
    if (b->Top() != top)
        b->SetTop(top);
    const int wantedLeft = d->Show() ? left : ButtonStrip::HiddenLeft;
    if (b->Left() != wantedLeft)
        b->SetLeft(wantedLeft);
    if (b->Caption() != d->Text())
        b->SetCaption(d->Text());
    const bool enabled = d->Enabled() && d->Show();
    if (b->Enabled() != enabled)
        b->SetEnabled(enabled);
    if (b->Layout() != d->Layout())
        b->SetLayout(d->Layout());
    if (m_showGlyph) {
        if (m_glyphOf[size_t(which)] != descriptorIndex) {
            b->SetGlyph(d->Glyph());
            m_glyphOf[size_t(which)] = descriptorIndex;
        }
        if (b->NumGlyphs() != d->NumGlyphs())
            b->SetNumGlyphs(d->NumGlyphs());
    } else {
        if (b->HasGlyph())
            b->SetGlyph(QImage());
        m_glyphOf[size_t(which)] = -1;
    }
    // A position past the end means last; only a real move is written.
    const int last = int(tabOrder.size()) - 1;
    if (int(tabOrder.indexOf(b)) != std::clamp(tabCounter, 0, std::max(0, last))) {
        b->SetTabOrder(tabCounter);
        tabOrder = tabOrderList(this);
    }
    tabCounter = int(tabOrder.indexOf(b));
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
    if (m_style == Wz::AssistentStyle::asWizard && m_seperator) {
        const int y = height() - CancelButton()->Height() - 9;
        p.setPen(Colors::toQColor(Tk::TColor::clBtnShadow));
        p.drawLine(0, y, width() - 1, y);
        p.setPen(Colors::toQColor(Tk::TColor::clBtnHighlight));
        p.drawLine(0, y + 1, width() - 1, y + 1);
    } else if (m_style == Wz::AssistentStyle::asTabbed) {
        paintTabbed(p);
    }
}

// ---- Tabbed style -----------------------------------------------------------

namespace {

const QColor Silver(0xC0, 0xC0, 0xC0);
const QColor Grey(0x80, 0x80, 0x80);

// A line through `points` that leaves out its very last pixel, as a pen
// moved from point to point draws it.
void lineThrough(QPainter &p, const QColor &color, std::initializer_list<QPoint> points)
{
    p.setPen(QPen(color, 1));
    const QPoint *a = points.begin();
    for (const QPoint *b = a + 1; b != points.end(); a = b, ++b) {
        QPoint end = *b;
        if (b + 1 == points.end()) {
            const QPoint d = *b - *a;
            if (d.isNull())
                return;
            end -= QPoint(d.x() > 0 ? 1 : d.x() < 0 ? -1 : 0, d.y() > 0 ? 1 : d.y() < 0 ? -1 : 0);
        }
        p.drawLine(*a, end);
    }
}

} // namespace

int TAssistent::tabRowHeight() const
{
    return fontMetrics().height() + m_tabSpaceY;
}

int TAssistent::TabAreaHeight() const
{
    if (m_style != Wz::AssistentStyle::asTabbed || !m_tabRows)
        return 0;
    return tabRowHeight() * m_tabRows->Count() + 2;
}

int TAssistent::tabWidth(int page) const
{
    return page >= 0 && page < m_tabWidths.size() ? m_tabWidths[page] : 0;
}

QList<int> TAssistent::stepTextWidths() const
{
    const QFontMetrics fm = fontMetrics();
    QList<int> widths;
    for (int step = 1; step <= m_numPages; ++step) {
        const int page = PhysicalPage(step);
        widths << (page >= 0 && page < m_pageNames.size() ? fm.horizontalAdvance(m_pageNames[page]) : 0);
    }
    return widths;
}

void TAssistent::updateTabRows()
{
    if (!m_tabRows)
        m_tabRows = new TIntegerList(this);
    if (m_numPages <= 0)
        return;
    m_tabRows->setValues(TabStrip::compute(stepTextWidths(), width() - 4, m_tabSpaceX));
    // The strip's height follows the rows and the row height (TabSpaceY, the
    // font); the page area below it is laid out again for either.
    Realign();
}

void TAssistent::paintTabbed(QPainter &p)
{
    const int area = TabAreaHeight();
    const int w = width();
    const int h = height();
    // The bevelled frame of the page area.
    lineThrough(p, Qt::white, {{0, area}, {0, h - 2}});
    lineThrough(p, Grey, {{1, h - 2}, {w - 2, h - 2}, {w - 2, area}});
    lineThrough(p, Qt::black, {{0, h - 1}, {w - 1, h - 1}, {w - 1, area}});

    TabStrip::StripInput in;
    in.rows = m_tabRows ? m_tabRows->values() : QList<int>();
    in.textWidths = stepTextWidths();
    in.currentPage = m_page;
    in.width = w;
    in.rowHeight = tabRowHeight();
    in.spaceX = m_tabSpaceX;
    in.areaHeight = area;
    for (const TabStrip::Paint &item : TabStrip::layoutStrip(in)) {
        if (item.kind == TabStrip::Paint::Fill)
            p.fillRect(item.rect, Silver);
        else
            paintTab(p, item.page, item.x, item.y, item.pad, item.kind == TabStrip::Paint::SelectedTab);
    }
}

void TAssistent::paintTab(QPainter &p, int page, int x, int y, int pad, bool selected)
{
    const int physical = PhysicalPage(page);
    const QString name = physical >= 0 && physical < m_pageNames.size() ? m_pageNames[physical] : QString();
    const QFontMetrics fm = p.fontMetrics();
    const int textWidth = fm.horizontalAdvance(name);
    const int w = textWidth + pad;
    const int h = tabRowHeight();
    if (!selected) {
        p.fillRect(TabStrip::span(x, y, x + w - 1, y + h - 1), Silver);
        lineThrough(p, Qt::white, {{x, y + h - 1}, {x, y + 2}, {x + 2, y}, {x + w - 2, y}});
        lineThrough(p, Qt::black, {{x + w - 2, y + 1}, {x + w - 1, y + 2}, {x + w - 1, y + h}});
        lineThrough(p, Grey, {{x + w - 2, y + 2}, {x + w - 2, y + h}});
    } else {
        // Two pixels larger and open towards the page area.
        p.fillRect(TabStrip::span(x - 2, y - 2, x + w + 1, y + h + 1), Silver);
        lineThrough(p, Qt::white, {{0, y + h}, {x - 2, y + h}, {x - 2, y}, {x, y - 2}, {x + w - 1, y - 2}});
        lineThrough(p, Qt::white, {{x + w, y + h}, {width() - 2, y + h}});
        lineThrough(p, Qt::black, {{x + w, y - 1}, {x + w + 1, y}, {x + w + 1, y + h + 1}});
        lineThrough(p, Grey, {{x + w, y}, {x + w, y + h + 1}});
    }
    const int textX = x + pad / 2;
    const int textY = y + m_tabSpaceY / 2;
    p.setPen(Qt::black);
    p.drawText(textX, textY + fm.ascent(), name);
    if (selected && hasFocus()) {
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        const QRect r = TabStrip::span(textX - 2, textY - 2, textX + textWidth + 2, fm.height() + textY + 2);
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
    if (physical >= 0) {
        if (m_tabWidths.size() <= physical)
            m_tabWidths.resize(physical + 1);
        m_tabWidths[physical] = w;
    }
}

void TAssistent::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && isEnabled())
        setFocus(Qt::MouseFocusReason);
    if (m_style == Wz::AssistentStyle::asTabbed && m_tabRows && event->button() == Qt::LeftButton) {
        QList<int> stored;
        for (int step = 1; step <= m_numPages; ++step)
            stored << tabWidth(PhysicalPage(step));
        const QPoint at = event->position().toPoint();
        const int page = TabStrip::hitTest(m_tabRows->values(), stored, m_page, tabRowHeight(), at.x(), at.y());
        if (page >= 1) {
            guarded([&] { SetPage(page); });
            event->accept();
            return;
        }
    }
    QWidget::mousePressEvent(event);
}

void TAssistent::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    if (m_style == Wz::AssistentStyle::asTabbed)
        update();
}

void TAssistent::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    if (m_style == Wz::AssistentStyle::asTabbed)
        update();
}

void TAssistent::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // Text widths and the row height follow the font.
    if (event->type() == QEvent::FontChange && m_style == Wz::AssistentStyle::asTabbed) {
        updateTabRows();
        update();
    }
}

void TAssistent::boundsChanged()
{
    Control::boundsChanged();
    LayoutButtons();
    if (m_style == Wz::AssistentStyle::asTabbed)
        updateTabRows();
}

void TAssistent::SetBounds(int left, int top, int width, int height)
{
    if (!m_viewport) {
        ControlWidget<QWidget>::SetBounds(left, top, width, height);
        return;
    }
    const bool scrolls = m_style == Wz::AssistentStyle::asWizard && Align() == Tk::TAlign::alClient;
    m_viewport->setStripHeight(CancelButton()->Height() + 10);
    const QRect r = m_viewport->place(QRect(left, top, width, height), scrolls);
    ControlWidget<QWidget>::SetBounds(r.x(), r.y(), r.width(), r.height());
}

void TAssistent::loaded()
{
    Control::loaded();
    // The pages were laid out for the size the definition gives.
    m_viewport->setPageSize(size());
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
    filer.defineBinary("FormSize", [this](const QByteArray &bytes) { readFormSize(bytes); },
                       [this] { return writeFormSize(); }, true);
}

void TAssistent::readFormSize(const QByteArray &bytes)
{
    const std::vector<qint32> v = PackedList::unpack(bytes, 4, 1);
    m_wizardFormHeight = v[0];
    m_wizardFormWidth = v[1];
    m_dialogFormHeight = v[2];
    m_dialogFormWidth = v[3];
    updateBackEnabled();
}

QByteArray TAssistent::writeFormSize() const
{
    return PackedList::pack({m_wizardFormHeight, m_wizardFormWidth, m_dialogFormHeight, m_dialogFormWidth});
}
