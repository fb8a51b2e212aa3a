#pragma once

// The account list's rows worked out without a window: which sample accounts
// pass the owner and status filters (and, for the call list, today's date),
// in which order they are listed, which account a listed key stands for, and
// which row a "Position to" text selects.

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace AccountRows {

// Sort orders, as the account list's "Sort Order" group numbers them.
enum SortOrder { ByAccount = 0, ByName = 1, ByNextDate = 2, ByLastDate = 3 };

// The sample attributes the list works on; entry i of every list belongs to
// account i.
struct Samples {
    QStringList account;
    QStringList company;
    QStringList next;
    QStringList last;
    QStringList owner;
    QStringList status;

    int count() const;
    // The key of account i in a sort order: its number, name, next or last date.
    QString key(int i, int sortOrder) const;
    // The six cells of a list row for account i.
    QStringList row(int i) const;
};

// The sample lists held by the tour's main form.
Samples tourSamples();

struct Filters {
    QString owner;    // empty: every owner
    QString status;   // empty: every status
    int sortOrder = ByAccount;
    // Only accounts whose next contact date is not later than `today`; applies
    // in next date order only.
    bool todayOnly = false;
    QDate today;
};

// Whether account i passes the owner and status filters (exact texts).
bool passes(const Samples &samples, int i, const QString &owner, const QString &status);

// The accounts listed under `filters`, in list order. Keys sort ascending
// ignoring letter case under the locale's collation; dates sort as texts. In
// the call list a next date that the locale's short format cannot read is
// kept, since it is not known to lie after today. Accounts with equal keys
// keep their sample order, and each account is listed once.
QList<int> listed(const Samples &samples, const Filters &filters);

// The first account in sample order that passes the owner and status filters
// and whose key in `sortOrder` equals `key`, ignoring letter case; -1 when
// there is none.
int find(const Samples &samples, const QString &owner, const QString &status, int sortOrder, const QString &key);

// The row that a "Position to" text selects among row keys in list order: the
// last row whose key does not sort after the text, the first row when every
// key does, the last row when none does. Compared as the list is sorted, so
// the row found agrees with the order shown. An empty text selects row 0.
int positionRow(const QStringList &rowKeys, const QString &text);

} // namespace AccountRows
