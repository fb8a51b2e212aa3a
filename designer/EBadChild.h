#pragma once

// The failure of attaching a stretch handle to a form: a message and nothing
// else.

#include <exception>
#include <string>

class EBadChild : public std::exception
{
public:
    explicit EBadChild(std::string message);
    const char *what() const noexcept override;

private:
    std::string m_message;
};
