#include "messagecode.h"

#include <utility>

MessageCode::MessageCode() = default;

MessageCode::~MessageCode() = default;

void MessageCode::setCode(const std::string &code)
{
    m_code = code;
    m_codeLength = static_cast<std::uint32_t>(m_code.size());
}

void MessageCode::setCode(std::string &&code)
{
    m_code = std::move(code);
    m_codeLength = static_cast<std::uint32_t>(m_code.size());
}

void MessageCode::resizeCode(std::uint32_t length)
{
    m_code.resize(length, '\0');
    m_codeLength = length;
}

std::string MessageCode::takeCode()
{
    std::string code = std::move(m_code);
    m_code.clear();
    m_codeLength = 0;
    return code;
}
