#include "toolkit/TPageControl.h"

#include "toolkit/TTabSheet.h"

#include <stdexcept>

TPageControl::TPageControl(QObject *owner)
    : NotebookHost(owner)
{
}

TTabSheet *TPageControl::ActivePage() const
{
    return Pages(activeIndex());
}

void TPageControl::SetActivePage(TTabSheet *sheet)
{
    if (!sheet) {
        setActiveIndex(-1);
        return;
    }
    const int index = indexOf(sheet);
    if (index < 0)
        throw std::invalid_argument(
            QStringLiteral("%1 is no sheet of %2").arg(sheet->objectName(), objectName()).toStdString());
    setActiveIndex(index);
}

TTabSheet *TPageControl::Pages(int index) const
{
    return qobject_cast<TTabSheet *>(page(index));
}

bool TPageControl::allowChange(int)
{
    bool allow = true;
    fire([&] { emit OnChanging(this, allow); });
    return allow;
}

void TPageControl::changed()
{
    fire([this] { emit OnChange(this); });
}
