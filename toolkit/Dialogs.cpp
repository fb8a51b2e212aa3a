#include "toolkit/Dialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

Dialogs::Responder &responder()
{
    static Dialogs::Responder r;
    return r;
}

QList<Dialogs::Request> &shownList()
{
    static QList<Dialogs::Request> list;
    return list;
}

QString &appTitle()
{
    static QString title = QStringLiteral("Ravik Demonstration");
    return title;
}

QString titleFor(Dialogs::MsgType type)
{
    switch (type) {
    case Dialogs::MsgType::mtWarning: return QStringLiteral("Warning");
    case Dialogs::MsgType::mtError: return QStringLiteral("Error");
    case Dialogs::MsgType::mtInformation: return QStringLiteral("Information");
    case Dialogs::MsgType::mtConfirmation: return QStringLiteral("Confirm");
    case Dialogs::MsgType::mtCustom: return appTitle();
    }
    return appTitle();
}

int show(const Dialogs::Request &request)
{
    shownList().append(request);
    if (responder())
        return responder()(request);
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return Dialogs::mrCancel;

    QMessageBox box;
    box.setWindowTitle(request.title);
    box.setText(request.text);
    switch (request.type) {
    case Dialogs::MsgType::mtWarning: box.setIcon(QMessageBox::Warning); break;
    case Dialogs::MsgType::mtError: box.setIcon(QMessageBox::Critical); break;
    case Dialogs::MsgType::mtInformation: box.setIcon(QMessageBox::Information); break;
    case Dialogs::MsgType::mtConfirmation: box.setIcon(QMessageBox::Question); break;
    case Dialogs::MsgType::mtCustom: box.setIcon(QMessageBox::NoIcon); break;
    }
    struct Map {
        Dialogs::MsgButton button;
        QMessageBox::StandardButton standard;
        int result;
    };
    const Map map[] = {
        {Dialogs::MsgButton::mbYes, QMessageBox::Yes, Dialogs::mrYes},
        {Dialogs::MsgButton::mbNo, QMessageBox::No, Dialogs::mrNo},
        {Dialogs::MsgButton::mbOK, QMessageBox::Ok, Dialogs::mrOk},
        {Dialogs::MsgButton::mbCancel, QMessageBox::Cancel, Dialogs::mrCancel},
        {Dialogs::MsgButton::mbAbort, QMessageBox::Abort, Dialogs::mrAbort},
        {Dialogs::MsgButton::mbRetry, QMessageBox::Retry, Dialogs::mrRetry},
        {Dialogs::MsgButton::mbIgnore, QMessageBox::Ignore, Dialogs::mrIgnore},
    };
    QMessageBox::StandardButtons buttons;
    for (const Map &m : map) {
        if (request.buttons.testFlag(m.button))
            buttons |= m.standard;
    }
    if (!buttons)
        buttons = QMessageBox::Ok;
    box.setStandardButtons(buttons);
    const int pressed = box.exec();
    for (const Map &m : map) {
        if (pressed == m.standard)
            return m.result;
    }
    return request.buttons.testFlag(Dialogs::MsgButton::mbCancel) ? Dialogs::mrCancel : Dialogs::mrOk;
}

} // namespace

int Dialogs::MessageDlg(const QString &text, MsgType type, MsgButtons buttons, int)
{
    return show(Request{titleFor(type), text, type, buttons});
}

void Dialogs::ShowMessage(const QString &text)
{
    show(Request{appTitle(), text, MsgType::mtCustom, MsgButton::mbOK});
}

void Dialogs::ShowException(const QString &message)
{
    QString text = message.trimmed();
    if (!text.isEmpty() && !text.endsWith(u'.'))
        text += u'.';
    show(Request{appTitle(), text, MsgType::mtError, MsgButton::mbOK});
}

void Dialogs::setResponder(Responder r)
{
    responder() = std::move(r);
}

const QList<Dialogs::Request> &Dialogs::shown()
{
    return shownList();
}

void Dialogs::clearShown()
{
    shownList().clear();
}

void Dialogs::setApplicationTitle(const QString &title)
{
    appTitle() = title;
}

QString Dialogs::applicationTitle()
{
    return appTitle();
}

QWidget *Dialogs::ownerWindow(const QObject *owner)
{
    if (auto *w = qobject_cast<const QWidget *>(owner))
        return w->window();
    return QApplication::activeWindow();
}
