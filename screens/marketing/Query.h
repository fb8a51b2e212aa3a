#pragma once

// The account selection screen: the kinds of query that choose the accounts
// of a campaign activity. Its "Query" menu item leads on to the query builder
// of the first kind; the other functions are not run by the tour.

#include "tour/ScreenForm.h"

class TQueryFm : public TScreenForm
{
    Q_OBJECT

public:
    // The tour page of the accounts query builder.
    static constexpr int QueryBuilderPage = 9;

    explicit TQueryFm(QObject *owner);

public slots:
    // Moves the tour on to the query builder, whatever kind is chosen.
    void QryBtnLblClick(QObject *Sender);
    // Saving the selected accounts is not run by the tour.
    void SaveBtnClick(QObject *Sender);
};
