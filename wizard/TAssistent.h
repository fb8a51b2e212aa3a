#pragma once

// A container control that turns its form into a multi-page assistant: a
// dialog page (page 0) and wizard pages 1 .. NumPages, navigation with a page
// history and an optional way list, six self-placed buttons, and the form's
// caption and size following the page. The pages hold no controls: on every
// page change the wizard calls SetNewPosition by name on every component of
// its form, and page elements place, show or hide themselves. In the tabbed
// style the buttons give way to rows of tabs, one per wizard page, along the
// top edge; a click on a tab selects its page.

#include "toolkit/ControlWidget.h"
#include "toolkit/TForm.h"
#include "wizard/ButtonStrip.h"
#include "wizard/TButtonData.h"
#include "wizard/TIntegerList.h"
#include "wizard/TPageList.h"
#include "wizard/WizardEnums.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <array>
#include <optional>

class AccessibleGroup;
class PageViewport;
class TBitBtn;

class TAssistent : public ControlWidget<QWidget>
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

    int NumPages() const { return m_numPages; }
    void SetNumPages(int n);
    int Page() const { return m_page; }
    // The page change: the veto event, the caption, the form's size, every
    // element of the form, the buttons, the page-changed event, the focus.
    void SetPage(int page);
    int StartPage() const { return m_startPage; }
    void SetStartPage(int page);
    bool RememberPage() const { return m_rememberPage; }
    void SetRememberPage(bool remember) { m_rememberPage = remember; }
    bool UseHistory() const { return m_useHistory; }
    void SetUseHistory(bool use) { m_useHistory = use; }
    TPageList *WayList() const { return m_wayList; }
    bool WayListEnabled() const { return m_wayListEnabled; }
    void SetWayListEnabled(bool enabled);
    QStringList PageNames() const { return m_pageNames; }
    // Writing the names forgets the tabs' painted widths; in the tabbed style
    // the rows are computed again for the new names.
    void SetPageNames(const QStringList &names);
    bool ShowPageNames() const { return m_showPageNames; }
    void SetShowPageNames(bool show);
    QString CaptionWizard() const { return m_captionWizard; }
    void SetCaptionWizard(const QString &caption);
    QString CaptionDialog() const { return m_captionDialog; }
    void SetCaptionDialog(const QString &caption);
    bool SetFormCaption() const { return m_setFormCaption; }
    void SetSetFormCaption(bool set) { m_setFormCaption = set; }
    bool SetFormProperties() const { return m_setFormProperties; }
    void SetSetFormProperties(bool set) { m_setFormProperties = set; }
    Wz::AssistentStyle Style() const { return m_style; }
    void SetStyle(Wz::AssistentStyle style);
    bool Seperator() const { return m_seperator; }
    void SetSeperator(bool seperator);
    int ButtonWidth() const { return m_buttonWidth; }
    void SetButtonWidth(int width);
    int ButtonHeight() const { return m_buttonHeight; }
    void SetButtonHeight(int height);
    Tk::TButtonStyle ButtonStyle() const { return m_buttonStyle; }
    void SetButtonStyle(Tk::TButtonStyle style);
    bool ShowGlyph() const { return m_showGlyph; }
    void SetShowGlyph(bool show);
    TButtonData *BtnHelp() const { return descriptor(ButtonStrip::BtnHelp); }
    TButtonData *BtnWizardOK() const { return descriptor(ButtonStrip::BtnWizardOK); }
    TButtonData *BtnFinish() const { return descriptor(ButtonStrip::BtnFinish); }
    TButtonData *BtnDialogOK() const { return descriptor(ButtonStrip::BtnDialogOK); }
    TButtonData *BtnChangeWizard() const { return descriptor(ButtonStrip::BtnChangeWizard); }
    TButtonData *BtnChangeDialog() const { return descriptor(ButtonStrip::BtnChangeDialog); }
    TButtonData *BtnCancel() const { return descriptor(ButtonStrip::BtnCancel); }
    TButtonData *BtnNext() const { return descriptor(ButtonStrip::BtnNext); }
    TButtonData *BtnBack() const { return descriptor(ButtonStrip::BtnBack); }
    TButtonData *descriptor(int which) const { return m_descriptors[size_t(which)]; }
    TIntegerList *BLWizard() const { return m_blWizard; }
    TIntegerList *BLDialog() const { return m_blDialog; }
    int TabSpaceX() const { return m_tabSpaceX; }
    void SetTabSpaceX(int space);
    int TabSpaceY() const { return m_tabSpaceY; }
    void SetTabSpaceY(int space);

    // The physical buttons.
    TBitBtn *button(int which) const { return m_buttons[size_t(which)]; }
    TBitBtn *ChangeButton() const { return button(ButtonStrip::ChangeButton); }
    TBitBtn *HelpButton() const { return button(ButtonStrip::HelpButton); }
    TBitBtn *BackButton() const { return button(ButtonStrip::BackButton); }
    TBitBtn *NextButton() const { return button(ButtonStrip::NextButton); }
    TBitBtn *CancelButton() const { return button(ButtonStrip::CancelButton); }
    TBitBtn *OKButton() const { return button(ButtonStrip::OKButton); }

    // Navigation, as the buttons do it.
    void Next();
    void Back();
    // Switches between the dialog page and the wizard pages.
    void Change();
    void Help();
    void Cancel();
    void OK();
    // Records the current page in the history, then writes Page = page.
    void JumpTo(int page);
    // The page Next goes to without a way list: the checked jump radio
    // button's target, else Page + 1.
    int NextTarget();
    // The page shown at step `step` (the step itself without a way list);
    // -1 for a step the way list does not hold.
    int PhysicalPage(int step) const;
    // Whether `step` is the last step (Next finishes there).
    bool isLastStep(int step) const;

    bool LastChangeAccepted() const { return m_lastChangeAccepted; }
    const TIntegerList *History() const { return m_history; }
    int RememberedPage() const { return m_rememberedPage; }
    int WizardFormWidth() const { return m_wizardFormWidth; }
    int WizardFormHeight() const { return m_wizardFormHeight; }
    int DialogFormWidth() const { return m_dialogFormWidth; }
    int DialogFormHeight() const { return m_dialogFormHeight; }
    // The tab rows of the tabbed style (tabs per row, row 0 first); null in
    // the other styles.
    const TIntegerList *TabRows() const { return m_tabRows; }
    // The height of the tab strip above the page area; 0 outside the tabbed
    // style.
    int TabAreaHeight() const;
    // The height of one tab row: the font's text height plus TabSpaceY.
    int tabRowHeight() const;
    // The width the tab of physical page `page` had when last painted; 0
    // before its first painting.
    int tabWidth(int page) const;
    TForm *ownerForm() const { return m_ownerForm; }

    // Places the buttons for the current page (only once the first page
    // change has run; in the other styles every button is hidden).
    void LayoutButtons();
    // Gives the owner form the size w x h around its present centre.
    void ResizeOwnerForm(int w, int h);
    // The bounds `current` gets for size w x h around its centre.
    static QRect resizedAroundCentre(const QRect &current, int w, int h);

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
    // The selected tab shows a focus rectangle while the wizard has the focus.
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;
    // Moved or resized, by code or by its parent's layout.
    void boundsChanged() override;

