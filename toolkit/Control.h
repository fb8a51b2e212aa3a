#pragma once

// What every control of a form shares beside its Qt widget: position and size
// as Left/Top/Width/Height, alignment inside the parent, its own visible and
// enabled flags, hint, colour and font with parent inheritance, tab order,
// pop-up menu, cursor, and the mouse, key and focus events, which the control
// raises from its own event handling as Qt signals.
//
// A control class derives from ControlWidget<QtWidget> and declares the shared
// published properties and events with TK_CONTROL right after Q_OBJECT.

#include "toolkit/Component.h"
#include "toolkit/Enums.h"
#include "toolkit/TFont.h"
#include "toolkit/TPopupMenu.h"

#include <QPointer>
#include <QRect>
#include <QWidget>

class QFocusEvent;

#define TK_CONTROL                                                                                                  \
    Q_INTERFACES(Component Control)                                                                                 \
    Q_PROPERTY(int Left READ Left WRITE SetLeft)                                                                    \
    Q_PROPERTY(int Top READ Top WRITE SetTop)                                                                       \
    Q_PROPERTY(int Width READ Width WRITE SetWidth)                                                                 \
    Q_PROPERTY(int Height READ Height WRITE SetHeight)                                                              \
    Q_PROPERTY(Tk::TAlign Align READ Align WRITE SetAlign)                                                          \
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)                                                          \
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)                                                          \
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint)                                                                \
    Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint)                                                       \
    Q_PROPERTY(bool ParentShowHint READ ParentShowHint WRITE SetParentShowHint)                                     \
    Q_PROPERTY(Tk::TColor Color READ Color WRITE SetColor)                                                          \
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)                                              \
    Q_PROPERTY(TFont *Font READ Font)                                                                               \
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)                                                 \
    Q_PROPERTY(int TabOrder READ TabOrder WRITE SetTabOrder)                                                        \
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)                                                          \
    Q_PROPERTY(TPopupMenu *PopupMenu READ PopupMenu WRITE SetPopupMenu)                                             \
    Q_PROPERTY(Tk::TCursor Cursor READ Cursor WRITE SetCursor)                                                      \
    Q_PROPERTY(int HelpContext READ HelpContext WRITE SetHelpContext)                                               \
    Q_PROPERTY(int Tag READ Tag WRITE SetTag)                                                                       \
                                                                                                                    \
Q_SIGNALS:                                                                                                          \
    void OnClick(QObject *Sender);                                                                                  \
    void OnDblClick(QObject *Sender);                                                                               \
    void OnMouseDown(QObject *Sender, Tk::TMouseButton Button, Tk::TShiftState Shift, int X, int Y);                \
    void OnMouseMove(QObject *Sender, Tk::TShiftState Shift, int X, int Y);                                         \
    void OnMouseUp(QObject *Sender, Tk::TMouseButton Button, Tk::TShiftState Shift, int X, int Y);                  \
    void OnEnter(QObject *Sender);                                                                                  \
    void OnExit(QObject *Sender);                                                                                   \
    void OnKeyDown(QObject *Sender, int &Key, Tk::TShiftState Shift);                                               \
    void OnKeyPress(QObject *Sender, QChar &Key);                                                                   \
    void OnKeyUp(QObject *Sender, int &Key, Tk::TShiftState Shift);                                                 \
                                                                                                                    \
protected:                                                                                                          \
    void emitOnClick() override { Q_EMIT OnClick(this); }                                                           \
    void emitOnDblClick() override { Q_EMIT OnDblClick(this); }                                                     \
    void emitOnMouseDown(Tk::TMouseButton b, Tk::TShiftState s, int x, int y) override                              \
    {                                                                                                               \
        Q_EMIT OnMouseDown(this, b, s, x, y);                                                                       \
    }                                                                                                               \
    void emitOnMouseMove(Tk::TShiftState s, int x, int y) override { Q_EMIT OnMouseMove(this, s, x, y); }           \
    void emitOnMouseUp(Tk::TMouseButton b, Tk::TShiftState s, int x, int y) override                                \
    {                                                                                                               \
        Q_EMIT OnMouseUp(this, b, s, x, y);                                                                         \
    }                                                                                                               \
    void emitOnEnter() override { Q_EMIT OnEnter(this); }                                                           \
    void emitOnExit() override { Q_EMIT OnExit(this); }                                                             \
    void emitOnKeyDown(int &key, Tk::TShiftState s) override { Q_EMIT OnKeyDown(this, key, s); }                    \
    void emitOnKeyPress(QChar &key) override { Q_EMIT OnKeyPress(this, key); }                                      \
    void emitOnKeyUp(int &key, Tk::TShiftState s) override { Q_EMIT OnKeyUp(this, key, s); }                        \
                                                                                                                    \
