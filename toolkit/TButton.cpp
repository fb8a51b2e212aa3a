#include "toolkit/TButton.h"

#include "toolkit/TForm.h"
#include "toolkit/Keys.h"

TButton::TButton(QObject *owner)
    : ControlWidget<QPushButton>(owner)
{
    SetTabStop(true);
    setFocusable(true);
    setAutoDefault(false);
    resize(75, 25);
    connect(this, &QAbstractButton::clicked, this, [this] { Click(); });
}

void TButton::SetCaption(const QString &caption)
{
    if (caption != text())
        setText(caption);
}

void TButton::SetDefault(bool isDefault)
{
    m_default = isDefault;
    setDefault(isDefault);
}

void TButton::Click()
{
    QPointer<QWidget> self(this);
    doClick();
    if (self && m_modalResult != 0) {
        for (QWidget *w = parentWidget(); w; w = w->parentWidget()) {
            if (auto *f = qobject_cast<TForm *>(w)) {
                f->SetModalResult(m_modalResult);
                break;
            }
        }
    }
}

bool TButton::dialogKey(int vk)
{
    if (!isVisible() || !isEnabled())
        return false;
    const bool take = (vk == Keys::VK_ESCAPE && m_cancel) || (vk == Keys::VK_RETURN && (m_default || hasFocus()));
    if (take)
        Click();
    return take;
}
