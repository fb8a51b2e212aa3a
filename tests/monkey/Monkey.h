#pragma once

// A seeded stream of random user input over a window: mouse presses,
// releases, moves, drags and double-clicks on whatever is shown, keys and
// typed texts to the focused control, picks from open pop-up menus, and now
// and then a press of one of the given buttons. The same seed over the same
// window gives the same stream, so a failing run can be replayed.

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <random>

class Monkey
{
public:
    Monkey(QWidget *window, quint32 seed);

    // Buttons pressed now and then, whatever their place (the wizard's).
    void setNavigation(std::function<QList<QWidget *>()> buttons) { m_navigation = std::move(buttons); }
    // Makes one random event; returns a short description of it.
    QString step();

private:
    QWidget *randomTarget();
    QPoint randomPoint(const QWidget *w);
    QString randomText();
    QString click(QWidget *w, bool twice);
    QString drag(QWidget *w);
    QString key();
    QString type();
    QString pickFromPopup();

    QWidget *m_window;
    std::mt19937 m_random;
    std::function<QList<QWidget *>()> m_navigation;
};
