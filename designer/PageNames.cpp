#include "designer/PageNames.h"

namespace PageNames {

QList<Page> apply(const QStringList &names)
{
    QList<Page> pages;
    for (int i = 0; i < PageCount; ++i) {
        const QString name = names.value(i);
        Page page;
        page.cell = name;
        if (!name.isEmpty()) {
            page.tabVisible = true;
            if (name.size() > MaxLength) {
                page.tooLong = true;
                page.cell = name.left(MaxLength);
            } else {
                page.caption = name;
            }
        }
        pages << page;
    }
    return pages;
}

bool anyDefined(const QList<Page> &pages)
{
    for (const Page &p : pages) {
        if (p.tabVisible)
            return true;
    }
    return false;
}

} // namespace PageNames
