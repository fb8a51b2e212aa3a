#include "tests/monkey/Monkey.h"

#include "tests/support/TestSupport.h"
#include "toolkit/Dialogs.h"

#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QHelpEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextEdit>
#include <QThread>
#include <QTimerEvent>
#include <QWindow>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

namespace {

// The last notes of the running monkey, kept where a dying process can still
// print them without allocating.
namespace CrashLog {

constexpr int Lines = 24;
constexpr int Width = 240;
char lines[Lines][Width];
int next = 0;
int used = 0;
quint32 seed = 0;
int step = 0;
bool armed = false;

void add(const QByteArray &line)
{
    std::snprintf(lines[next], Width, "%s", line.constData());
    next = (next + 1) % Lines;
    used = std::min(used + 1, Lines);
}

void put(const char *text)
{
    const ssize_t ignored = write(STDERR_FILENO, text, std::strlen(text));
    (void)ignored;
}

void print()
{
    if (!armed)
        return;
    armed = false;
    char head[320];
    std::snprintf(head, sizeof head,
                  "\nmonkey: stopped in event %d of seed %u; replay with RAVIK_MONKEY_SEED=%u RAVIK_MONKEY_EVENTS=%d "
                  "(or scripts/monkey %d %u)\nmonkey: last events:\n",
                  step, seed, seed, step, step, seed);
    put(head);
    for (int i = 0; i < used; ++i) {
        put("  ");
        put(lines[(next - used + i + Lines) % Lines]);
        put("\n");
    }
}

void onSignal(int signal)
{
    if (signal == SIGALRM)
        put("\nmonkey: one event has not ended for a long time; the program waits for something the monkey "
            "does not give\n");
    print();
    if (signal == SIGALRM)
        signal = SIGABRT;
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// Registers print() with every sanitizer runtime in the process; false when
// there is none.
bool onSanitizerDeath()
{
    QList<QByteArray> runtimes;
    dl_iterate_phdr(
        [](dl_phdr_info *info, size_t, void *data) {
            const QByteArray name(info->dlpi_name);
            if (name.contains("libasan") || name.contains("libubsan"))
                static_cast<QList<QByteArray> *>(data)->append(name);
            return 0;
        },
        &runtimes);
    using SetCallback = void (*)(void (*)());
    // A runtime linked into the program itself is found first.
    bool registered = false;
    if (auto set = reinterpret_cast<SetCallback>(dlsym(RTLD_DEFAULT, "__sanitizer_set_death_callback"))) {
        set(print);
        registered = true;
    }
    for (const QByteArray &name : runtimes) {
        if (void *handle = dlopen(name.constData(), RTLD_NOW | RTLD_NOLOAD)) {
            if (auto set = reinterpret_cast<SetCallback>(dlsym(handle, "__sanitizer_set_death_callback"))) {
                set(print);
                registered = true;
            }
            dlclose(handle);
        }
    }
    return registered;
}

void arm(quint32 runSeed)
{
    seed = runSeed;
    step = 0;
    next = used = 0;
    armed = true;
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    // The sanitizers handle the faults themselves and call back before they
    // end the process (each runtime loaded keeps its own callback); without
    // them the faults are caught here.
    if (!onSanitizerDeath())
        for (int s : {SIGSEGV, SIGBUS, SIGFPE, SIGILL})
            std::signal(s, onSignal);
    std::signal(SIGABRT, onSignal);
    std::signal(SIGALRM, onSignal);
}

} // namespace CrashLog

// How deep the loops of menus and boxes opened from one another may go.
constexpr int MaxNesting = 6;
// How long one event may take before the run is taken as stuck.
constexpr unsigned StuckSeconds = 300;

bool showing(const QWidget *w)
{
    return w && w->isVisible() && w->width() > 0 && w->height() > 0;
}

QString keyName(Qt::Key key, Qt::KeyboardModifiers mods)
{
    return QKeySequence(QKeyCombination(mods, key)).toString();
}

// The key a keyboard sends for a character: Latin-1 characters have key codes
// of their own (the capital letter's), others arrive as text only.
Qt::Key keyFor(QChar c)
{
    if (c.unicode() >= 0x20 && c.unicode() < 0x100) {
        const QChar upper = c.toUpper();
        return Qt::Key(upper.unicode() < 0x100 ? upper.unicode() : c.unicode());
    }
    return Qt::Key_unknown;
}

QString quoted(const QString &text)
{
    QString shown = text.left(60);
    if (text.size() > 60)
        shown += QStringLiteral("...");
    return QStringLiteral("\"%1\" (%2 chars)").arg(shown).arg(text.size());
}

QPoint randomPointIn(const QRect &r, std::mt19937 &random)
{
    return QPoint(r.left() + int(random() % quint32(std::max(1, r.width()))),
                  r.top() + int(random() % quint32(std::max(1, r.height()))));
}

} // namespace

// Sees every event of the application for the monkey. Time stands still
// for the program: only timers of no delay fire (deferred work), so that
// nothing depends on how long a step takes; a button's click animation after
// its mnemonic ends at once, and tool tips come only from the hover action.
// When a loop of the program waits for the user (a modal box, a menu run to
// its end), the monkey acts inside that loop: it answers the box or works in
// the menu.
class Monkey::Watcher : public QObject
{
public:
    explicit Watcher(Monkey *monkey)
        : m_monkey(monkey)
    {
        if (QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance())
            connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &Watcher::waiting);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::ToolTip:
            return !m_monkey->m_hovering;
        case QEvent::Timer:
            return !m_firing && interval(watched, static_cast<QTimerEvent *>(event)->timerId()) > 0;
        case QEvent::Shortcut:
            if (auto *button = qobject_cast<QAbstractButton *>(watched))
                endAnimationLater(button);
            break;
        default:
            break;
        }
        return false;
    }

    bool inStep = false;

    // The timers of `interval` that `target` runs fire now, as if that
    // long had passed.
    void expire(QObject *target, int interval)
    {
        const QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
        if (!target || !dispatcher)
            return;
        for (const auto &timer : dispatcher->registeredTimers(target)) {
            if (timer.interval != interval)
                continue;
            QTimerEvent event(timer.timerId);
            m_firing = true;
            QCoreApplication::sendEvent(target, &event);
            m_firing = false;
        }
    }

