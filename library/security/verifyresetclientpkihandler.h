#ifndef VERIFYRESETCLIENTPKIHANDLER_H
#define VERIFYRESETCLIENTPKIHANDLER_H

#include "authcode.h"
#include "clientpkihandler.h"

// First step of either credential reset: both send the account's e-mail
// address encrypted for the server, in the same two request fields, and
// decrypt the reset code the server answers with.
class VerifyResetClientPkiHandler : public ClientPkiHandler
{
public:
    ~VerifyResetClientPkiHandler() override;

    void setUserEmailAddress(const std::string &address);

protected:
    VerifyResetClientPkiHandler();

    // Fills the request only when the address encrypted; otherwise returns the
    // failing code and leaves the request as it was.
    template <class Request>
    [[nodiscard]] std::int32_t fillRequest(Request &request)
    {
        const std::int32_t authcode = encryptUserEmailAddress();
        if (AUTH_CODE_SUCCESS != authcode)
            return authcode;
        request.set_encrypted_user_email_address_len(static_cast<std::int32_t>(m_encryptedUserEmailAddressLen));
        request.set_encrypted_user_email_address(encryptedUserEmailAddress());
        return AUTH_CODE_SUCCESS;
    }

    // An absent field reads as no bytes and an absent count as 0, which then
    // fails as a decryption.
    [[nodiscard]] std::int32_t decryptAuthcode(const std::string &bytes, std::int32_t length);
    // Only after decryptAuthcode succeeded.
    std::string decryptedAuthcode() const;

private:
    [[nodiscard]] std::int32_t encryptUserEmailAddress();
    std::string encryptedUserEmailAddress() const;

    std::string m_userEmailAddress;
    Buffer m_encryptedUserEmailAddress;
    std::uint64_t m_encryptedUserEmailAddressLen;
    Buffer m_decryptedAuthcode;
    std::uint64_t m_decryptedAuthcodeLen;
};

#endif // VERIFYRESETCLIENTPKIHANDLER_H
