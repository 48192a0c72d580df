#include "messagehmac.h"

MessageHmac::MessageHmac() = default;

MessageHmac::~MessageHmac() = default;

void MessageHmac::setHmac(const std::string &hmac)
{
    m_hmac = hmac;
    m_hmacLength = static_cast<std::uint32_t>(m_hmac.size());
}

int MessageHmac::certifyHmac(const std::string &text) const
{
    return !text.empty() && text == m_hmac ? 0 : -1;
}
