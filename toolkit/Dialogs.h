#pragma once

// The modal message boxes the forms show: an error, warning or information
// box with OK, a confirmation with OK and Cancel, the application's standard
// error box. Tests and the monkey run install a responder that answers
// without opening a window.

#include <QFlags>
#include <QList>
#include <QString>

#include <functional>

class QObject;
class QWidget;

namespace Dialogs {

enum class MsgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

enum class MsgButton { mbYes = 0x1, mbNo = 0x2, mbOK = 0x4, mbCancel = 0x8, mbAbort = 0x10, mbRetry = 0x20, mbIgnore = 0x40 };
Q_DECLARE_FLAGS(MsgButtons, MsgButton)

// Modal results, as buttons and forms report them.
enum ModalResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6, mrNo = 7 };

struct Request {
    QString title;
    QString text;
    MsgType type = MsgType::mtInformation;
    MsgButtons buttons;
};

// Shows `text` and returns the modal result of the button pressed.
int MessageDlg(const QString &text, MsgType type, MsgButtons buttons, int helpContext = 0);
void ShowMessage(const QString &text);
// The application's standard error box for a failure a handler did not catch.
void ShowException(const QString &message);

// A responder answers every box instead of the user; null restores the real
// boxes. The boxes shown since the last clear are kept for inspection.
using Responder = std::function<int(const Request &)>;
void setResponder(Responder responder);
const QList<Request> &shown();
void clearShown();
// The window a dialog of a component belongs to: the window of its owner
// when that is a control, otherwise the active window (may be null).
QWidget *ownerWindow(const QObject *owner);
// The title of the application's boxes.
void setApplicationTitle(const QString &title);
QString applicationTitle();

} // namespace Dialogs

Q_DECLARE_OPERATORS_FOR_FLAGS(Dialogs::MsgButtons)
