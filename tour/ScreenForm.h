#pragma once

// The common ground of the product's screens: printing the screen from its
// pop-up menu, the "Language" items that do nothing, enabling the screen on
// paint, the normal cursor on activation, messages taken from hidden labels,
// and moving the tour to another page.

#include "toolkit/Dialogs.h"
#include "toolkit/TForm.h"

class TLabel;

class TScreenForm : public TForm
{
    Q_OBJECT

public:
    explicit TScreenForm(QObject *owner);

    // The page can change while a box is open (a click on the wizard's
    // buttons from an automation client), which frees this screen; a handler
    // that goes on after the box stops when these say the screen is gone.
    // Shows the caption of a hidden message label in a modal box with OK;
    // false when the screen went while the box was open.
    bool showMessage(const TLabel *label, Dialogs::MsgType type = Dialogs::MsgType::mtError) const;
    // Asks the caption of a label with OK and Cancel; true when OK lets the
    // action go on and the screen is still there.
    bool confirm(const TLabel *label) const;
    // Disables the screen and sets the tour's page. The page change may free
    // this screen; it is destroyed only after the running handler returns.
    void moveTour(int page);

public slots:
    // Prints the screen's image as shown, on one page of the default printer.
    void Print1Click(QObject *Sender);
    void Print2Click(QObject *Sender);
    // The product's language switch; the tour runs in one language.
    void Language1Click(QObject *Sender);
    void Language2Click(QObject *Sender);
    // Enables the screen on every paint unless busy() says it is at work.
    void FormPaint(QObject *Sender);
    // Sets the screen's cursor back to the normal arrow.
    void FormActivate(QObject *Sender);

protected:
    // A screen-wide flag that keeps FormPaint from enabling the screen.
    virtual bool busy() const { return false; }
};
