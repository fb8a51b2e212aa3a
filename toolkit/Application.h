#pragma once

// The application object as the forms see it: the main form, ending the
// program from a handler, and the messages of failures.

class QString;
class TForm;

namespace Application {
TForm *mainForm();
// Sets the main form; a run ended with terminate() may begin again.
void setMainForm(TForm *form);
// Ends the message loop; the program ends once the current handler returns.
void terminate();
bool isTerminated();
// Runs pending events (used where a handler must let the screen repaint).
void processMessages();
// Prepares Qt for the forms: the classic style and palette, the fonts.
void initialize();

// The one place where a failure that the user must see becomes a message:
// a failure a handler left uncaught (the standard error box), or one that
// library code reports (an error box with OK). The box opens once control
// is back in the event loop, never from inside the event that failed, so
// that no control is freed under its own handler.
void handleException(const QString &message);
void reportError(const QString &message);
}
