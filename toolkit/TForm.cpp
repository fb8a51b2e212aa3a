#include "toolkit/TForm.h"

#include "toolkit/AccessibleNames.h"
#include "toolkit/Application.h"
#include "toolkit/FormReader.h"
#include "toolkit/Keys.h"
#include "toolkit/Printing.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QScopedValueRollback>
#include <QScreen>
#include <QTimer>

namespace {

// Offers a dialog key to the controls inside `parent`, depth first; forms
// embedded inside are left to handle their own keys.
bool offerDialogKey(QWidget *parent, int key)
{
    for (QObject *o : parent->children()) {
        if (!o->isWidgetType())
            continue;
        auto *w = static_cast<QWidget *>(o);
        if (w->isWindow() || qobject_cast<TForm *>(w) || !w->isVisible())
            continue;
        if (Control *c = Control::from(w); c && c->dialogKey(key))
            return true;
        if (offerDialogKey(w, key))
            return true;
    }
    return false;
}

} // namespace

TForm::TForm(QObject *owner)
    : ControlWidget<QWidget>(owner)
{
    SetVisible(false);
    setFocusable(false);
}

TForm::~TForm()
{
    // A form's handlers are methods of its own class, which is gone by now:
    // only free() can raise OnDestroy while they still run.
    if (!isDestroying() && m_created)
        qWarning("TForm::~TForm: %s was deleted without Component::free; OnDestroy was not raised",
                 qPrintable(objectName()));
    if (Application::mainForm() == this)
        Application::setMainForm(nullptr);
}

void TForm::SetCaption(const QString &caption)
{
    m_caption = caption;
    setWindowTitle(caption);
}

void TForm::SetClientWidth(int w)
{
    resize(w, height());
}

void TForm::SetClientHeight(int h)
{
    resize(width(), h);
}

void TForm::SetBorderStyle(Tk::TFormBorderStyle style)
{
    m_borderStyle = style;
    applyWindowFlags();
}

void TForm::SetBorderIcons(Tk::TBorderIcons icons)
{
    m_borderIcons = icons;
    applyWindowFlags();
}

void TForm::applyWindowFlags()
{
    if (!isWindow() || isLoading())
        return;
    Qt::WindowFlags flags = Qt::Window;
    if (m_borderStyle == Tk::TFormBorderStyle::bsNone) {
        flags |= Qt::FramelessWindowHint;
    } else {
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (m_borderIcons.testFlag(Tk::TBorderIcon::biSystemMenu))
            flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        const bool dialog = m_borderStyle == Tk::TFormBorderStyle::bsDialog;
        if (!dialog && m_borderIcons.testFlag(Tk::TBorderIcon::biMinimize))
            flags |= Qt::WindowMinimizeButtonHint;
        if (!dialog && m_borderIcons.testFlag(Tk::TBorderIcon::biMaximize))
            flags |= Qt::WindowMaximizeButtonHint;
    }
    const bool wasVisible = isVisible();
    if (windowFlags() != flags) {
        setWindowFlags(flags);
        if (wasVisible)
            QWidget::show();
    }
}

void TForm::SetWindowState(Tk::TWindowState state)
{
    m_windowState = state;
    if (isLoading())
        return;
    if (!isWindow()) {
        if (state == Tk::TWindowState::wsMaximized)
            fillParent();
        return;
    }
    if (!isVisible())
        return;
    switch (state) {
    case Tk::TWindowState::wsMaximized: maximize(); break;
    case Tk::TWindowState::wsMinimized: showMinimized(); break;
    case Tk::TWindowState::wsNormal: showNormal(); break;
    }
}

void TForm::maximize()
{
    showMaximized();
    // A display without a window manager leaves the window at its size and
    // without the input focus; the form then takes the screen's free area
    // itself, as a maximised window (also when it was larger than the
    // screen), and the focus, as a new window gets it.
    QTimer::singleShot(250, this, [guard = QPointer<TForm>(this)] {
        if (!guard || !guard->isVisible() || guard->m_windowState != Tk::TWindowState::wsMaximized)
            return;
        QScreen *s = guard->screen();
        if (!s)
            return;
        const QRect avail = s->availableGeometry();
        const QSize frame = guard->frameGeometry().size();
        const bool smaller = frame.width() < avail.width() && frame.height() < avail.height();
        if (smaller || frame.width() > avail.width() || frame.height() > avail.height()) {
            guard->setGeometry(avail);
            guard->activateWindow();
        }
    });
}

void TForm::fillParent()
{
    // Through SetBounds, so that aligned controls follow also while hidden.
    if (QWidget *p = parentWidget())
        SetBounds(0, 0, p->width(), p->height());
}

QWidget *TForm::ActiveControl() const
{
    QWidget *f = QApplication::focusWidget();
    return f && isAncestorOf(f) ? f : nullptr;
}

void TForm::SetActiveControl(QWidget *control)
{
    if (Control *c = Control::from(control))
        c->SetFocus();
}

void TForm::SetModalResult(int result)
{
    m_modalResult = result;
}

void TForm::SetVisible(bool visible)
{
    if (isLoading() || (isWindow() && (!m_created || m_inOnCreate) && visible)) {
        // A form shows itself once it exists; loading and its own OnCreate
        // only record the wish.
        Control::SetVisible(visible);
        if (!visible)
            QWidget::hide();
        return;
    }
    Control::SetVisible(visible);
    if (isWindow()) {
        if (visible)
            Show();
        else
            QWidget::hide();
    }
}

