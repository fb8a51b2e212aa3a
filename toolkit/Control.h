#pragma once

// What every control of a form shares beside its Qt widget: position and size
// as Left/Top/Width/Height, alignment inside the parent, hint, pop-up menu,
// cursor, and the mouse, key and focus events, which the control raises from
// its own event handling as Qt signals. Visibility, tab order, and whether
// colour and font come from the parent are the widget's own state in Qt.
//
// A control class derives from ControlWidget<QtWidget> and declares the shared
// published properties and events with TK_CONTROL right after Q_OBJECT.

#include "toolkit/Component.h"
#include "toolkit/Enums.h"
#include "toolkit/TFont.h"
#include "toolkit/TPopupMenu.h"

#include <QPalette>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <optional>

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

    // Whether the widget is shown once its parents are: Qt's own hidden
    // state, which a control not yet placed keeps until it has a parent.
    bool Visible() const;
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

    // The control's own colour, or, while ParentColor, the one its palette
    // takes from the parent. ParentColor is whether the palette leaves the
    // background to the parent, so Qt's propagation does the inheritance.
    Tk::TColor Color() const;
    void SetColor(Tk::TColor color);
    bool ParentColor() const;
    void SetParentColor(bool parentColor);

    // ParentFont is whether the widget has no font of its own (Qt's
    // WA_SetFont); the stored values are then those of the nearest enclosing
    // control with a font of its own.
    TFont *Font() const;
    bool ParentFont() const;
    void SetParentFont(bool parentFont);

    // The position among the parent's windowed controls in Qt's focus chain;
    // setting it moves the control there (a position past the end means
    // last). A stored position waits until the form is loaded.
    int TabOrder() const;
    void SetTabOrder(int order);
    // Whether the Tab key stops at the control: its focus policy.
    bool TabStop() const;
    void SetTabStop(bool tabStop);

    TPopupMenu *PopupMenu() const { return m_popupMenu; }
    void SetPopupMenu(TPopupMenu *menu);
    Tk::TCursor Cursor() const { return m_cursor; }
    void SetCursor(Tk::TCursor cursor);
    int HelpContext() const { return m_helpContext; }
    void SetHelpContext(int context) { m_helpContext = context; }
    int Tag() const { return m_tag; }
    void SetTag(int tag) { m_tag = tag; }

    // Sets the widget parent, keeping Visible, and makes the control the last
    // of the new parent's tab order.
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

    // Windowed controls of `parent` in tab order (any widget may be the parent).
    static QList<Control *> tabOrderList(const QWidget *parent);
    // The first control inside `root`, in tab order, that can take the focus;
    // with `requireTabStop` only those with a tab stop count.
    static Control *firstFocusable(const QWidget *root, bool requireTabStop);
    // Puts the tab positions given to the controls inside `root` into Qt's
    // focus chain, and everything inside them in its place after them. A form
    // does it once it has been loaded, a move for the parent it happens in.
    static void arrangeFocusChain(QWidget *root);
    // Puts the windowed controls of `parent` in the tab order of `order`, in
    // one pass; positions other controls are waiting for stay waiting.
    static void setTabOrderOf(QWidget *parent, const QList<Control *> &order);
    // Graphic controls (labels, images, shapes, speed buttons) have no window
    // of their own in the platform's sense: they take no part in the tab order.
    bool isWindowed() const { return m_windowed; }

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
    // Called once the widget took a new font of its own, or the parent's.
    virtual void applyFont() {}
    // Whether the widget can take the keyboard focus at all (a focusable
    // control starts without a tab stop).
    void setFocusable(bool focusable);
    void setWindowed(bool windowed) { m_windowed = windowed; }
    // A control whose widget is shown and hidden by its container (a page of
    // a notebook) leaves the widget to it.
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
    QPalette::ColorRole colorRole() const;
    void applyPalette(bool ownColor);
    // Applies the colours again, as they stand.
    void reapplyPalette() { applyPalette(!ParentColor()); }

    QWidget *m_widget;
    Tk::TAlign m_align = Tk::TAlign::alNone;
    QString m_hint;
    bool m_showHint = false;
    bool m_parentShowHint = true;
    // The stored colour, which Qt's palette cannot name (clBtnFace, clWindow).
    Tk::TColor m_color = Tk::TColor::clBtnFace;
    mutable TFont *m_font = nullptr;
    // A tab position given, until the parent's controls are arranged (those of
    // a definition once every sibling exists).
    std::optional<int> m_storedTabOrder;
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
