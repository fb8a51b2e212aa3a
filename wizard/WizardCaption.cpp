#include "wizard/WizardCaption.h"

#include "toolkit/Application.h"
#include "toolkit/TForm.h"
#include "wizard/CaptionFormat.h"

QString WizardCaption::text(int step, int page, int numPages, const QStringList &pageNames)
{
    if (m_showPageNames)
        return page >= 0 && page < pageNames.size() ? pageNames.at(page) : QString();
    if (page == 0)
        return m_dialog;
    QString error;
    if (auto caption = CaptionFormat::format(m_wizard, {step, numPages}, &error))
        return *caption;
    if (m_reported != m_wizard) {
        m_reported = m_wizard;
        Application::reportError(
            QStringLiteral("The wizard caption \"%1\" is not a valid format for two integers: %2.").arg(m_wizard, error));
    }
    return m_wizard;
}

void WizardCaption::apply(TForm *form, int step, int page, int numPages, const QStringList &pageNames)
{
    if (!m_enabled || !form)
        return;
    const QString caption = text(step, page, numPages, pageNames);
    if (form->Caption() != caption)
        form->SetCaption(caption);
}
