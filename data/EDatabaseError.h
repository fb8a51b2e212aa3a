#pragma once

// The error a dataset operation raises when it cannot be carried out: a
// dataset that cannot be opened, a batch move without its datasets, a field
// that is not there. The message is meant for the user as it stands.

#include <QString>

#include <stdexcept>

class EDatabaseError : public std::runtime_error
{
public:
    explicit EDatabaseError(const QString &message);

    QString message() const { return m_message; }

private:
    QString m_message;
};