private:
    void waiting()
    {
        const int level = QThread::currentThread()->loopLevel();
        if (!inStep || level == 0 || m_postedLevel == level)
            return;
        m_postedLevel = level;
        QMetaObject::invokeMethod(
            this,
            [this, level] {
                m_postedLevel = 0;
                // A loop that ended before this came is no longer waiting.
                if (QThread::currentThread()->loopLevel() != level)
                    return;
                // A person answers a box once it is up and has the focus:
                // until the window system has made it active, look again on
                // the loop's next round.
                auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
                if (dialog && !dialog->isActiveWindow() && ++m_rounds < 10)
                    return;
                m_rounds = 0;
                m_monkey->actWhileWaiting();
            },
            Qt::QueuedConnection);
    }

    // A mnemonic presses its button and lets it go a moment later; that
    // moment comes with the next events of the key.
    void endAnimationLater(QAbstractButton *button)
    {
        QMetaObject::invokeMethod(
            this, [this, guard = QPointer<QAbstractButton>(button)] { expire(guard, ButtonAnimation); },
            Qt::QueuedConnection);
    }

    static int interval(QObject *watched, int id)
    {
        if (const QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance()) {
            for (const auto &timer : dispatcher->registeredTimers(watched)) {
                if (timer.timerId == id)
                    return timer.interval;
            }
        }
        return 0;
    }

    // How long a button stays down after its mnemonic.
    static constexpr int ButtonAnimation = 100;

    bool m_firing = false;
    Monkey *m_monkey;
    int m_postedLevel = 0;
    int m_rounds = 0;
};

Monkey::Monkey(QWidget *window, quint32 seed)
    : m_window(window)
    , m_random(seed)
    , m_watcher(std::make_unique<Watcher>(this))
{
    qApp->installEventFilter(m_watcher.get());
    // The program's own boxes open, with their loops and focus changes.
    Dialogs::setResponder({});
    QApplication::setKeyboardInputInterval(std::numeric_limits<int>::max() / 2);
    CrashLog::arm(seed);
    const QByteArray log = qgetenv("RAVIK_MONKEY_LOG");
    if (!log.isEmpty())
        m_log = std::fopen(log.constData(), "w");
}

