#include "toolkit/TFontDialog.h"

#include "toolkit/Dialogs.h"

#include <QApplication>
#include <QFontDialog>
#include <QPointer>
#include <QWidget>

namespace {

TFontDialog::Responder &fontDialogResponder()
{
    static TFontDialog::Responder r;
    return r;
}

} // namespace

TFontDialog::TFontDialog(QObject *owner)
    : QObject(nullptr)
    , Component(this, owner)
    , m_font(new TFont(this))
{
}

void TFontDialog::setResponder(Responder r)
{
    fontDialogResponder() = std::move(r);
}

bool TFontDialog::Execute()
{
    if (fontDialogResponder())
        return fontDialogResponder()(*this);
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return false;
    QWidget *parent = Dialogs::ownerWindow(owner());
    bool ok = false;
    // The screen that owns this component can go while the dialog is open.
    const QPointer<TFontDialog> self(this);
    const QFont chosen = QFontDialog::getFont(&ok, m_font->toQFont(), parent);
    if (!self)
        return false;
    if (ok)
        m_font->assignFrom(chosen);
    return ok;
}
