#pragma once

// A container control that turns its form into a multi-page assistant: a
// dialog page (page 0) and wizard pages 1 .. NumPages, navigation with a page
// history and an optional way list, six self-placed buttons, and the form's
// caption and size following the page. The pages hold no controls: on every
// page change the wizard calls SetNewPosition on every component of its form
// that offers it, and page elements place, show or hide themselves. In the
// tabbed style the buttons give way to rows of tabs, one per wizard page,
// along the top edge; a click on a tab selects its page.
//
// The wizard is the published face and the page change; its parts do the
// rest: WizardNavigator (where Next, Back and Change go), WizardButtonBar
// (the buttons and their descriptors), WizardTabBar (the tabbed style's
// strip), WizardCaption (the form's caption), WizardPageAreas (the pages as
// assistive technology meets them) and PageViewport (scrolling in a small
// window).

#include "toolkit/ControlWidget.h"
#include "toolkit/TForm.h"
#include "wizard/ButtonStrip.h"
#include "wizard/ElementProtocol.h"
#include "wizard/TButtonData.h"
#include "wizard/TIntegerList.h"
#include "wizard/TPageList.h"
#include "wizard/WizardButtonBar.h"
#include "wizard/WizardCaption.h"
#include "wizard/WizardEnums.h"
#include "wizard/WizardFormSize.h"
#include "wizard/WizardNavigator.h"
#include "wizard/WizardPageAreas.h"
#include "wizard/WizardTabBar.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

class PageViewport;
class TBitBtn;

class TAssistent : public ControlWidget<QWidget>, private WizardNavigator::Host, private WizardTabBar::Source
{
    Q_OBJECT
    TK_CONTROL
    Q_PROPERTY(int NumPages READ NumPages WRITE SetNumPages)
    Q_PROPERTY(int Page READ Page WRITE SetPage)
    Q_PROPERTY(int StartPage READ StartPage WRITE SetStartPage)
    Q_PROPERTY(bool RememberPage READ RememberPage WRITE SetRememberPage)
    Q_PROPERTY(bool UseHistory READ UseHistory WRITE SetUseHistory)
    Q_PROPERTY(TPageList *WayList READ WayList)
    Q_PROPERTY(bool WayListEnabled READ WayListEnabled WRITE SetWayListEnabled)
    Q_PROPERTY(QStringList PageNames READ PageNames WRITE SetPageNames)
    Q_PROPERTY(bool ShowPageNames READ ShowPageNames WRITE SetShowPageNames)
    Q_PROPERTY(QString CaptionWizard READ CaptionWizard WRITE SetCaptionWizard)
    Q_PROPERTY(QString CaptionDialog READ CaptionDialog WRITE SetCaptionDialog)
    Q_PROPERTY(bool SetFormCaption READ SetFormCaption WRITE SetSetFormCaption)
    Q_PROPERTY(bool SetFormProperties READ SetFormProperties WRITE SetSetFormProperties)
    Q_PROPERTY(Wz::AssistentStyle Style READ Style WRITE SetStyle)
    Q_PROPERTY(bool Seperator READ Seperator WRITE SetSeperator)
    Q_PROPERTY(int ButtonWidth READ ButtonWidth WRITE SetButtonWidth)
    Q_PROPERTY(int ButtonHeight READ ButtonHeight WRITE SetButtonHeight)
    Q_PROPERTY(Tk::TButtonStyle ButtonStyle READ ButtonStyle WRITE SetButtonStyle)
    Q_PROPERTY(bool ShowGlyph READ ShowGlyph WRITE SetShowGlyph)
    Q_PROPERTY(TButtonData *BtnHelp READ BtnHelp)
    Q_PROPERTY(TButtonData *BtnWizardOK READ BtnWizardOK)
    Q_PROPERTY(TButtonData *BtnFinish READ BtnFinish)
    Q_PROPERTY(TButtonData *BtnDialogOK READ BtnDialogOK)
    Q_PROPERTY(TButtonData *BtnChangeWizard READ BtnChangeWizard)
    Q_PROPERTY(TButtonData *BtnChangeDialog READ BtnChangeDialog)
    Q_PROPERTY(TButtonData *BtnCancel READ BtnCancel)
    Q_PROPERTY(TButtonData *BtnNext READ BtnNext)
    Q_PROPERTY(TButtonData *BtnBack READ BtnBack)
    Q_PROPERTY(TIntegerList *BLWizard READ BLWizard)
    Q_PROPERTY(TIntegerList *BLDialog READ BLDialog)
    Q_PROPERTY(int TabSpaceX READ TabSpaceX WRITE SetTabSpaceX)
    Q_PROPERTY(int TabSpaceY READ TabSpaceY WRITE SetTabSpaceY)

Q_SIGNALS:
    void OnPageChange(QObject *Sender, int Page);
    bool OnCanPageChange(QObject *Sender, int FromPage, int &ToPage);
    void OnAskPageChange(QObject *Sender, int AktPage, int &NewPage);
    void OnHelpClick(QObject *Sender, int Page);
    bool OnCancelClick(QObject *Sender, int Page);

public:
    // `owner` is the form the wizard turns into an assistant (or null).
    explicit TAssistent(QObject *owner);
    ~TAssistent() override;