Monkey::~Monkey()
{
    CrashLog::armed = false;
    if (m_log)
        std::fclose(m_log);
    qApp->removeEventFilter(m_watcher.get());
    TestSupport::restoreResponder();
    QApplication::setKeyboardInputInterval(-1);
}

void Monkey::note(const QString &what)
{
    const QString line = QStringLiteral("%1: %2").arg(m_step).arg(what);
    m_recent.push_back(line);
    if (m_recent.size() > CrashLog::Lines)
        m_recent.pop_front();
    const QByteArray utf8 = line.toUtf8();
    CrashLog::add(utf8);
    m_digest.addData(utf8);
    if (m_log) {
        std::fprintf(m_log, "%s\n", utf8.constData());
        std::fflush(m_log);
    }
}

QStringList Monkey::recent() const
{
    return QStringList(m_recent.begin(), m_recent.end());
}

QByteArray Monkey::digest() const
{
    return m_digest.result().toHex().left(16);
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
    // Widgets wholly covered or out of view take no clicks; try a few.
    for (int i = 0; i < 8; ++i) {
        QWidget *w = candidates.at(int(pick(quint32(candidates.size()))));
        if (!w->visibleRegion().isEmpty())
            return w;
    }
    return m_window;
}

bool Monkey::randomSpot(const QWidget *w, QPoint *global)
{
    if (!showing(w))
        return false;
    const QRegion region = w->visibleRegion();
    if (region.isEmpty())
        return false;
    const int count = int(std::distance(region.begin(), region.end()));
    const QRect r = *(region.begin() + pick(quint32(count)));
    *global = w->mapToGlobal(randomPointIn(r, m_random));
    return true;
}

QString Monkey::describe(const QWidget *w) const
{
    if (!w)
        return QStringLiteral("nothing");
    QString text = QString::fromLatin1(w->metaObject()->className());
    if (!w->objectName().isEmpty())
        return text + u'(' + w->objectName() + u')';
    for (const QWidget *p = w->parentWidget(); p; p = p->parentWidget()) {
        if (!p->objectName().isEmpty())
            return QStringLiteral("%1 in %2(%3)")
                .arg(text, QString::fromLatin1(p->metaObject()->className()), p->objectName());
    }
    return text;
}

QString Monkey::describeFocus() const
{
    if (QWidget *popup = QApplication::activePopupWidget())
        return QStringLiteral("pop-up ") + describe(popup->focusWidget() ? popup->focusWidget() : popup);
    return describe(QApplication::focusWidget());
}

QList<QWidget *> Monkey::usableNavigation() const
{
    QList<QWidget *> usable;
    if (!m_navigation)
        return usable;
    for (QWidget *b : m_navigation()) {
        if (showing(b) && b->isEnabled() && !b->visibleRegion().isEmpty())
            usable << b;
    }
    return usable;
}

// ---- Events ----------------------------------------------------------------

QWindow *Monkey::windowAt(const QPoint &global) const
{
    if (QWidget *popup = QApplication::activePopupWidget()) {
        if (popup->windowHandle() && popup->frameGeometry().contains(global))
            return popup->windowHandle();
    }
    return m_window->windowHandle();
}

QWindow *Monkey::keyWindow() const
{
    // The main window's handling gives keys to an open pop-up, to a widget
    // that grabbed the keyboard or to the focus widget, as the platform does.
    return m_window->windowHandle();
}

void Monkey::press(const QPoint &global, Qt::MouseButton button, Qt::KeyboardModifiers mods)
{
    QWindow *w = windowAt(global);
    QTest::mousePress(w, button, mods, w->mapFromGlobal(global));
}

void Monkey::release(const QPoint &global, Qt::MouseButton button, Qt::KeyboardModifiers mods)
{
    QWindow *w = windowAt(global);
    QTest::mouseRelease(w, button, mods, w->mapFromGlobal(global));
}

void Monkey::moveTo(const QPoint &global)
{
    QWindow *w = windowAt(global);
    QTest::mouseMove(w, w->mapFromGlobal(global));
}

void Monkey::sendKey(Qt::Key key, Qt::KeyboardModifiers mods)
{
    QTest::keyPress(keyWindow(), key, mods);
    QTest::keyRelease(keyWindow(), key, mods);
}

