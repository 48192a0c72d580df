#include "messagebody.h"

#include <utility>

MessageBody::MessageBody() = default;

MessageBody::~MessageBody() = default;

void MessageBody::setBody(const std::string &body)
{
    m_body = body;
    m_bodyLength = static_cast<std::uint32_t>(m_body.size());
}

void MessageBody::setBody(std::string &&body)
{
    m_body = std::move(body);
    m_bodyLength = static_cast<std::uint32_t>(m_body.size());
}

std::string MessageBody::takeBody()
{
    std::string body = std::move(m_body);
    m_body.clear();
    m_bodyLength = 0;
    return body;
}
