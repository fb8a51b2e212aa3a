#include "toolkit/TOpenDialog.h"

#include "toolkit/Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QPointer>
#include <QWidget>

namespace {

TOpenDialog::Responder &openDialogResponder()
{
    static TOpenDialog::Responder r;
    return r;
}

} // namespace

TOpenDialog::TOpenDialog(QObject *owner)
    : QObject(nullptr)
    , Component(this, owner)
{
}

void TOpenDialog::setResponder(Responder r)
{
    openDialogResponder() = std::move(r);
}

QStringList TOpenDialog::qtFilters(const QString &filter)
{
    QStringList out;
    const QStringList parts = filter.split(u'|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts.at(i).trimmed();
        QStringList patterns = parts.at(i + 1).split(u';', Qt::SkipEmptyParts);
        for (QString &p : patterns)
            p = p.trimmed();
        out << QStringLiteral("%1 (%2)").arg(description, patterns.join(u' '));
    }
    return out;
}

bool TOpenDialog::Execute()
{
    if (openDialogResponder())
        return openDialogResponder()(*this);
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return false;

    QWidget *parent = Dialogs::ownerWindow(owner());
    QFileDialog dialog(parent, m_title.isEmpty() ? QStringLiteral("Open") : m_title);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (!m_defaultExt.isEmpty())
        dialog.setDefaultSuffix(m_defaultExt);
    const QStringList filters = qtFilters(m_filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.value(std::max(0, m_filterIndex - 1), filters.first()));
    }
    QString dir = m_initialDir;
    if (dir.isEmpty() && !m_fileName.isEmpty())
        dir = QFileInfo(m_fileName).absolutePath();
    if (!dir.isEmpty())
        dialog.setDirectory(dir);
    if (!m_fileName.isEmpty())
        dialog.selectFile(QFileInfo(m_fileName).fileName());
    // The screen that owns this component can go while the dialog is open.
    const QPointer<TOpenDialog> self(this);
    if (dialog.exec() != QDialog::Accepted || !self || dialog.selectedFiles().isEmpty())
        return false;
    m_fileName = QFileInfo(dialog.selectedFiles().first()).absoluteFilePath();
    m_filterIndex = int(filters.indexOf(dialog.selectedNameFilter())) + 1;
    return true;
}