    int NumPages() const { return m_nav.numPages(); }
    void SetNumPages(int n);
    int Page() const { return m_nav.page(); }
    // The page change: the veto event, the caption, the form's size, every
    // element of the form, the buttons, the page-changed event, the focus.
    void SetPage(int page) { changePage(page); }
    int StartPage() const { return m_nav.startPage(); }
    void SetStartPage(int page) { m_nav.setStartPage(page); }
    bool RememberPage() const { return m_nav.rememberPage(); }
    void SetRememberPage(bool remember) { m_nav.setRememberPage(remember); }
    bool UseHistory() const { return m_nav.useHistory(); }
    void SetUseHistory(bool use) { m_nav.setUseHistory(use); }
    TPageList *WayList() const { return m_wayList; }
    bool WayListEnabled() const { return m_nav.wayListEnabled(); }
    void SetWayListEnabled(bool enabled);
    QStringList PageNames() const { return m_pageNames; }
    // Writing the names forgets the tabs' painted widths; in the tabbed style
    // the rows are computed again for the new names.
    void SetPageNames(const QStringList &names);
    bool ShowPageNames() const { return m_caption.showPageNames(); }
    void SetShowPageNames(bool show)
    {
        m_caption.setShowPageNames(show);
        UpdateFormCaption();
    }
    QString CaptionWizard() const { return m_caption.wizardPattern(); }
    void SetCaptionWizard(const QString &caption)
    {
        m_caption.setWizardPattern(caption);
        UpdateFormCaption();
    }
    QString CaptionDialog() const { return m_caption.dialogCaption(); }
    void SetCaptionDialog(const QString &caption);
    bool SetFormCaption() const { return m_caption.enabled(); }
    void SetSetFormCaption(bool set) { m_caption.setEnabled(set); }
    bool SetFormProperties() const { return m_setFormProperties; }
    void SetSetFormProperties(bool set) { m_setFormProperties = set; }
    Wz::AssistentStyle Style() const { return m_style; }
    void SetStyle(Wz::AssistentStyle style);
    bool Seperator() const { return m_seperator; }
    void SetSeperator(bool seperator);
    int ButtonWidth() const { return m_buttons.buttonWidth(); }
    void SetButtonWidth(int width)
    {
        m_buttons.setButtonWidth(width);
        LayoutButtons();
    }
    int ButtonHeight() const { return m_buttons.buttonHeight(); }
    void SetButtonHeight(int height);
    Tk::TButtonStyle ButtonStyle() const { return m_buttons.buttonStyle(); }
    void SetButtonStyle(Tk::TButtonStyle style)
    {
        m_buttons.setButtonStyle(style);
        LayoutButtons();
    }
    bool ShowGlyph() const { return m_buttons.showGlyph(); }
    void SetShowGlyph(bool show)
    {
        m_buttons.setShowGlyph(show);
        LayoutButtons();
    }
    TButtonData *BtnHelp() const { return descriptor(ButtonStrip::BtnHelp); }
    TButtonData *BtnWizardOK() const { return descriptor(ButtonStrip::BtnWizardOK); }
    TButtonData *BtnFinish() const { return descriptor(ButtonStrip::BtnFinish); }
    TButtonData *BtnDialogOK() const { return descriptor(ButtonStrip::BtnDialogOK); }
    TButtonData *BtnChangeWizard() const { return descriptor(ButtonStrip::BtnChangeWizard); }
    TButtonData *BtnChangeDialog() const { return descriptor(ButtonStrip::BtnChangeDialog); }
    TButtonData *BtnCancel() const { return descriptor(ButtonStrip::BtnCancel); }
    TButtonData *BtnNext() const { return descriptor(ButtonStrip::BtnNext); }
    TButtonData *BtnBack() const { return descriptor(ButtonStrip::BtnBack); }
    TButtonData *descriptor(int which) const { return m_buttons.descriptor(which); }
    TIntegerList *BLWizard() const { return m_buttons.layoutList(false); }
    TIntegerList *BLDialog() const { return m_buttons.layoutList(true); }
    int TabSpaceX() const { return m_tabSpaceX; }
    void SetTabSpaceX(int space);
    int TabSpaceY() const { return m_tabSpaceY; }
    void SetTabSpaceY(int space);