private:

class Control : public Component
{
public:
    Control(QWidget *self, QObject *owner);
    ~Control() override;

    // The control part of `object`, or null; safe on objects that are being
    // destroyed, as Component::from is.
    static Control *from(const QObject *object);
    QWidget *widget() const { return m_widget; }

    // Position and size in the parent's coordinates. Every change of bounds
    // goes through SetBounds.
    int Left() const;
    void SetLeft(int left);
    int Top() const;
    void SetTop(int top);
    int Width() const;
    void SetWidth(int width);
    int Height() const;
    void SetHeight(int height);
    virtual void SetBounds(int left, int top, int width, int height);
    virtual QRect BoundsRect() const;

    Tk::TAlign Align() const { return m_align; }
    virtual void SetAlign(Tk::TAlign align);

    // The control's own flags; the widget is effectively shown or enabled only
    // when its parents are too.
    bool Visible() const { return m_visible; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const;
    virtual void SetEnabled(bool enabled);

    QString Hint() const { return m_hint; }
    void SetHint(const QString &hint) { m_hint = hint; }
    bool ShowHint() const;
    void SetShowHint(bool show);
    bool ParentShowHint() const { return m_parentShowHint; }
    void SetParentShowHint(bool parentShowHint);
    // Whether the hint appears as a tool tip.
    bool hintShown() const;

    Tk::TColor Color() const;
    void SetColor(Tk::TColor color);
    bool ParentColor() const { return m_parentColor; }
    void SetParentColor(bool parentColor);

    TFont *Font() const;
    bool ParentFont() const { return m_parentFont; }
    void SetParentFont(bool parentFont);

    // The position among the parent's controls in the tab order; setting it
    // moves the control there (a position past the end means last) and
    // writes the new order into Qt's focus chain at once.
    int TabOrder() const;
    void SetTabOrder(int order);
    bool TabStop() const { return m_tabStop; }
    void SetTabStop(bool tabStop);

    TPopupMenu *PopupMenu() const { return m_popupMenu; }
    void SetPopupMenu(TPopupMenu *menu);
    Tk::TCursor Cursor() const { return m_cursor; }
    void SetCursor(Tk::TCursor cursor);
    int HelpContext() const { return m_helpContext; }
    void SetHelpContext(int context) { m_helpContext = context; }
    int Tag() const { return m_tag; }
    void SetTag(int tag) { m_tag = tag; }

    // Sets the widget parent, keeping the visible flag, and makes the control
    // the last of the new parent's tab order.
    virtual void SetParent(QWidget *parent);
    QWidget *Parent() const;
    bool CanFocus() const;
    void SetFocus();
    void BringToFront();
    void Repaint();
    void Invalidate();

    // The area that aligned children share (the widget's rectangle unless a
    // control reserves part of it, as a wizard does for its buttons).
    virtual QRect clientRect() const;
    // Places aligned children again; nothing happens while loading.
    void Realign();

    // Controls of `parent` in tab order (any widget may be the parent).
    static QList<Control *> tabOrderList(const QWidget *parent);
    // The first control inside `root`, depth first in tab order, that can take
    // the focus; with `requireTabStop` only those with a tab stop count.
    static Control *firstFocusable(const QWidget *root, bool requireTabStop);
    // Writes the tab order of every container inside `window` into Qt's focus
    // chain, so that the Tab key follows it. A form does it once, when it has
    // been loaded; later changes patch the chain where they happen.
    static void applyFocusChain(QWidget *window);

    void loaded() override;
    bool storesProperty(const char *name) const override;

    // Escape and Enter pressed on a form are offered to its controls; a
    // button that takes the key (as the cancel or default button) clicks
    // itself and returns true.
    virtual bool dialogKey(int virtualKey);

protected:
    // The kinds of input an inner widget of the control passes on as the
    // control's own.
    enum InputKind { MouseInput = 0x1, KeyInput = 0x2, FocusInput = 0x4, AllInput = 0x7 };

    // Events of the widget that the shared event handling sees first.
    virtual bool nativeClick() const { return false; }
    virtual bool nativeDblClick() const { return false; }
    // True for a key event the control already turned into its key events
    // and now passes on to an inner widget (a grid starting its cell editor).
    virtual bool keyAlreadySeen(const QEvent *) const { return false; }
    // Widgets inside the control whose input is the control's (viewports, the
    // text box of a combo box, a grid's cell editor).
    void addInputWidget(QWidget *w, int kinds = AllInput);
    bool isInputWidget(const QObject *o) const;
    // Called after the bounds changed (moved or resized), for any reason.
    virtual void boundsChanged();
    // Called after the widget parent was set.
    virtual void parentChanged();
    virtual void applyColor(const QColor &color);
    virtual void applyFont();
    // Whether the widget can take the keyboard focus at all.
    void setFocusable(bool focusable);
    // Graphic controls (labels, images, shapes, speed buttons) have no window
    // of their own in the platform's sense: they take no part in the tab order.
    void setWindowed(bool windowed) { m_windowed = windowed; }
    bool isWindowed() const { return m_windowed; }
    // A control whose widget is shown and hidden by its container (a page of
    // a notebook) keeps its visible flag without touching the widget.
    virtual bool managesOwnVisibility() const { return false; }
    // Whether the focus may leave the control for `next` (a masked field with
    // a partly typed value refuses). A refused exit raises no OnExit and no
    // OnEnter anywhere; refuseExit() then takes the focus back and says why.
    virtual bool canExit(const QWidget *next) const;
    virtual void refuseExit() {}

    // The shared event handling, called by ControlWidget: handleEvent before
    // the widget sees the event (true consumes it), afterEvent once it has.
    bool handleEvent(QObject *watched, QEvent *e);
    void afterEvent(QObject *watched, QEvent *e);

    // The published events; TK_CONTROL emits them as the class's signals.
    virtual void emitOnClick() = 0;
    virtual void emitOnDblClick() = 0;
    virtual void emitOnMouseDown(Tk::TMouseButton button, Tk::TShiftState shift, int x, int y) = 0;
    virtual void emitOnMouseMove(Tk::TShiftState shift, int x, int y) = 0;
    virtual void emitOnMouseUp(Tk::TMouseButton button, Tk::TShiftState shift, int x, int y) = 0;
    virtual void emitOnEnter() = 0;
    virtual void emitOnExit() = 0;
    virtual void emitOnKeyDown(int &key, Tk::TShiftState shift) = 0;
    virtual void emitOnKeyPress(QChar &key) = 0;
    virtual void emitOnKeyUp(int &key, Tk::TShiftState shift) = 0;

    // Raises the events through the one guard of Component::fire.
    void doClick();
    void doDblClick();
    // X and Y are in the control's coordinates.
    void doMouseDown(Tk::TMouseButton button, Tk::TShiftState shift, int x, int y);
    void doMouseMove(Tk::TShiftState shift, int x, int y);
    void doMouseUp(Tk::TMouseButton button, Tk::TShiftState shift, int x, int y);

private:
    struct InputWidget {
        QPointer<QWidget> widget;
        int kinds;
    };

    int inputKinds(const QObject *o) const;
    bool contains(const QWidget *w) const;
    bool mouseEvent(QWidget *from, QEvent *e);
    bool keyEvent(QEvent *e, bool focused);
    bool contextMenu(QObject *watched, QEvent *e, bool answered);
    void focusArrived();
    void focusLeft(QFocusEvent *e);
    void placeInFocusChain();
    void applyPalette();
    void refreshParentFont() const;

    QWidget *m_widget;
    Tk::TAlign m_align = Tk::TAlign::alNone;
    bool m_visible = true;
    QString m_hint;
    bool m_showHint = false;
    bool m_parentShowHint = true;
    Tk::TColor m_color = Tk::TColor::clBtnFace;
    bool m_parentColor = true;
    mutable TFont *m_font = nullptr;
    bool m_parentFont = true;
    // The control's place among its siblings in the tab order. Qt's focus
    // chain holds only widgets that can take the focus, so containers keep
    // their place here; the chain is written from it.
    qint64 m_tabRank;
    bool m_tabStop = false;
    bool m_focusable = false;
    bool m_windowed = true;
    QPointer<TPopupMenu> m_popupMenu;
    Tk::TCursor m_cursor = Tk::TCursor::crDefault;
    int m_helpContext = 0;
    int m_tag = 0;
    bool m_pressed = false;
    bool m_aligning = false;
    // Whether the focus is inside the control (itself or an inner widget),
    // as far as its enter and exit events go.
    bool m_focusInside = false;
    bool m_resendingContextMenu = false;
    QList<InputWidget> m_inputWidgets;
};

#define Control_iid "org.ravik.Control"
Q_DECLARE_INTERFACE(Control, Control_iid)