void Monkey::sendText(const QString &text)
{
    for (const QChar c : text) {
        const Qt::KeyboardModifiers mods = c.isUpper() ? Qt::ShiftModifier : Qt::NoModifier;
        QTest::sendKeyEvent(QTest::Press, keyWindow(), keyFor(c), QString(c), mods);
        QTest::sendKeyEvent(QTest::Release, keyWindow(), keyFor(c), QString(c), mods);
    }
}

// ---- Actions ---------------------------------------------------------------

QString Monkey::step()
{
    ++m_step;
    CrashLog::step = m_step;
    m_watcher->inStep = true;
    // A watchdog for an event that never ends (a loop nobody answers); it
    // only reports, it chooses nothing.
    alarm(StuckSeconds);
    const QString what = act();
    alarm(0);
    m_watcher->inStep = false;
    return what;
}

void Monkey::actWhileWaiting()
{
    if (QThread::currentThread()->loopLevel() > MaxNesting) {
        // Menus opened from menus, boxes from boxes: a hand would stop
        // somewhere; so does the monkey, by closing what waits.
        note(QStringLiteral("close what waits at loop level %1").arg(QThread::currentThread()->loopLevel()));
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            dialog->reject();
        else if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
        return;
    }
    if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
        answer(dialog);
    else if (QWidget *popup = QApplication::activePopupWidget())
        inPopup(popup);
    else
        act();
}

QString Monkey::act()
{
    if (QWidget *popup = QApplication::activePopupWidget())
        return inPopup(popup);
    if (QApplication::activeWindow() != m_window && !QApplication::activeModalWidget()) {
        // A window manager gives the window back its activation on the next
        // click; the keys of this step need it as well.
        note(QStringLiteral("activate the window"));
        m_window->activateWindow();
        QCoreApplication::processEvents();
    }
    const quint32 roll = pick(100);
    if (roll < 4)
        return navigate();
    if (roll < 6)
        return turnPages();
    if (roll < 36)
        return click(randomTarget(), Qt::LeftButton);
    if (roll < 42)
        return click(randomTarget(), Qt::RightButton);
    if (roll < 49)
        return doubleClick(randomTarget());
    if (roll < 54)
        return drag(randomTarget());
    if (roll < 56)
        return pullSelection();
    if (roll < 59)
        return hover(randomTarget(), roll == 58);
    if (roll < 73)
        return key();
    if (roll < 82)
        return type();
    return workInInput();
}

QString Monkey::click(QWidget *w, Qt::MouseButton button)
{
    QPoint g;
    if (!randomSpot(w, &g))
        return key();
    const quint32 roll = pick(16);
    const Qt::KeyboardModifiers mods = roll == 0 ? Qt::ShiftModifier : roll == 1 ? Qt::ControlModifier : Qt::NoModifier;
    const QPoint local = w->mapFromGlobal(g);
    const QString what = QStringLiteral("%1%2 %3 at %4,%5")
                             .arg(roll == 0   ? QStringLiteral("shift-")
                                  : roll == 1 ? QStringLiteral("ctrl-")
                                              : QString(),
                                  button == Qt::RightButton ? QStringLiteral("right-click") : QStringLiteral("click"),
                                  describe(w))
                             .arg(local.x())
                             .arg(local.y());
    note(what);
    // Press and release apart, so that a press that closes a pop-up reaches
    // the widget beneath it before the release does.
    press(g, button, mods);
    release(g, button, mods);
    return what;
}

QString Monkey::doubleClick(QWidget *w)
{
    QPoint g;
    if (!randomSpot(w, &g))
        return key();
    const QPoint local = w->mapFromGlobal(g);
    const QString what = QStringLiteral("double-click %1 at %2,%3").arg(describe(w)).arg(local.x()).arg(local.y());
    note(what);
    QWindow *window = windowAt(g);
    QTest::mouseDClick(window, Qt::LeftButton, {}, window->mapFromGlobal(g));
    return what;
}

