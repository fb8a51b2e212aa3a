#pragma once

// The standard font dialog as a non-visual component of a form. Execute()
// shows it starting from Font and, when the user confirms, leaves the chosen
// font in Font. Tests and automated runs install a responder that answers
// instead of the user, so that no real dialog opens.

#include "toolkit/Component.h"
#include "toolkit/TFont.h"

#include <QObject>

#include <functional>

class TFontDialog : public QObject, public Component
{
    Q_OBJECT
    Q_INTERFACES(Component)
    Q_PROPERTY(TFont *Font READ Font)

public:
    explicit TFontDialog(QObject *owner);

    TFont *Font() const { return m_font; }

    // True when the user confirmed a font.
    bool Execute();

    // Answers Execute() instead of a real dialog: it may change Font and
    // returns whether the user confirmed. Null restores the real dialog.
    using Responder = std::function<bool(TFontDialog &dialog)>;
    static void setResponder(Responder responder);

private:
    TFont *m_font;
};
