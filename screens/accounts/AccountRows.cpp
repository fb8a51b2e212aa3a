#include "screens/accounts/AccountRows.h"

#include "toolkit/Locale.h"
#include "toolkit/TListBox.h"
#include "tour/Unit1.h"

#include <algorithm>

namespace AccountRows {

int Samples::count() const
{
    return int(std::min({account.size(), company.size(), next.size(), last.size(), owner.size(), status.size()}));
}

QString Samples::key(int i, int sortOrder) const
{
    switch (sortOrder) {
    case ByName:
        return company.value(i);
    case ByNextDate:
        return next.value(i);
    case ByLastDate:
        return last.value(i);
    default:
        return account.value(i);
    }
}

QStringList Samples::row(int i) const
{
    return {account.value(i), company.value(i), next.value(i), last.value(i), owner.value(i), status.value(i)};
}

Samples tourSamples()
{
    Samples s;
    if (!Form1)
        return s;
    s.account = Form1->AcList->Items();
    s.company = Form1->CoList->Items();
    s.next = Form1->nextlist->Items();
    s.last = Form1->lastlist->Items();
    s.owner = Form1->Ownerlist->Items();
    s.status = Form1->statuslist->Items();
    return s;
}

bool passes(const Samples &samples, int i, const QString &owner, const QString &status)
{
    if (!owner.isEmpty() && samples.owner.value(i) != owner)
        return false;
    if (!status.isEmpty() && samples.status.value(i) != status)
        return false;
    return true;
}

QList<int> listed(const Samples &samples, const Filters &filters)
{
    QList<int> rows;
    const bool callList = filters.todayOnly && filters.sortOrder == ByNextDate;
    for (int i = 0; i < samples.count(); ++i) {
        if (!passes(samples, i, filters.owner, filters.status))
            continue;
        if (callList) {
            const QDate date = Locale::parseShortDate(samples.next.value(i));
            if (date.isValid() && date > filters.today)
                continue;
        }
        rows << i;
    }
    std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) {
        return Locale::compareText(samples.key(a, filters.sortOrder), samples.key(b, filters.sortOrder)) < 0;
    });
    return rows;
}

int find(const Samples &samples, const QString &owner, const QString &status, int sortOrder, const QString &key)
{
    for (int i = 0; i < samples.count(); ++i) {
        if (passes(samples, i, owner, status) && Locale::sameText(samples.key(i, sortOrder), key))
            return i;
    }
    return -1;
}

int positionRow(const QStringList &rowKeys, const QString &text)
{
    if (text.isEmpty() || rowKeys.isEmpty())
        return 0;
    for (int r = 0; r < rowKeys.size(); ++r) {
        if (Locale::compareText(rowKeys.at(r), text) > 0)
            return std::max(0, r - 1);
    }
    return int(rowKeys.size()) - 1;
}

} // namespace AccountRows
