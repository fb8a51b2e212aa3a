#pragma once

// A query declared on a database alias: its statement as a list of lines,
// and whether it asks for a result that can be edited and for a cursor that
// only moves forward.

#include "data/TDataSet.h"

#include <QStringList>

class TQuery : public TDataSet
{
    Q_OBJECT
    Q_PROPERTY(QStringList SQL READ SQL WRITE SetSQL)
    Q_PROPERTY(bool RequestLive READ RequestLive WRITE SetRequestLive)
    Q_PROPERTY(bool UniDirectional READ UniDirectional WRITE SetUniDirectional)

public:
    explicit TQuery(QObject *owner);

    // The statement's lines exactly as stored, blanks and quotes included.
    QStringList SQL() const { return m_sql; }
    void SetSQL(const QStringList &lines) { m_sql = lines; }
    bool RequestLive() const { return m_requestLive; }
    void SetRequestLive(bool live) { m_requestLive = live; }
    bool UniDirectional() const { return m_uniDirectional; }
    void SetUniDirectional(bool oneWay) { m_uniDirectional = oneWay; }

    // Running a statement needs the database, like opening: refused.
    Q_INVOKABLE void ExecSQL();

private:
    QStringList m_sql;
    bool m_requestLive = false;
    bool m_uniDirectional = false;
};