private:
    void changePage(int page);
    // The shown, enabled button whose mnemonic is the key, if any.
    TBitBtn *buttonForMnemonic(const QKeyEvent *event) const;
    // Tells assistive technology that the page and the page area's name
    // changed.
    void announcePage();
    // Moves the focus into the new page, to `first`.
    void focusPage(Control *first);
    // Tabbed style: computes the rows (creating the list on first use) and
    // lays the page area out again below the strip.
    void updateTabRows();
    // The text width of each step's page name, step 1 first.
    QList<int> stepTextWidths() const;
    void paintTabbed(QPainter &p);
    void paintTab(QPainter &p, int page, int x, int y, int pad, bool selected);
    void UpdateFormCaption();
    QString wantedCaption();
    void layoutPage(bool dialogPage);
    // Places one button and moves it to `tabCounter` in `tabOrder`, the
    // wizard's children in tab order, which it keeps up to date.
    void placeButton(int which, int descriptorIndex, int top, int left, int &tabCounter,
                     QList<Control *> &tabOrder);
    void hideButton(int which);
    void descriptorChanged(bool glyph);
    void readFormSize(const QByteArray &bytes);
    QByteArray writeFormSize() const;
    void updateBackEnabled();
    void reportError(const QString &message);
    // Runs a navigation step started by the user; a failure becomes a
    // message instead of leaving the event loop.
    template<typename F>
    void guarded(F &&step);

    int m_numPages = 0;
    int m_page = 0;
    int m_startPage = 1;
    bool m_rememberPage = false;
    bool m_useHistory = true;
    TPageList *m_wayList;
    bool m_wayListEnabled = false;
    QStringList m_pageNames;
    bool m_showPageNames = false;
    QString m_captionWizard;
    QString m_captionDialog;
    bool m_setFormCaption = true;
    bool m_setFormProperties = true;
    Wz::AssistentStyle m_style = Wz::AssistentStyle::asWizard;
    bool m_seperator = true;
    int m_buttonWidth = 90;
    int m_buttonHeight = 25;
    Tk::TButtonStyle m_buttonStyle = Tk::TButtonStyle::bsAutoDetect;
    bool m_showGlyph = true;
    std::array<TButtonData *, ButtonStrip::DescriptorCount> m_descriptors{};
    TIntegerList *m_blWizard;
    TIntegerList *m_blDialog;
    int m_tabSpaceX = 16;
    int m_tabSpaceY = 8;
    TIntegerList *m_tabRows = nullptr;
    // Painted tab widths by physical page, beside the page names.
    QList<int> m_tabWidths;

    TIntegerList *m_history;
    int m_rememberedPage = 1;
    bool m_lastChangeAccepted = true;
    int m_dialogFormWidth = 0;
    int m_dialogFormHeight = 0;
    int m_wizardFormWidth = 0;
    int m_wizardFormHeight = 0;
    std::array<TBitBtn *, ButtonStrip::ButtonCount> m_buttons{};
    // The descriptor whose glyph each button shows, -1 for none.
    std::array<int, ButtonStrip::ButtonCount> m_glyphOf;
    bool m_layoutEnabled = false;
    QPointer<TForm> m_ownerForm;
    PageViewport *m_viewport = nullptr;
    AccessibleGroup *m_pageArea = nullptr;
    // Faults already reported, so that a bad caption format or layout list
    // is said once and not on every page change.
    QString m_reportedCaption;
    std::array<std::optional<QList<int>>, 2> m_reportedLists;
};
