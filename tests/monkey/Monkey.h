#pragma once

// A seeded stream of user actions over a window, delivered through the
// platform window as a mouse and a keyboard deliver them: clicks, right-clicks
// (which open pop-up menus), double-clicks, drags and moves at points of
// visible widgets; a word of a text box chosen by a double-click, pressed
// and pulled out of the box in one quick move (which must start no drag);
// keys and typed texts, key by key, to whatever holds the
// keyboard focus; work inside an open drop-down or menu (pick a line, press
// keys, click elsewhere, change the page); the focus put into an input of a
// screen (an edit box, an editable drop-down, a grid cell and its editor) and
// typed into; the page changed while a pop-up is open (the button pressed
// through the window, which closes the pop-up first, or pressed straight, as
// an automation client does) or while a control holds the focus. Modal
// message boxes open for real and are answered with one of their buttons or
// keys.
//
// The same seed over the same program gives the same stream: no choice
// depends on how long a step takes. To keep it so, time stands still for the
// program while the monkey runs: a timer fires only when it has no delay.
// What a person gets by waiting (a delayed cell editor after a second click
// on the current cell, the automatic scrolling of a list while dragging at
// its edge, the repeat of a held scroll arrow) is left out, tool tips come
// from the monkey's own hover action, a click soon after a double-click is a
// triple click, typed searches in lists always add to the text searched so
// far, and the button of a mnemonic (Alt+N) is let go at once.
//
// While it lives, a crash or a sanitizer report prints the seed and the last
// actions before the process ends; RAVIK_MONKEY_LOG names a file that takes
// every event as it is made.

#include <QByteArray>
#include <QCryptographicHash>
#include <QList>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <cstdio>
#include <deque>
#include <functional>
#include <memory>
#include <random>

class QAbstractItemView;
class QDialog;
class QMenu;
class QWindow;

class Monkey
{
public:
    Monkey(QWidget *window, quint32 seed);
    ~Monkey();
    Monkey(const Monkey &) = delete;
    Monkey &operator=(const Monkey &) = delete;

    // Buttons that change the page whatever their place (the wizard's, the
    // title page's jump buttons); pressed now and then, also while a pop-up
    // is open or a control holds the focus.
    void setNavigation(std::function<QList<QWidget *>()> buttons) { m_navigation = std::move(buttons); }
    // The widget that turns the page with Left and Right while it has the
    // focus (the wizard); it is clicked on a free spot first.
    void setPager(QWidget *pager) { m_pager = pager; }
    // Makes one user action, which may be several events; returns its
    // description. Every event is noted before it is sent.
    QString step();
    // The last notes, oldest first, with the boxes answered on the way.
    QStringList recent() const;
    // A digest of every note so far: two runs that made the same events
    // have the same digest.
    QByteArray digest() const;

private:
    class Watcher;
    friend class Watcher;

    quint32 pick(quint32 n) { return n ? quint32(m_random() % n) : 0; }
    bool chance(quint32 n) { return pick(n) == 0; }
    void note(const QString &what);

    // Where things are.
    QWidget *randomTarget();
    bool randomSpot(const QWidget *w, QPoint *global);
    QString describe(const QWidget *w) const;
    QString describeFocus() const;
    QList<QWidget *> usableNavigation() const;

    // Events through the window under a global point, or the key window.
    QWindow *windowAt(const QPoint &global) const;
    QWindow *keyWindow() const;
    void press(const QPoint &global, Qt::MouseButton button, Qt::KeyboardModifiers mods = {});
    void release(const QPoint &global, Qt::MouseButton button, Qt::KeyboardModifiers mods = {});
    void moveTo(const QPoint &global);
    void sendKey(Qt::Key key, Qt::KeyboardModifiers mods);
    void sendText(const QString &text);

    // Actions.
    QString act();
    void actWhileWaiting();
    QString click(QWidget *w, Qt::MouseButton button);
    QString doubleClick(QWidget *w);
    QString drag(QWidget *w);
    // A word chosen by a double-click in a text box, pressed and pulled out
    // of the box in one quick move, then let go.
    QString pullSelection();
    QString hover(QWidget *w, bool rest);
    QString key();
    QString type();
    QString navigate();
    QString turnPages();
    QString workInInput();
    QString inPopup(QWidget *popup);
    QString pickInPopup(QWidget *popup);
    QString popupKey(QWidget *popup);
    QString randomText(int maxLength);
    void typeInto(int keys);
    QPoint cellSpot(QAbstractItemView *view);

    // Answers a modal dialog that waits in its own loop.
    void answer(QDialog *dialog);

    QPointer<QWidget> m_window;
    QPointer<QWidget> m_pager;
    std::mt19937 m_random;
    int m_step = 0;
    std::function<QList<QWidget *>()> m_navigation;
    std::deque<QString> m_recent;
    QCryptographicHash m_digest{QCryptographicHash::Sha1};
    std::unique_ptr<Watcher> m_watcher;
    bool m_hovering = false;
    std::FILE *m_log = nullptr;
};
