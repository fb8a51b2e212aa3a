#pragma once

// A one-line text box that takes its input through an edit mask (a date as
// "!00/00/0000;1;_"). Text reports blank positions as spaces. A field left
// with some but not all required positions typed keeps the focus and says so;
// Escape brings back the text the field had when it was entered. Without a
// mask it is a plain text box limited by MaxLength.

#include "toolkit/MaskFormat.h"
#include "toolkit/TEdit.h"

class TMaskEdit : public TEdit
{
    Q_OBJECT
    Q_PROPERTY(QString EditMask READ EditMask WRITE SetEditMask)

public:
    explicit TMaskEdit(QObject *owner);

    static const char *const invalidInputMessage;

    QString EditMask() const { return m_editMask; }
    // Changing the mask keeps the text as far as the new mask takes it; an
    // empty mask keeps the text as it stands.
    void SetEditMask(const QString &mask);
    bool IsMasked() const { return !m_mask.isEmpty(); }
    const MaskFormat &mask() const { return m_mask; }

    QString Text() const override;
    void SetText(const QString &text) override;
    // The text as shown, with the blank character in blank positions.
    QString EditText() const { return displayText(); }
    // Whether the text fits the mask: blank, or every required position typed.
    bool IsValid() const;

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool canExit(const QWidget *next) const override;
    void refuseExit() override;

private:
    QString cells() const;
    void applyCells(const QString &cells);

    QString m_editMask;
    MaskFormat m_mask;
    QString m_enteredText;
    bool m_refocusing = false;
    bool m_away = false;   // the focus went to another window or a pop-up
};
