#include "secrettext.h"

#include <openssl/crypto.h>

#include <utility>

SecretText::SecretText(std::string text)
    : m_text(std::move(text))
{
}

SecretText::~SecretText()
{
    wipe();
}

SecretText::SecretText(SecretText &&other) noexcept
    : m_text(std::move(other.m_text))
{
    // A short text is copied by the move, not handed over: the source's own
    // bytes are still there.
    other.wipe();
}

SecretText &SecretText::operator=(SecretText &&other) noexcept
{
    if (this != &other) {
        wipe();
        m_text = std::move(other.m_text);
        other.wipe();
    }
    return *this;
}

void SecretText::assign(std::string text)
{
    wipe();
    m_text = std::move(text);
}

void SecretText::wipe()
{
    Wipe(m_text);
}

const std::string &SecretText::get() const
{
    return m_text;
}

bool SecretText::empty() const
{
    return m_text.empty();
}

void SecretText::Wipe(std::string &text)
{
    // The whole buffer, not just the current length: a text that was
    // shortened keeps its old bytes behind its end.
    text.resize(text.capacity());
    OPENSSL_cleanse(text.data(), text.size());
    text.clear();
}
