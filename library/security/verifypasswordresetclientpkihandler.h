#ifndef VERIFYPASSWORDRESETCLIENTPKIHANDLER_H
#define VERIFYPASSWORDRESETCLIENTPKIHANDLER_H

#include "clientpkihandler.h"

namespace qorv::data
{
class VerifyPasswordResetRequest;
class VerifyPasswordResetReply;
}

// First step of the password reset: sends the account's e-mail address encrypted
// for the server and decrypts the password-reset code the server answers with.
class VerifyPasswordResetClientPkiHandler : public ClientPkiHandler
{
public:
    VerifyPasswordResetClientPkiHandler();
    virtual ~VerifyPasswordResetClientPkiHandler();

    void setUserEmailAddress(const std::string &address);

    // Fills the request only when the address encrypted; otherwise returns the
    // failing code and leaves the request as it was.
    std::int32_t encryptRequest(qorv::data::VerifyPasswordResetRequest &request);
    std::int32_t decryptReply(const qorv::data::VerifyPasswordResetReply &reply);

    // Only after decryptReply succeeded.
    std::string getDecryptedPasswordResetAuthcode() const;

private:
    std::int32_t encryptUserEmailAddress();

    std::string m_userEmailAddress;
    Buffer m_encryptedUserEmailAddress;
    std::uint64_t m_encryptedUserEmailAddressLen;
    Buffer m_decryptedPasswordResetAuthcode;
    std::uint64_t m_decryptedPasswordResetAuthcodeLen;
};

#endif // VERIFYPASSWORDRESETCLIENTPKIHANDLER_H