QString Monkey::drag(QWidget *w)
{
    QPoint from;
    if (!randomSpot(w, &from))
        return key();
    const QPoint to = from + QPoint(int(pick(121)) - 60, int(pick(121)) - 60);
    const QPoint local = w->mapFromGlobal(from);
    const QString what = QStringLiteral("drag %1 from %2,%3 by %4,%5")
                             .arg(describe(w))
                             .arg(local.x())
                             .arg(local.y())
                             .arg(to.x() - from.x())
                             .arg(to.y() - from.y());
    note(what);
    press(from, Qt::LeftButton);
    // The points on the way stay inside the main window.
    const QRect area(m_window->mapToGlobal(QPoint(0, 0)), m_window->size());
    for (int i = 1; i <= 4; ++i) {
        const QPoint p = from + (to - from) * i / 4;
        moveTo(QPoint(std::clamp(p.x(), area.left(), area.right()), std::clamp(p.y(), area.top(), area.bottom())));
    }
    release(QPoint(std::clamp(to.x(), area.left(), area.right()), std::clamp(to.y(), area.top(), area.bottom())),
            Qt::LeftButton);
    return what;
}

QString Monkey::pullSelection()
{
    QList<QWidget *> boxes;
    for (QWidget *w : m_window->findChildren<QWidget *>()) {
        const bool text = qobject_cast<QLineEdit *>(w) || qobject_cast<QPlainTextEdit *>(w) || qobject_cast<QTextEdit *>(w);
        if (text && showing(w) && w->isEnabled() && w->window() == m_window)
            boxes << w;
    }
    if (boxes.isEmpty())
        return drag(randomTarget());
    QWidget *box = boxes.at(int(pick(quint32(boxes.size()))));
    auto *area = qobject_cast<QAbstractScrollArea *>(box);
    QWidget *surface = area ? area->viewport() : box;
    QPoint g;
    if (!randomSpot(surface, &g))
        return key();
    // Out of the box in one quick move, below or above it, within the window.
    const QRect window(m_window->mapToGlobal(QPoint(0, 0)), m_window->size());
    const int away = box->height() + 10 + int(pick(200));
    const QPoint to(g.x(), std::clamp(g.y() + (chance(2) ? away : -away), window.top(), window.bottom()));
    const QPoint local = surface->mapFromGlobal(g);
    const QString what = QStringLiteral("double-click %1 at %2,%3, press there and pull out by %4")
                             .arg(describe(box))
                             .arg(local.x())
                             .arg(local.y())
                             .arg(to.y() - g.y());
    note(what);
    QWindow *handle = windowAt(g);
    QTest::mouseDClick(handle, Qt::LeftButton, {}, handle->mapFromGlobal(g));
    if (QApplication::activePopupWidget() || QApplication::activeModalWidget())
        return what;
    // The hand rests a moment before it presses again, so that the press is
    // no triple click.
    QObjectList parts = box->findChildren<QObject *>();
    parts << box;
    for (QObject *o : parts)
        m_watcher->expire(o, QApplication::doubleClickInterval());
    press(g, Qt::LeftButton);
    // A drag is an object made on the box for the move; a drag's own loop
    // takes the release on a desktop, and the box's scrolling starts the
    // next drag.
    const QPointer<QWidget> watched(surface);
    TestSupport::ChildrenMade made;
    surface->installEventFilter(&made);
    moveTo(to);
    if (watched)
        watched->removeEventFilter(&made);
    if (made.count > 0)
        ADD_FAILURE() << "a press on the text selected in " << qPrintable(describe(box)) << " started a drag";
    release(to, Qt::LeftButton);
    return what;
}

QString Monkey::hover(QWidget *w, bool rest)
{
    QPoint g;
    if (!randomSpot(w, &g))
        return key();
    const QString what =
        QStringLiteral("move over %1%2").arg(describe(w), rest ? QStringLiteral(" and rest for its hint") : QString());
    note(what);
    moveTo(g);
    // The tool tip request the application makes when the mouse rests.
    QWidget *under = QApplication::widgetAt(g);
    if (!rest || !under)
        return what;
    m_hovering = true;
    QHelpEvent help(QEvent::ToolTip, under->mapFromGlobal(g), g);
    QCoreApplication::sendEvent(under, &help);
    m_hovering = false;
    return what;
}

