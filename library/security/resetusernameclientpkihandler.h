#ifndef RESETUSERNAMECLIENTPKIHANDLER_H
#define RESETUSERNAMECLIENTPKIHANDLER_H

#include "clientpkihandler.h"

namespace qorv::data
{
class ResetUserNameRequest;
}

// Second step of the user-name reset: sends the e-mail address, the code from
// the first step and the new user name's hash, each encrypted for the server.
class ResetUserNameClientPkiHandler : public ClientPkiHandler
{
public:
    ResetUserNameClientPkiHandler();
    virtual ~ResetUserNameClientPkiHandler();

    void setUserEmailAddress(const std::string &address);
    void setUserNameResetAuthcode(const std::string &authcode);
    void setUserName(const std::string &userName);

    // Fills the six request fields only when all three texts encrypted;
    // otherwise returns the first failing code and leaves the request as it was.
    std::int32_t encryptRequest(qorv::data::ResetUserNameRequest &request);

private:
    std::int32_t encryptUserEmailAddress();
    std::int32_t encryptUserNameResetAuthcode();
    std::int32_t encryptUserName();

    std::string m_userEmailAddress;
    Buffer m_encryptedUserEmailAddress;
    std::uint64_t m_encryptedUserEmailAddressLen;
    std::string m_userNameResetAuthcode;
    Buffer m_encryptedUserNameResetAuthcode;
    std::uint64_t m_encryptedUserNameResetAuthcodeLen;
    std::string m_userName;
    Buffer m_encryptedUserName;
    std::uint64_t m_encryptedUserNameLen;
};

#endif // RESETUSERNAMECLIENTPKIHANDLER_H