    // The physical buttons.
    TBitBtn *button(int which) const { return m_buttons.button(which); }
    TBitBtn *ChangeButton() const { return button(ButtonStrip::ChangeButton); }
    TBitBtn *HelpButton() const { return button(ButtonStrip::HelpButton); }
    TBitBtn *BackButton() const { return button(ButtonStrip::BackButton); }
    TBitBtn *NextButton() const { return button(ButtonStrip::NextButton); }
    TBitBtn *CancelButton() const { return button(ButtonStrip::CancelButton); }
    TBitBtn *OKButton() const { return button(ButtonStrip::OKButton); }

    // Navigation, as the buttons do it.
    void Next() { m_nav.next(); }
    void Back() { m_nav.back(); }
    // Switches between the dialog page and the wizard pages.
    void Change() { m_nav.change(); }
    void Help()
    {
        const int page = Page();
        fire([&] { emit OnHelpClick(this, page); });
    }
    void Cancel();
    void OK() { SetPage(-1); }
    // Records the current page in the history, then writes Page = page.
    void JumpTo(int page) { m_nav.jumpTo(page); }
    // The page Next goes to without a way list: the checked jump radio
    // button's target, else Page + 1.
    int NextTarget() { return m_nav.nextTarget(); }
    // The page shown at step `step` (the step itself without a way list);
    // -1 for a step the way list does not hold.
    int PhysicalPage(int step) const { return m_nav.physicalPage(step); }
    // Whether `step` is the last step (Next finishes there).
    bool isLastStep(int step) const { return m_nav.isLastStep(step); }