QString Monkey::key()
{
    static const Qt::Key keys[] = {Qt::Key_Tab,      Qt::Key_Backtab,  Qt::Key_Return, Qt::Key_Enter,  Qt::Key_Escape,
                                   Qt::Key_Left,     Qt::Key_Right,    Qt::Key_Up,     Qt::Key_Down,   Qt::Key_Home,
                                   Qt::Key_End,      Qt::Key_PageUp,   Qt::Key_PageDown, Qt::Key_Backspace,
                                   Qt::Key_Delete,   Qt::Key_Insert,   Qt::Key_Space,  Qt::Key_F2,     Qt::Key_F4,
                                   Qt::Key_A,        Qt::Key_N,        Qt::Key_B,      Qt::Key_S,      Qt::Key_1};
    const Qt::Key k = keys[pick(std::size(keys))];
    const quint32 roll = pick(24);
    // Alt with a letter is a button's mnemonic (Alt+N is Next), Alt+Down
    // opens a drop-down.
    const Qt::KeyboardModifiers mods = roll < 4   ? Qt::ShiftModifier
                                       : roll < 6 ? Qt::ControlModifier
                                       : roll < 8 ? Qt::AltModifier
                                                  : Qt::NoModifier;
    const QString what = QStringLiteral("key %1 to %2").arg(keyName(k, mods), describeFocus());
    note(what);
    sendKey(k, mods);
    return what;
}

QString Monkey::randomText(int maxLength)
{
    static const QString pieces[] = {
        QStringLiteral("a"),        QStringLiteral("Z"),          QStringLiteral("0"),     QStringLiteral("9"),
        QStringLiteral("/"),        QStringLiteral(" "),          QStringLiteral("\u00e9"), QStringLiteral("\u65e5"),
        QStringLiteral("31/02/1998"), QStringLiteral("Area1"),    QStringLiteral("Prospect"), QStringLiteral("%d%s"),
        QStringLiteral("\"'"),      QStringLiteral("Contacts"),   QStringLiteral("-")};
    QString text;
    const int n = 1 + int(pick(8));
    for (int i = 0; i < n; ++i)
        text += pieces[pick(std::size(pieces))];
    // Now and then a text longer than the fields take.
    if (chance(8)) {
        while (text.size() < maxLength)
            text += text;
    }
    return text.left(maxLength);
}

QString Monkey::type()
{
    const QString text = randomText(40);
    const QString what = QStringLiteral("type %1 to %2").arg(quoted(text), describeFocus());
    note(what);
    sendText(text);
    return what;
}

void Monkey::typeInto(int pieces)
{
    static const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab,   Qt::Key_Backtab, Qt::Key_Space,
                                   Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,
                                   Qt::Key_Down,   Qt::Key_Home,   Qt::Key_End,   Qt::Key_F2,      Qt::Key_F4};
    for (int i = 0; i < pieces; ++i) {
        if (pick(5) < 3) {
            // Page names and other fields get texts around their limits.
            const QString text = randomText(chance(3) ? 30 : 12);
            note(QStringLiteral("  type %1 to %2").arg(quoted(text), describeFocus()));
            sendText(text);
        } else {
            const Qt::Key k = keys[pick(std::size(keys))];
            const Qt::KeyboardModifiers mods = chance(6) ? Qt::ShiftModifier : Qt::NoModifier;
            note(QStringLiteral("  key %1 to %2").arg(keyName(k, mods), describeFocus()));
            sendKey(k, mods);
        }
        // A key may have moved the tour on or opened a pop-up: the rest of
        // the action follows the new state on the next step.
        if (QApplication::activePopupWidget())
            return;
    }
}

QString Monkey::navigate()
{
    const QList<QWidget *> usable = usableNavigation();
    if (usable.isEmpty())
        return click(randomTarget(), Qt::LeftButton);
    QWidget *b = usable.at(int(pick(quint32(usable.size()))));
    QPoint g;
    if (!randomSpot(b, &g))
        return key();
    // With a pop-up open, a pointer's press closes the pop-up before it
    // reaches the button; an automation or accessibility client presses the
    // button itself, and the page changes under the open pop-up.
    const bool straight = QApplication::activePopupWidget() && chance(2);
    const QString what = QStringLiteral("press %1%2 (focus in %3)")
                             .arg(describe(b),
                                  straight                             ? QStringLiteral(" straight, with a pop-up open")
                                  : QApplication::activePopupWidget() ? QStringLiteral(" with a pop-up open")
                                                                      : QString(),
                                  describe(QApplication::focusWidget()));
    note(what);
    if (straight) {
        const QPoint local = b->mapFromGlobal(g);
        QPointer<QWidget> guard(b);
        QTest::mousePress(b, Qt::LeftButton, {}, local);
        if (guard)
            QTest::mouseRelease(b, Qt::LeftButton, {}, local);
        return what;
    }
    press(g, Qt::LeftButton);
    release(g, Qt::LeftButton);
    return what;
}

