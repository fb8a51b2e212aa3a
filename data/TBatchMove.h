#pragma once

// Copies the records of a source dataset into a destination table. Execute
// checks that both are given before it touches either; with both given it
// would have to open them, which is refused like every opening.

#include "data/DataEnums.h"
#include "data/TTable.h"
#include "toolkit/Component.h"

#include <QObject>
#include <QPointer>

class TBatchMove : public QObject, public Component
{
    Q_OBJECT
    Q_INTERFACES(Component)
    Q_PROPERTY(TDataSet *Source READ Source WRITE SetSource)
    Q_PROPERTY(TTable *Destination READ Destination WRITE SetDestination)
    Q_PROPERTY(Db::TBatchMode Mode READ Mode WRITE SetMode)
    Q_PROPERTY(int RecordCount READ RecordCount WRITE SetRecordCount)
    Q_PROPERTY(bool AbortOnKeyViol READ AbortOnKeyViol WRITE SetAbortOnKeyViol)
    Q_PROPERTY(bool AbortOnProblem READ AbortOnProblem WRITE SetAbortOnProblem)
    Q_PROPERTY(int MovedCount READ MovedCount)
    Q_PROPERTY(int Tag READ Tag WRITE SetTag)

public:
    explicit TBatchMove(QObject *owner);

    TDataSet *Source() const;
    void SetSource(TDataSet *source);
    TTable *Destination() const;
    void SetDestination(TTable *destination);
    Db::TBatchMode Mode() const { return m_mode; }
    void SetMode(Db::TBatchMode mode) { m_mode = mode; }
    // The most records one run moves; 0 moves them all.
    int RecordCount() const { return m_recordCount; }
    void SetRecordCount(int count);
    bool AbortOnKeyViol() const { return m_abortOnKeyViol; }
    void SetAbortOnKeyViol(bool abort) { m_abortOnKeyViol = abort; }
    bool AbortOnProblem() const { return m_abortOnProblem; }
    void SetAbortOnProblem(bool abort) { m_abortOnProblem = abort; }
    // Records moved by the last run.
    int MovedCount() const { return m_movedCount; }
    int Tag() const { return m_tag; }
    void SetTag(int tag) { m_tag = tag; }

    // Raises EDatabaseError "Invalid batch move parameters" without a source
    // or a destination, or when both are the same dataset; otherwise opens
    // the source, which is refused.
    Q_INVOKABLE void Execute();

private:
    QPointer<TDataSet> m_source;
    QPointer<TTable> m_destination;
    Db::TBatchMode m_mode = Db::TBatchMode::batAppend;
    int m_recordCount = 0;
    bool m_abortOnKeyViol = true;
    bool m_abortOnProblem = true;
    int m_movedCount = 0;
    int m_tag = 0;
};
