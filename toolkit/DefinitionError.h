#pragma once

// The error raised for a form definition that cannot be read: it names the
// file, the line and the column, and says what was expected there.

#include <QString>

#include <stdexcept>

class DefinitionError : public std::runtime_error
{
public:
    DefinitionError(const QString &file, int line, int column, const QString &message);

    QString file() const { return m_file; }
    int line() const { return m_line; }
    int column() const { return m_column; }
    QString message() const { return m_message; }
    // "file:line:column: message"
    QString text() const;

private:
    QString m_file;
    int m_line;
    int m_column;
    QString m_message;
};
