#ifndef VERIFYUSERNAMERESETCLIENTPKIHANDLER_H
#define VERIFYUSERNAMERESETCLIENTPKIHANDLER_H

#include "clientpkihandler.h"

namespace qorv::data
{
class VerifyUserNameResetRequest;
class VerifyUserNameResetReply;
}

// First step of the user-name reset: sends the account's e-mail address encrypted
// for the server and decrypts the user-name-reset code the server answers with.
class VerifyUserNameResetClientPkiHandler : public ClientPkiHandler
{
public:
    VerifyUserNameResetClientPkiHandler();
    virtual ~VerifyUserNameResetClientPkiHandler();

    void setUserEmailAddress(const std::string &address);

    // Fills the request only when the address encrypted; otherwise returns the
    // failing code and leaves the request as it was.
    std::int32_t encryptRequest(qorv::data::VerifyUserNameResetRequest &request);
    std::int32_t decryptReply(const qorv::data::VerifyUserNameResetReply &reply);

    // Only after decryptReply succeeded.
    std::string getDecryptedUserNameResetAuthcode() const;

private:
    std::int32_t encryptUserEmailAddress();

    std::string m_userEmailAddress;
    Buffer m_encryptedUserEmailAddress;
    std::uint64_t m_encryptedUserEmailAddressLen;
    Buffer m_decryptedUserNameResetAuthcode;
    std::uint64_t m_decryptedUserNameResetAuthcodeLen;
};

#endif // VERIFYUSERNAMERESETCLIENTPKIHANDLER_H
