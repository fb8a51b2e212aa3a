#include "wizard/WizardButtonBar.h"

#include "toolkit/Application.h"
#include "toolkit/Control.h"
#include "toolkit/Keys.h"
#include "toolkit/TBitBtn.h"
#include "wizard/TButtonData.h"
#include "wizard/TDesignButton.h"
#include "wizard/TIntegerList.h"

#include <QKeyEvent>
#include <QKeySequence>

#include <algorithm>

namespace {

constexpr const char *ButtonNames[ButtonStrip::ButtonCount] = {"ChangeButton", "HelpButton", "BackButton",
                                                               "NextButton",   "CancelButton", "OKButton"};

} // namespace

WizardButtonBar::WizardButtonBar(QWidget *wizard, std::function<void()> relayout)
    : m_wizard(wizard)
    , m_blWizard(new TIntegerList(wizard))
    , m_blDialog(new TIntegerList(wizard))
{
    m_glyphOf.fill(-1);
    m_blWizard->setValues({1, 2, 8, 3, 4, 5, 6});
    m_blDialog->setValues({1, 2, 8, 3, 6});
    for (auto &d : m_descriptors) {
        d = new TButtonData(wizard);
        QObject::connect(d, &TButtonData::changed, wizard, [this, relayout](bool glyph) {
            if (glyph)
                m_glyphOf.fill(-1);
            relayout();
        });
    }
    for (int i = 0; i < ButtonStrip::ButtonCount; ++i) {
        TBitBtn *b = i < ButtonStrip::CancelButton ? new TDesignButton(wizard) : new TBitBtn(wizard);
        b->setObjectName(QString::fromLatin1(ButtonNames[i]));
        b->SetParent(wizard);
        m_buttons[size_t(i)] = b;
    }
    button(ButtonStrip::CancelButton)->SetCancel(true);
}

WizardButtonBar::~WizardButtonBar()
{
    // The descriptors go with the wizard's QObject children; nothing may lay
    // out then.
    for (TButtonData *d : m_descriptors)
        QObject::disconnect(d, nullptr, m_wizard, nullptr);
}

bool WizardButtonBar::isButton(const QWidget *w) const
{
    return std::find(m_buttons.begin(), m_buttons.end(), w) != m_buttons.end();
}

void WizardButtonBar::setButtonWidth(int width)
{
    m_buttonWidth = width;
    for (TBitBtn *b : m_buttons)
        b->SetWidth(width);
}

void WizardButtonBar::setButtonHeight(int height)
{
    m_buttonHeight = height;
    for (TBitBtn *b : m_buttons)
        b->SetHeight(height);
}

void WizardButtonBar::setButtonStyle(Tk::TButtonStyle style)
{
    m_buttonStyle = style;
    for (TBitBtn *b : m_buttons)
        b->SetStyle(style);
}

void WizardButtonBar::hideAll()
{
    for (TBitBtn *b : m_buttons)
        OutOfSight::park(*b);
}

TBitBtn *WizardButtonBar::buttonForMnemonic(const QKeyEvent *event) const
{
    if (!Keys::isMnemonic(event->modifiers(), event->key()))
        return nullptr;
    const QKeySequence pressed(QKeyCombination(Qt::AltModifier, Qt::Key(event->key())));
    for (TBitBtn *b : m_buttons) {
        if (b->isVisible() && b->isEnabled() && b->Left() != OutOfSight::Left
            && QKeySequence::mnemonic(b->text()) == pressed)
            return b;
    }
    return nullptr;
}

void WizardButtonBar::layout(bool dialogPage, bool lastStep, const QRect &area)
{
    if (dialogPage) {
        OutOfSight::park(*button(ButtonStrip::NextButton));
        OutOfSight::park(*button(ButtonStrip::BackButton));
    }
    ButtonStrip::Input in;
    in.codes = layoutList(dialogPage)->values();
    in.dialogPage = dialogPage;
    in.lastStep = lastStep;
    for (int i = 0; i < ButtonStrip::DescriptorCount; ++i)
        in.shown[size_t(i)] = descriptor(i)->Show();
    in.width = area.width();
    in.buttonWidth = m_buttonWidth;
    const auto plan = ButtonStrip::plan(in);
    if (!plan) {
        reportBadList(dialogPage, in.codes);
        return;
    }
    m_reportedLists[dialogPage ? 1 : 0].reset();

    const int top = area.bottom() + 1 - button(ButtonStrip::ChangeButton)->Height() - 3;
    // The moves are worked out on the list first and written to the focus
    // chain in one pass, as a pass rewrites the chain of all the pages; the
    // passes below end in the order they started from whenever the plan is
    // the same.
    TabMoves tabs{Control::tabOrderList(m_wizard)};
    const QList<Control *> before = tabs.order;
    int tab = ButtonStrip::LeftTabStart;
    for (const ButtonStrip::Slot &slot : plan->left) {
        if (slot.button >= 0)
            place(slot.button, slot.descriptor, top, area.x() + slot.left, tab, tabs);
        ++tab;
    }
    tab = ButtonStrip::RightTabStart;
    for (const ButtonStrip::Slot &slot : plan->right) {
        if (slot.button >= 0)
            place(slot.button, slot.descriptor, top, area.x() + slot.left, tab, tabs);
        --tab;
    }
    if (tabs.order != before)
        Control::setTabOrderOf(m_wizard, tabs.order);
    for (int which : {int(ButtonStrip::NextButton), int(ButtonStrip::OKButton)}) {
        const bool wanted = plan->defaultButton == which;
        if (button(which)->Default() != wanted)
            button(which)->SetDefault(wanted);
    }
}

void WizardButtonBar::reportBadList(bool dialogPage, const QList<int> &codes)
{
    auto &reported = m_reportedLists[dialogPage ? 1 : 0];
    if (reported == codes)
        return;
    reported = codes;
    QStringList texts;
    for (int c : codes)
        texts << QString::number(c);
    Application::reportError(QStringLiteral("The button layout list %1 (%2) needs the code 8 between its first and last "
                                            "entry; its buttons are not laid out.")
                                 .arg(QLatin1String(dialogPage ? "BLDialog" : "BLWizard"), texts.join(QStringLiteral(", "))));
}

int WizardButtonBar::TabMoves::move(Control *button, int position)
{
    // A position past the end means last; only a real move is made.
    const int last = int(order.size()) - 1;
    if (int(order.indexOf(button)) != std::clamp(position, 0, std::max(0, last))) {
        order.removeOne(button);
        order.insert(std::clamp(position, 0, int(order.size())), button);
    }
    return int(order.indexOf(button));
}

void WizardButtonBar::place(int which, int descriptorIndex, int top, int left, int &tabCounter, TabMoves &tabs)
{
    TBitBtn *b = button(which);
    const TButtonData *d = descriptor(descriptorIndex);
    if (b->Top() != top)
        b->SetTop(top);
    const int wantedLeft = d->Show() ? left : OutOfSight::Left;
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
    tabCounter = tabs.move(b, tabCounter);
}
