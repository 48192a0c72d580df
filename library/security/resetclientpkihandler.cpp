#include "resetclientpkihandler.h"

ResetClientPkiHandler::ResetClientPkiHandler() = default;

ResetClientPkiHandler::~ResetClientPkiHandler() = default;

void ResetClientPkiHandler::setUserEmailAddress(const std::string &address)
{
    m_address.clear.assign(address);
}

void ResetClientPkiHandler::setResetAuthcode(const std::string &authcode)
{
    m_authcode.clear.assign(authcode);
}

void ResetClientPkiHandler::setCredential(const std::string &credential)
{
    m_credential.clear.assign(credential);
}

std::int32_t ResetClientPkiHandler::encryptAll()
{
    for (Field *field : {&m_address, &m_authcode, &m_credential}) {
        const std::int32_t authcode = encryptText(field->clear.get(), field->sealed, field->length);
        if (AUTH_CODE_SUCCESS != authcode)
            return authcode;
    }
    return AUTH_CODE_SUCCESS;
}

std::string ResetClientPkiHandler::Field::sealedText() const
{
    return std::string(reinterpret_cast<const char *>(sealed.get()), length);
}