QString Monkey::turnPages()
{
    QWidget *pager = m_pager;
    if (!showing(pager))
        return key();
    const QRegion visible = pager->visibleRegion();
    for (int i = 0; i < 12; ++i) {
        const QPoint p = randomPointIn(pager->rect(), m_random);
        if (pager->childAt(p) || !visible.contains(p))
            continue;
        const Qt::Key k = chance(2) ? Qt::Key_Left : Qt::Key_Right;
        const int times = 1 + int(pick(3));
        const QString what = QStringLiteral("click %1 at %2,%3 and press %4 %5 times")
                                 .arg(describe(pager))
                                 .arg(p.x())
                                 .arg(p.y())
                                 .arg(keyName(k, {}))
                                 .arg(times);
        note(what);
        const QPoint g = pager->mapToGlobal(p);
        press(g, Qt::LeftButton);
        release(g, Qt::LeftButton);
        for (int t = 0; t < times; ++t)
            sendKey(k, {});
        return what;
    }
    return key();
}

QString Monkey::workInInput()
{
    QList<QWidget *> inputs;
    for (QWidget *w : m_window->findChildren<QWidget *>()) {
        const bool input = qobject_cast<QLineEdit *>(w) || qobject_cast<QComboBox *>(w)
                           || qobject_cast<QAbstractItemView *>(w) || qobject_cast<QPlainTextEdit *>(w)
                           || qobject_cast<QTextEdit *>(w) || qobject_cast<QAbstractSpinBox *>(w);
        if (input && showing(w) && w->isEnabled() && w->window() == m_window && (w->focusPolicy() & Qt::ClickFocus))
            inputs << w;
    }
    if (inputs.isEmpty())
        return key();
    QWidget *input = inputs.at(int(pick(quint32(inputs.size()))));
    // A grid or list is worked through its cells: a click makes a cell
    // current, a double-click opens its editor where cells are editable.
    QWidget *surface = input;
    if (auto *view = qobject_cast<QAbstractItemView *>(input))
        surface = view->viewport();
    QPoint g;
    if (!randomSpot(surface, &g))
        return key();
    const bool twice = qobject_cast<QAbstractItemView *>(input) && chance(3);
    const QPoint local = surface->mapFromGlobal(g);
    const QString what = QStringLiteral("work in %1: %2 at %3,%4")
                             .arg(describe(input), twice ? QStringLiteral("double-click") : QStringLiteral("click"))
                             .arg(local.x())
                             .arg(local.y());
    note(what);
    if (twice) {
        QWindow *window = windowAt(g);
        QTest::mouseDClick(window, Qt::LeftButton, {}, window->mapFromGlobal(g));
    } else {
        press(g, Qt::LeftButton);
        release(g, Qt::LeftButton);
    }
    if (QApplication::activePopupWidget())
        return what;
    typeInto(1 + int(pick(6)));
    if (QApplication::activePopupWidget() || !chance(4))
        return what;
    // The page changes while the control still holds the focus: by a button,
    // by Enter reaching the default button, by a mnemonic or by the arrows.
    switch (pick(4)) {
    case 0: navigate(); break;
    case 1:
        note(QStringLiteral("  key Return to %1").arg(describeFocus()));
        sendKey(Qt::Key_Return, {});
        break;
    case 2: {
        const Qt::Key k = chance(2) ? Qt::Key_N : Qt::Key_B;
        note(QStringLiteral("  key %1 to %2").arg(keyName(k, Qt::AltModifier), describeFocus()));
        sendKey(k, Qt::AltModifier);
        break;
    }
    default: turnPages(); break;
    }
    return what;
}

QString Monkey::inPopup(QWidget *popup)
{
    const quint32 roll = pick(100);
    if (roll < 38)
        return pickInPopup(popup);
    if (roll < 60)
        return popupKey(popup);
    if (roll < 78)
        return click(randomTarget(), chance(5) ? Qt::RightButton : Qt::LeftButton);
    if (roll < 90)
        return navigate();
    if (roll < 95)
        return turnPages();
    return type();
}

