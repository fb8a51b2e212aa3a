#include "toolkit/DefinitionError.h"

namespace {
QString compose(const QString &file, int line, int column, const QString &message)
{
    return QStringLiteral("%1:%2:%3: %4").arg(file).arg(line).arg(column).arg(message);
}
} // namespace

DefinitionError::DefinitionError(const QString &file, int line, int column, const QString &message)
    : std::runtime_error(compose(file, line, column, message).toStdString())
    , m_file(file)
    , m_line(line)
    , m_column(column)
    , m_message(message)
{
}

QString DefinitionError::text() const
{
    return compose(m_file, m_line, m_column, m_message);
}
