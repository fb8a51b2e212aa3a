#include "data/FieldDataLink.h"

FieldDataLink::FieldDataLink(QObject *self)
    : m_self(self)
{
}

FieldDataLink::~FieldDataLink()
{
    disconnectSource();
}

TDataSource *FieldDataLink::DataSource() const
{
    return m_source;
}

void FieldDataLink::SetDataSource(TDataSource *source)
{
    if (source == m_source)
        return;
    disconnectSource();
    m_source = source;
    if (source) {
        m_sourceChanged = QObject::connect(source, &TDataSource::dataSetChanged, m_self, [this] { dataLinkChanged(); });
        m_sourceDestroyed = QObject::connect(source, &QObject::destroyed, m_self, [this] { dataLinkChanged(); });
    }
    dataLinkChanged();
}

void FieldDataLink::SetDataField(const QString &field)
{
    if (field == m_dataField)
        return;
    m_dataField = field;
    dataLinkChanged();
}

bool FieldDataLink::isDataActive() const
{
    return m_source && m_source->State() != Db::TDataSetState::dsInactive;
}

QString FieldDataLink::fieldText() const
{
    // Records exist only in an open dataset, and no dataset opens here.
    return QString();
}

void FieldDataLink::disconnectSource()
{
    QObject::disconnect(m_sourceChanged);
    QObject::disconnect(m_sourceDestroyed);
}