QString Monkey::pickInPopup(QWidget *popup)
{
    if (auto *menu = qobject_cast<QMenu *>(popup)) {
        QList<QAction *> actions;
        for (QAction *a : menu->actions()) {
            if (a->isVisible() && !menu->actionGeometry(a).isEmpty())
                actions << a;
        }
        if (actions.isEmpty())
            return popupKey(popup);
        QAction *a = actions.at(int(pick(quint32(actions.size()))));
        const QPoint g = menu->mapToGlobal(randomPointIn(menu->actionGeometry(a), m_random));
        const QString what = QStringLiteral("click menu item \"%1\"%2")
                                 .arg(a->text(), a->isEnabled() ? QString() : QStringLiteral(" (disabled)"));
        note(what);
        moveTo(g);
        press(g, Qt::LeftButton);
        release(g, Qt::LeftButton);
        return what;
    }
    auto *view = popup->findChild<QAbstractItemView *>();
    QWidget *surface = view ? view->viewport() : popup;
    QPoint g;
    if (!randomSpot(surface, &g))
        return popupKey(popup);
    const QModelIndex index = view ? view->indexAt(surface->mapFromGlobal(g)) : QModelIndex();
    const QString what = index.isValid() ? QStringLiteral("click line %1 \"%2\" of the drop-down list")
                                               .arg(index.row())
                                               .arg(index.data().toString())
                                         : QStringLiteral("click in pop-up %1").arg(describe(popup));
    note(what);
    if (view) {
        // The pointer comes across the list, as a hand moves it; a release
        // right where the list was opened is not taken as a pick.
        const QRect r = surface->rect().adjusted(1, 1, -1, -1);
        moveTo(surface->mapToGlobal(r.topLeft()));
        moveTo(surface->mapToGlobal(r.bottomRight()));
    }
    moveTo(g);
    press(g, Qt::LeftButton);
    release(g, Qt::LeftButton);
    return what;
}

QString Monkey::popupKey(QWidget *popup)
{
    static const Qt::Key keys[] = {Qt::Key_Down, Qt::Key_Up,    Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_Home,
                                   Qt::Key_End,  Qt::Key_Return, Qt::Key_Enter,   Qt::Key_Escape, Qt::Key_Space,
                                   Qt::Key_Tab,  Qt::Key_Left,  Qt::Key_Right,    Qt::Key_F4,     Qt::Key_A,
                                   Qt::Key_S};
    const Qt::Key k = keys[pick(std::size(keys))];
    const Qt::KeyboardModifiers mods = chance(10) ? Qt::AltModifier : Qt::NoModifier;
    const QString what = QStringLiteral("key %1 in pop-up %2").arg(keyName(k, mods), describe(popup));
    note(what);
    sendKey(k, mods);
    return what;
}

void Monkey::answer(QDialog *dialog)
{
    auto *box = qobject_cast<QMessageBox *>(dialog);
    if (!box || !box->windowHandle()) {
        note(QStringLiteral("  dialog %1: closed").arg(describe(dialog)));
        dialog->reject();
        return;
    }
    QPointer<QDialog> guard(dialog);
    const QString text = box->text().simplified();
    const QList<QAbstractButton *> buttons = box->buttons();
    const quint32 roll = pick(10);
    if (roll < 2 || buttons.isEmpty()) {
        const Qt::Key k = roll == 0 ? Qt::Key_Escape : Qt::Key_Return;
        note(QStringLiteral("  box %1: key %2").arg(quoted(text), keyName(k, {})));
        QTest::keyClick(box->windowHandle(), k);
    } else {
        QAbstractButton *b = buttons.at(int(pick(quint32(buttons.size()))));
        note(QStringLiteral("  box %1: button \"%2\"").arg(quoted(text), b->text()));
        QWindow *w = box->windowHandle();
        const QPoint p = w->mapFromGlobal(b->mapToGlobal(b->rect().center()));
        QTest::mousePress(w, Qt::LeftButton, {}, p);
        if (guard && w == box->windowHandle())
            QTest::mouseRelease(w, Qt::LeftButton, {}, p);
    }
    // A key the box does not take leaves it open; its loop asks again.
}
