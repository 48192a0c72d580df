#ifndef RESETPASSWORDCLIENTPKIHANDLER_H
#define RESETPASSWORDCLIENTPKIHANDLER_H

#include "clientpkihandler.h"

namespace qorv::data
{
class ResetPasswordRequest;
}

// Second step of the password reset: sends the e-mail address, the code from
// the first step and the new password in its stored-password form, each encrypted for the server.
class ResetPasswordClientPkiHandler : public ClientPkiHandler
{
public:
    ResetPasswordClientPkiHandler();
    virtual ~ResetPasswordClientPkiHandler();

    void setUserEmailAddress(const std::string &address);
    void setPasswordResetAuthcode(const std::string &authcode);
    void setUserPassword(const std::string &userPassword);

    // Fills the six request fields only when all three texts encrypted;
    // otherwise returns the first failing code and leaves the request as it was.
    std::int32_t encryptRequest(qorv::data::ResetPasswordRequest &request);

private:
    std::int32_t encryptUserEmailAddress();
    std::int32_t encryptPasswordResetAuthcode();
    std::int32_t encryptUserPassword();

    std::string m_userEmailAddress;
    Buffer m_encryptedUserEmailAddress;
    std::uint64_t m_encryptedUserEmailAddressLen;
    std::string m_passwordResetAuthcode;
    Buffer m_encryptedPasswordResetAuthcode;
    std::uint64_t m_encryptedPasswordResetAuthcodeLen;
    std::string m_userPassword;
    Buffer m_encryptedUserPassword;
    std::uint64_t m_encryptedUserPasswordLen;
};

#endif // RESETPASSWORDCLIENTPKIHANDLER_H
