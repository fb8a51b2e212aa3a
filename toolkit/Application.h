#pragma once

// The application object as the forms see it: the main form, and ending the
// program from a handler.

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
}
