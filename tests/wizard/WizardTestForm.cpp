#include "tests/wizard/WizardTestForm.h"

#include <QStringList>

QString WizardTest::hex(const QList<int> &values)
{
    QStringList words;
    for (int v : values) {
        const quint32 u = quint32(v);
        words << QStringLiteral("%1%2%3%4")
                     .arg(u & 0xFF, 2, 16, QLatin1Char('0'))
                     .arg((u >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
                     .arg((u >> 16) & 0xFF, 2, 16, QLatin1Char('0'))
                     .arg((u >> 24) & 0xFF, 2, 16, QLatin1Char('0'));
    }
    return u'<' + words.join(u' ') + u'>';
}

QString WizardTest::table(int pages, const QList<int> &shownOn, const QList<QPoint> &places)
{
    QList<int> values;
    for (int p = 0; p <= pages; ++p) {
        const QPoint at = p < places.size() ? places[p] : QPoint();
        values << at.x() << at.y() << (shownOn.contains(p) ? 1 : 0);
    }
    return QStringLiteral("ShowContainer.NumApos = %1 ShowContainer.Data = %2").arg(pages + 1).arg(hex(values));
}

QString WizardTest::wizardForm(int pages, int page, const QString &wizardProperties, const QString &children)
{
    return QStringLiteral(R"(Form1: WizardTestForm {
  Left = 100 Top = 100 Width = 400 Height = 300
  Assistent1: TAssistent {
    NumPages = %1
    Page = %2
    OnCanPageChange = Assistent1CanPageChange
    OnPageChange = Assistent1PageChange
    OnAskPageChange = Assistent1AskPageChange
    OnHelpClick = Assistent1HelpClick
    OnCancelClick = Assistent1CancelClick
    %3
    %4
  }
})")
        .arg(pages)
        .arg(page)
        .arg(wizardProperties, children);
}
