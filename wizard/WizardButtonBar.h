#pragma once

// The wizard's six buttons along its bottom strip and the nine descriptors
// that say what each shows. The buttons are the wizard's own children, so
// that they stand in its coordinates and its tab order; the descriptors and
// the two layout lists are its sub-objects, so that its form definition
// stores them. The bar places the buttons as ButtonStrip plans it for a page,
// writing only what differs, and hides them in the styles without buttons.

#include "toolkit/Enums.h"
#include "wizard/ButtonStrip.h"

#include <QList>
#include <QRect>

#include <array>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class Control;
class QKeyEvent;
class QWidget;
class TBitBtn;
class TButtonData;
class TIntegerList;

class WizardButtonBar
{
public:
    // `relayout` is called whenever a descriptor changed.
    WizardButtonBar(QWidget *wizard, std::function<void()> relayout);
    ~WizardButtonBar();
    WizardButtonBar(const WizardButtonBar &) = delete;
    WizardButtonBar &operator=(const WizardButtonBar &) = delete;

    TBitBtn *button(int which) const { return m_buttons[size_t(which)]; }
    bool isButton(const QWidget *w) const;
    TButtonData *descriptor(int which) const { return m_descriptors[size_t(which)]; }
    TIntegerList *layoutList(bool dialogPage) const { return dialogPage ? m_blDialog : m_blWizard; }

    int buttonWidth() const { return m_buttonWidth; }
    void setButtonWidth(int width);
    int buttonHeight() const { return m_buttonHeight; }
    void setButtonHeight(int height);
    Tk::TButtonStyle buttonStyle() const { return m_buttonStyle; }
    void setButtonStyle(Tk::TButtonStyle style);
    bool showGlyph() const { return m_showGlyph; }
    void setShowGlyph(bool show) { m_showGlyph = show; }

    // Places the buttons along the bottom of `area`, the part of the wizard
    // inside the window, for the dialog page or a wizard page; `lastStep` is
    // whether Next finishes there.
    void layout(bool dialogPage, bool lastStep, const QRect &area);
    void hideAll();
    // The shown, enabled button whose mnemonic is the key, if any.
    TBitBtn *buttonForMnemonic(const QKeyEvent *event) const;

private:
    // The tab positions the buttons are given, in turn, as the layout gives
    // them, and the order of the wizard's children they lead to.
    struct TabMoves {
        QList<Control *> order;
        // Gives `button` position `position` in `order` (past the end means
        // last), as Control::SetTabOrder would; returns where it stands.
        int move(Control *button, int position);
    };
    // Places one button and moves it to `tabCounter` in `tabs`.
    void place(int which, int descriptorIndex, int top, int left, int &tabCounter, TabMoves &tabs);
    void reportBadList(bool dialogPage, const QList<int> &codes);

    QWidget *m_wizard;
    std::array<TBitBtn *, ButtonStrip::ButtonCount> m_buttons{};
    std::array<TButtonData *, ButtonStrip::DescriptorCount> m_descriptors{};
    TIntegerList *m_blWizard;
    TIntegerList *m_blDialog;
    // The descriptor whose glyph each button shows, -1 for none.
    std::array<int, ButtonStrip::ButtonCount> m_glyphOf;
    int m_buttonWidth = 90;
    int m_buttonHeight = 25;
    Tk::TButtonStyle m_buttonStyle = Tk::TButtonStyle::bsAutoDetect;
    bool m_showGlyph = true;
    // A faulty layout list is reported once, not on every page change.
    std::array<std::optional<QList<int>>, 2> m_reportedLists;
};