void TForm::SetParent(QWidget *parent)
{
    QWidget *old = parentWidget();
    if (old == parent)
        return;
    if (old)
        old->removeEventFilter(this);
    Control::SetParent(parent);
    if (parent) {
        parent->installEventFilter(this);
        if (m_windowState == Tk::TWindowState::wsMaximized)
            fillParent();
    } else {
        applyWindowFlags();
    }
}

QRect TForm::BoundsRect() const
{
    return isWindow() && isVisible() ? frameGeometry() : geometry();
}

void TForm::SetBounds(int left, int top, int width, int height)
{
    if (!isWindow()) {
        Control::SetBounds(left, top, width, height);
        return;
    }
    // The stored size of a window includes its frame.
    const QRect frame = frameGeometry();
    const QRect client = geometry();
    const int ml = isVisible() ? client.left() - frame.left() : 0;
    const int mt = isVisible() ? client.top() - frame.top() : 0;
    const int mw = isVisible() ? frame.width() - client.width() : 0;
    const int mh = isVisible() ? frame.height() - client.height() : 0;
    const QRect wanted(left + ml, top + mt, std::max(0, width - mw), std::max(0, height - mh));
    if (geometry() == wanted)
        return;
    const QSize oldSize = size();
    setGeometry(wanted);
    boundsChanged();
    if (wanted.size() != oldSize)
        Realign();
}

void TForm::Show()
{
    Control::SetVisible(true);
    if (!isWindow()) {
        QWidget::show();
        return;
    }
    applyWindowFlags();
    if (m_position == Tk::TPosition::poScreenCenter || m_position == Tk::TPosition::poDesktopCenter) {
        if (QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen()) {
            const QRect avail = s->availableGeometry();
            move(avail.center() - rect().center());
        }
    }
    switch (m_windowState) {
    case Tk::TWindowState::wsMaximized: maximize(); break;
    case Tk::TWindowState::wsMinimized: showMinimized(); break;
    case Tk::TWindowState::wsNormal: QWidget::show(); break;
    }
}

void TForm::Close()
{
    bool canClose = true;
    fire([&] { emit OnCloseQuery(this, canClose); });
    if (!canClose)
        return;
    const bool main = Application::mainForm() == this;
    Tk::TCloseAction action = main ? Tk::TCloseAction::caFree : Tk::TCloseAction::caHide;
    fire([&] { emit OnClose(this, action); });
    if (action == Tk::TCloseAction::caNone)
        return;
    if (main) {
        Application::terminate();
        return;
    }
    switch (action) {
    case Tk::TCloseAction::caHide: SetVisible(false); break;
    case Tk::TCloseAction::caMinimize: showMinimized(); break;
    case Tk::TCloseAction::caFree: Component::free(this); break;
    case Tk::TCloseAction::caNone: break;
    }
}

int TForm::ShowModal()
{
    m_modalResult = 0;
    Show();
    QEventLoop loop;
    QPointer<TForm> self(this);
    while (self && m_modalResult == 0 && isVisible() && !Application::isTerminated())
        loop.processEvents(QEventLoop::WaitForMoreEvents);
    if (!self)
        return 2;
    const int result = m_modalResult;
    QWidget::hide();
    return result;
}

void TForm::Print()
{
    Printing::printImage(this);
}

void TForm::loadDefinition(const QString &path)
{
    m_definitionPath = path;
    FormReader::loadFile(this, path);
}

void TForm::doCreate()
{
    m_created = true;
    const bool wishedBefore = Visible();
    {
        const QScopedValueRollback<bool> inOnCreate(m_inOnCreate, true);
        fire([this] { emit OnCreate(this); });
    }
    // A window made visible by its own OnCreate appears once control is back
    // in the event loop, if it is still a hidden window that should be seen.
    // The one who created it may first embed it in a container (a form host
    // does): shown at once, it would flash up as a window of its own.
    if (!wishedBefore && isWindow() && isHidden() && Visible())
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (isWindow() && isHidden() && Visible())
                    Show();
            },
            Qt::QueuedConnection);
}

void TForm::loaded()
{
    Control::loaded();
    applyWindowFlags();
    Control::arrangeFocusChain(this);
    AccessibleNames::nameControls(this);
}

void TForm::beforeDestruction()
{
    if (isDestroying())
        return;
    if (m_created)
        fire([this] { emit OnDestroy(this); });
    ControlWidget<QWidget>::beforeDestruction();
}

void TForm::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    fire([this] { emit OnPaint(this); });
}

void TForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    fire([this] { emit OnShow(this); });
    // An embedded form becomes the active form when it is shown.
    if (!isWindow())
        fire([this] { emit OnActivate(this); });
}

void TForm::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    fire([this] { emit OnHide(this); });
}

void TForm::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fire([this] { emit OnResize(this); });
}

void TForm::closeEvent(QCloseEvent *event)
{
    event->ignore();
    Close();
}

void TForm::keyPressEvent(QKeyEvent *event)
{
    const int vk = Keys::virtualKey(event->key());
    if ((vk == Keys::VK_ESCAPE || vk == Keys::VK_RETURN) && event->modifiers() == Qt::NoModifier) {
        if (offerDialogKey(this, vk)) {
            event->accept();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

bool TForm::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::WindowActivate:
        if (isWindow())
            fire([this] { emit OnActivate(this); });
        break;
    case QEvent::WindowDeactivate:
        if (isWindow())
            fire([this] { emit OnDeactivate(this); });
        break;
    default:
        break;
    }
    return ControlWidget<QWidget>::event(event);
}

bool TForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize
        && m_windowState == Tk::TWindowState::wsMaximized)
        fillParent();
    return ControlWidget<QWidget>::eventFilter(watched, event);
}
