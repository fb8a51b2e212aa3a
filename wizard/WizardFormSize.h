#pragma once

// The owner form's size on the dialog page and on the wizard pages: the form
// takes the other size, around its centre, when a page change crosses
// between the two. Stored in the form definition as FormSize, four
// little-endian 32-bit integers.

#include <QByteArray>
#include <QRect>

class TForm;

class WizardFormSize
{
public:
    // Both sizes start as the form's own.
    void startFrom(const TForm *form);
    int wizardWidth() const { return m_wizardWidth; }
    int wizardHeight() const { return m_wizardHeight; }
    int dialogWidth() const { return m_dialogWidth; }
    int dialogHeight() const { return m_dialogHeight; }

    // Resizes `form` for a change from page `from` to physical page `to`.
    void follow(TForm *form, int from, int to) const;
    // Gives `form` the size w x h around its present centre; a maximised
    // window keeps filling the screen.
    static void resize(TForm *form, int w, int h);
    // The bounds `current` gets for size w x h around its centre.
    static QRect aroundCentre(const QRect &current, int w, int h);

    // Throws std::invalid_argument for bytes that are not four integers.
    void read(const QByteArray &bytes);
    QByteArray write() const;

private:
    int m_dialogWidth = 0;
    int m_dialogHeight = 0;
    int m_wizardWidth = 0;
    int m_wizardHeight = 0;
};
