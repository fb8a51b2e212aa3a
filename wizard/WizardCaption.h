#pragma once

// The caption the wizard gives its owner form: the name of the page shown,
// the wizard pattern formatted with the step and the page count, or the
// dialog caption on the dialog page. A pattern that is no valid format is
// reported once, not on every page change, and shown as it is.

#include <QString>
#include <QStringList>

class TForm;

class WizardCaption
{
public:
    QString wizardPattern() const { return m_wizard; }
    void setWizardPattern(const QString &pattern) { m_wizard = pattern; }
    QString dialogCaption() const { return m_dialog; }
    void setDialogCaption(const QString &caption) { m_dialog = caption; }
    bool showPageNames() const { return m_showPageNames; }
    void setShowPageNames(bool show) { m_showPageNames = show; }
    // Whether the wizard sets the form's caption at all.
    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }

    // The caption for `step`, which shows physical page `page`.
    QString text(int step, int page, int numPages, const QStringList &pageNames);
    // Gives `form` that caption, when enabled and it differs.
    void apply(TForm *form, int step, int page, int numPages, const QStringList &pageNames);

private:
    QString m_wizard;
    QString m_dialog;
    bool m_showPageNames = false;
    bool m_enabled = true;
    QString m_reported;
};
