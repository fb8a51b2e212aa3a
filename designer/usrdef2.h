#pragma once

// The designer of user-defined account screens: the user names up to ten
// pages, adds data fields, text labels and toolbar buttons to them, selects,
// drags, resizes, re-fonts and deletes them. Nothing is stored; the layout
// lives as long as the screen.

#include "tour/ScreenForm.h"

#include "designer/DesignItems.h"
#include "designer/PageNames.h"

#include "toolkit/Enums.h"

#include <QPointer>

class TButton;
class TCheckBox;
class TComboBox;
class TDBGrid;
class TEdit;
class TFontDialog;
class TLabel;
class TMemo;
class TPageControl;
class TPanel;
class TRadioGroup;
class TSpeedButton;
class TStretchHandle;
class TStringGrid;
class TTabSheet;

class Tusrdef2fm : public TScreenForm
{
    Q_OBJECT

public:
    explicit Tusrdef2fm(QObject *owner);

    // Components of the definition.
    TPanel *Panel1 = nullptr;
    TStringGrid *pagelist = nullptr;
    TComboBox *Fieldlist2 = nullptr;
    TComboBox *fieldList = nullptr;
    TComboBox *Buttonlist = nullptr;
    TEdit *Edit1 = nullptr;
    TButton *Button1 = nullptr;
    TButton *FontBtn = nullptr;
    TButton *Addbtn = nullptr;
    TButton *DeleteBtn = nullptr;
    TButton *SaveBtn = nullptr;
    TButton *Cancelbtn = nullptr;
    TPanel *Panel2 = nullptr;
    TSpeedButton *SpeedButton3 = nullptr;
    TComboBox *Scripts = nullptr;
    TSpeedButton *RunScript = nullptr;
    TPageControl *tabControl1 = nullptr;
    TStretchHandle *StretchHandle1 = nullptr;
    TButton *NextButton1 = nullptr;
    TRadioGroup *NAccGrp = nullptr;
    TDBGrid *Ngrpgrid = nullptr;
    TLabel *Errmsg1 = nullptr;
    TLabel *XMustlbl = nullptr;
    TLabel *errmsg2 = nullptr;
    TLabel *Errmsg3 = nullptr;
    TFontDialog *FontDialog1 = nullptr;

    // Page i + 1 of the work area (TabSheet1 .. TabSheet10); TabSheet11 is
    // never given a tab.
    TTabSheet *pageSheet(int i) const;

    // The selection, as the handlers leave it.
    bool labelSelected() const { return m_labelSelected; }
    bool controlSelected() const { return m_controlSelected; }
    bool selectionOnPage() const { return m_selectionOnPage; }
    TLabel *selectedLabel() const;
    QWidget *selectedControl() const { return m_selectedControl; }
    int itemCounter() const { return m_itemCounter; }
    bool pagesDefined() const { return m_pagesDefined; }

public slots:
    void createfm(QObject *Sender);
    void AddbtnClick(QObject *Sender);
    void MouseDown(QObject *Sender, Tk::TMouseButton Button, Tk::TShiftState Shift, int X, int Y);
    void MouseUp(QObject *Sender, Tk::TMouseButton Button, Tk::TShiftState Shift, int X, int Y);
    void FormClick(QObject *Sender);
    void NAccGrpEnter(QObject *Sender);
    void NgrpgridEnter(QObject *Sender);
    void Edit1Change(QObject *Sender);
    void FontBtnClick(QObject *Sender);
    void DeleteBtnClick(QObject *Sender);
    void SpeedButtonClick(QObject *Sender);
    void SpeedButtonXClick(QObject *Sender);
    void fieldListClick(QObject *Sender);
    void ButtonlistClick(QObject *Sender);
    void Button1Click(QObject *Sender);
    void pagelistClick(QObject *Sender);
    void pagelistKeyDown(QObject *Sender, int &Key, Tk::TShiftState Shift);
    void CancelbtnClick(QObject *Sender);
    void FormClose(QObject *Sender, Tk::TCloseAction &Action);

private:
    void showPage1();
    // Makes a page whose tab is shown the active one when the active page's
    // tab is hidden, so that nothing is added to a page the user cannot see.
    void activateShownPage();
    void showToolbarEntry(int entry);
    void addItems(int field);
    // Creates one item on `page` with the next item name, its place and size,
    // its hint and its mouse handlers.
    template<typename T>
    T *newItem(TTabSheet *page, const DesignItems::Item &entry, const QString &hint, bool mouseUp);
    void clearSelection();
    // Takes the handle off `control` when it is attached to it.
    void releaseFrom(const QWidget *control);
    void hideControl(QWidget *control);
    void selectControl(QWidget *control);
    // What the names in the grid give, page by page.
    QList<PageNames::Page> pageNames() const;
    // Shows the tabs and captions of the names in the grid; true when a name
    // is too long (its page keeps its caption until the name is cut).
    bool applyPageNames();
    void checkPageNamesLater();
    // Cuts the names longer than allowed, tells the user and applies them.
    void checkPageNames();

    TTabSheet *m_pages[10] = {};
    bool m_labelSelected = false;
    bool m_controlSelected = false;
    bool m_selectionOnPage = false;
    QPointer<TLabel> m_selectedLabel;
    QPointer<QWidget> m_selectedControl;
    int m_itemCounter = 0;
    bool m_pagesDefined = false;
    // A check of the page names' length is waiting for the event loop.
    bool m_checkPending = false;
};
