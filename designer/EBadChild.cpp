#include "designer/EBadChild.h"

#include <utility>

EBadChild::EBadChild(std::string message)
    : m_message(std::move(message))
{
}

const char *EBadChild::what() const noexcept
{
    return m_message.c_str();
}
