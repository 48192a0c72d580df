#ifndef RESETCLIENTPKIHANDLER_H
#define RESETCLIENTPKIHANDLER_H

#include "authcode.h"
#include "clientpkihandler.h"
#include "secrettext.h"

// Second step of either credential reset: both send the account's e-mail
// address, the code from the first step and the new credential, each
// encrypted for the server, as three pairs of request fields.
class ResetClientPkiHandler : public ClientPkiHandler
{
public:
    ~ResetClientPkiHandler() override;

    void setUserEmailAddress(const std::string &address);

protected:
    ResetClientPkiHandler();

    void setResetAuthcode(const std::string &authcode);
    void setCredential(const std::string &credential);

    // Fills the six fields only when all three texts encrypted; otherwise
    // returns the first failing code and leaves the request as it was. The
    // setters name the request's own fields.
    template <class Request>
    [[nodiscard]] std::int32_t fillRequest(Request &request, void (Request::*setAuthcode)(const std::string &),
                                           void (Request::*setAuthcodeLen)(std::int32_t),
                                           void (Request::*setCredential)(const std::string &),
                                           void (Request::*setCredentialLen)(std::int32_t))
    {
        const std::int32_t authcode = encryptAll();
        if (AUTH_CODE_SUCCESS != authcode)
            return authcode;
        request.set_encrypted_user_email_address_len(m_address.sealedLength());
        request.set_encrypted_user_email_address(m_address.sealedText());
        (request.*setAuthcodeLen)(m_authcode.sealedLength());
        (request.*setAuthcode)(m_authcode.sealedText());
        (request.*setCredentialLen)(m_credential.sealedLength());
        (request.*setCredential)(m_credential.sealedText());
        return AUTH_CODE_SUCCESS;
    }

private:
    // The clear text is the address, the code or the new credential's hash
    // or stored form: it is wiped with the handler.
    struct Field
    {
        SecretText clear;
        Buffer sealed;
        std::uint64_t length = 0;

        std::string sealedText() const;
        std::int32_t sealedLength() const { return static_cast<std::int32_t>(length); }
    };

    [[nodiscard]] std::int32_t encryptAll();

    Field m_address;
    Field m_authcode;
    Field m_credential;
};

#endif // RESETCLIENTPKIHANDLER_H