    bool LastChangeAccepted() const { return m_lastChangeAccepted; }
    const TIntegerList *History() const { return m_history; }
    int RememberedPage() const { return m_nav.rememberedPage(); }
    int WizardFormWidth() const { return m_formSize.wizardWidth(); }
    int WizardFormHeight() const { return m_formSize.wizardHeight(); }
    int DialogFormWidth() const { return m_formSize.dialogWidth(); }
    int DialogFormHeight() const { return m_formSize.dialogHeight(); }
    // The tab rows of the tabbed style (tabs per row, row 0 first); null in
    // the other styles.
    const TIntegerList *TabRows() const { return m_tabBar ? m_tabBar->rows() : nullptr; }
    // The height of the tab strip above the page area; 0 outside the tabbed
    // style.
    int TabAreaHeight() const { return tabbed() && m_tabBar ? m_tabBar->areaHeight() : 0; }
    // The height of one tab row: the font's text height plus TabSpaceY.
    int tabRowHeight() const { return fontMetrics().height() + m_tabSpaceY; }
    // The width the tab of physical page `page` had when last painted; 0
    // before its first painting.
    int tabWidth(int page) const { return m_tabBar ? m_tabBar->tabWidth(page) : 0; }
    TForm *ownerForm() const { return m_ownerForm; }

    // Places the buttons for the current page (only once the first page
    // change has run; in the other styles every button is hidden).
    void LayoutButtons();
    // Gives the owner form the size w x h around its present centre.
    void ResizeOwnerForm(int w, int h)
    {
        if (Align() == Tk::TAlign::alClient)
            WizardFormSize::resize(m_ownerForm, w, h);
    }
    // The bounds `current` gets for size w x h around its centre.
    static QRect resizedAroundCentre(const QRect &current, int w, int h)
    {
        return WizardFormSize::aroundCentre(current, w, h);
    }

    QRect clientRect() const override;
    // In a window smaller than its pages the wizard keeps their size and
    // scrolls under the window (PageViewport).
    void SetBounds(int left, int top, int width, int height) override;
    void loaded() override;
    void defineProperties(Filer &filer) override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *e) override;
    void keyPressEvent(QKeyEvent *event) override;
    // A left click on the tab strip selects the page of the tab under it.
    void mousePressEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;
    // Moved or resized, by code or by its parent's layout.
    void boundsChanged() override;

private:
    // WizardNavigator::Host
    bool changePage(int page) override;
    std::optional<int> jumpTarget(int page) override { return ElementProtocol::nextTargetOf(owner(), page); }
    void askPageChange(int page, int &next) override
    {
        fire([&] { emit OnAskPageChange(this, page, next); });
    }
    // WizardTabBar::Source
    const WizardNavigator &steps() const override { return m_nav; }
    QString pageName(int page) const override
    {
        return page >= 0 && page < m_pageNames.size() ? m_pageNames[page] : QString();
    }
    QPoint tabSpace() const override { return {m_tabSpaceX, m_tabSpaceY}; }

    bool tabbed() const { return m_style == Wz::AssistentStyle::asTabbed; }
    // Tabbed style: computes the rows (making the strip on first use) and
    // lays the page area out again below the strip.
    void updateTabRows();
    // In the tabbed style, the rows again and a repaint.
    void tabsChanged();
    void UpdateFormCaption() { m_caption.apply(m_ownerForm, Page(), PhysicalPage(Page()), NumPages(), m_pageNames); }
    void updateBackEnabled() { BtnBack()->SetEnabled(m_nav.backEnabled()); }
    // Names physical page `page`'s area for assistive technology and tells
    // it that the page changed.
    void announcePage(int page);

    TPageList *m_wayList;
    TIntegerList *m_history;
    WizardNavigator m_nav;
    WizardButtonBar m_buttons;
    WizardCaption m_caption;
    WizardTabBar *m_tabBar = nullptr;
    QStringList m_pageNames;
    bool m_setFormProperties = true;
    Wz::AssistentStyle m_style = Wz::AssistentStyle::asWizard;
    bool m_seperator = true;
    int m_tabSpaceX = 16;
    int m_tabSpaceY = 8;
    bool m_lastChangeAccepted = true;
    WizardFormSize m_formSize;
    // Off until the first page change, and while it updates the descriptors.
    bool m_layoutEnabled = false;
    QPointer<TForm> m_ownerForm;
    PageViewport *m_viewport = nullptr;
    WizardPageAreas m_pageAreas;
};
