#include "data/TBatchMove.h"

#include "data/EDatabaseError.h"
#include "data/TTable.h"

TBatchMove::TBatchMove(QObject *owner)
    : QObject(nullptr)
    , Component(this, owner)
{
}

TDataSet *TBatchMove::Source() const
{
    return m_source;
}

void TBatchMove::SetSource(TDataSet *source)
{
    m_source = source;
}

TTable *TBatchMove::Destination() const
{
    return m_destination;
}

void TBatchMove::SetDestination(TTable *destination)
{
    m_destination = destination;
}

void TBatchMove::SetRecordCount(int count)
{
    if (count < 0)
        throw EDatabaseError(QStringLiteral("%1: the record count cannot be negative (%2)").arg(name()).arg(count));
    m_recordCount = count;
}

void TBatchMove::Execute()
{
    m_movedCount = 0;
    // Moving a table onto itself would read the records it is writing.
    if (!m_source || !m_destination || m_source.data() == m_destination.data())
        throw EDatabaseError(QStringLiteral("Invalid batch move parameters"));
    m_source->Open();
    m_destination->Open();
}
