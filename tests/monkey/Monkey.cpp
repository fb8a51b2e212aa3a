#include "tests/monkey/Monkey.h"

#include <QApplication>
#include <QMenu>
#include <QTest>

namespace {

bool showing(const QWidget *w)
{
    return w && w->isVisible() && w->width() > 0 && w->height() > 0;
}

} // namespace

Monkey::Monkey(QWidget *window, quint32 seed)
    : m_window(window)
    , m_random(seed)
{
}

QWidget *Monkey::randomTarget()
{
    QList<QWidget *> candidates;
    for (QWidget *w : m_window->findChildren<QWidget *>()) {
        if (showing(w) && w->window() == m_window)
            candidates << w;
    }
    if (candidates.isEmpty())
        return m_window;
    return candidates.at(int(m_random() % quint32(candidates.size())));
}

QPoint Monkey::randomPoint(const QWidget *w)
{
    return QPoint(int(m_random() % quint32(std::max(1, w->width()))), int(m_random() % quint32(std::max(1, w->height()))));
}

QString Monkey::randomText()
{
    static const QString pieces[] = {QStringLiteral("a"), QStringLiteral("Z"), QStringLiteral("0"), QStringLiteral("9"),
                                     QStringLiteral("/"), QStringLiteral(" "), QStringLiteral("\u00e9"), QStringLiteral("\u65e5"),
                                     QStringLiteral("31/02/1998"), QStringLiteral("Area1"), QStringLiteral("Prospect"),
                                     QStringLiteral("%d%s"), QStringLiteral("\"'")};
    QString text;
    const int n = 1 + int(m_random() % 12);
    for (int i = 0; i < n; ++i)
        text += pieces[m_random() % std::size(pieces)];
    if (m_random() % 20 == 0)
        text = text.repeated(40);   // overlong
    return text;
}

QString Monkey::click(QWidget *w, bool twice)
{
    const QPoint p = randomPoint(w);
    const Qt::MouseButton button = m_random() % 8 == 0 ? Qt::RightButton : Qt::LeftButton;
    const QString what = QStringLiteral("%1 %2 (%3) at %4,%5")
                             .arg(twice ? QStringLiteral("double-click") : QStringLiteral("click"),
                                  QString::fromLatin1(w->metaObject()->className()), w->objectName())
                             .arg(p.x())
                             .arg(p.y());
    QPointer<QWidget> guard(w);
    if (twice) {
        QTest::mouseDClick(w, button, {}, p);
        return what;
    }
    QTest::mousePress(w, button, {}, p);
    if (guard)
        QTest::mouseRelease(w, button, {}, p);
    return what;
}

QString Monkey::drag(QWidget *w)
{
    const QPoint from = randomPoint(w);
    const QPoint to = from + QPoint(int(m_random() % 81) - 40, int(m_random() % 81) - 40);
    QPointer<QWidget> guard(w);
    QTest::mousePress(w, Qt::LeftButton, {}, from);
    for (int i = 1; i <= 4 && guard; ++i)
        QTest::mouseMove(w, from + (to - from) * i / 4);
    if (guard)
        QTest::mouseRelease(w, Qt::LeftButton, {}, to);
    return QStringLiteral("drag %1 (%2) from %3,%4")
        .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName())
        .arg(from.x())
        .arg(from.y());
}

QString Monkey::key()
{
    static const Qt::Key keys[] = {Qt::Key_Tab,  Qt::Key_Backtab, Qt::Key_Return, Qt::Key_Escape, Qt::Key_Left,
                                   Qt::Key_Right, Qt::Key_Up,     Qt::Key_Down,   Qt::Key_Home,   Qt::Key_End,
                                   Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Space,
                                   Qt::Key_F2,   Qt::Key_A,       Qt::Key_1};
    const Qt::Key k = keys[m_random() % std::size(keys)];
    const Qt::KeyboardModifiers mods = m_random() % 6 == 0 ? Qt::ShiftModifier : Qt::NoModifier;
    QWidget *target = QApplication::focusWidget();
    if (!target || target->window() != m_window)
        target = m_window;
    QTest::keyClick(target, k, mods);
    return QStringLiteral("key %1 to %2").arg(int(k)).arg(target->objectName());
}

QString Monkey::type()
{
    QWidget *target = QApplication::focusWidget();
    if (!target || target->window() != m_window)
        target = m_window;
    const QString text = randomText();
    QPointer<QWidget> guard(target);
    for (const QChar c : text) {
        if (!guard)
            break;
        QTest::sendKeyEvent(QTest::KeyAction::Click, target, Qt::Key_unknown, c, Qt::NoModifier);
    }
    return QStringLiteral("type %1 chars to %2").arg(text.size()).arg(guard ? guard->objectName() : QString());
}

QString Monkey::pickFromPopup()
{
    QWidget *popup = QApplication::activePopupWidget();
    auto *menu = qobject_cast<QMenu *>(popup);
    if (!menu) {
        // A combo box's list, or any other pop-up: closed, as a click
        // elsewhere would close it.
        popup->close();
        return QStringLiteral("close pop-up %1").arg(QString::fromLatin1(popup->metaObject()->className()));
    }
    QList<QAction *> actions;
    for (QAction *a : menu->actions()) {
        if (a->isEnabled() && a->isVisible() && !a->isSeparator())
            actions << a;
    }
    if (actions.isEmpty() || m_random() % 4 == 0) {
        menu->close();
        return QStringLiteral("close pop-up menu");
    }
    QAction *a = actions.at(int(m_random() % quint32(actions.size())));
    const QString text = a->text();
    menu->close();
    a->trigger();
    return QStringLiteral("menu item %1").arg(text);
}

QString Monkey::step()
{
    if (QApplication::activePopupWidget())
        return pickFromPopup();
    const quint32 roll = m_random() % 100;
    if (roll < 4 && m_navigation) {
        const QList<QWidget *> buttons = m_navigation();
        QList<QWidget *> usable;
        for (QWidget *b : buttons) {
            if (showing(b) && b->isEnabled())
                usable << b;
        }
        if (!usable.isEmpty()) {
            QWidget *b = usable.at(int(m_random() % quint32(usable.size())));
            const QString what = QStringLiteral("press %1").arg(b->objectName());
            QTest::mouseClick(b, Qt::LeftButton);
            return what;
        }
    }
    if (roll < 50)
        return click(randomTarget(), false);
    if (roll < 58)
        return click(randomTarget(), true);
    if (roll < 68)
        return drag(randomTarget());
    if (roll < 70) {
        QWidget *w = randomTarget();
        QTest::mouseMove(w, randomPoint(w));
        return QStringLiteral("move over %1").arg(w->objectName());
    }
    if (roll < 86)
        return key();
    return type();
}
