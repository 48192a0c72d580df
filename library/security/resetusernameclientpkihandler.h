#ifndef RESETUSERNAMECLIENTPKIHANDLER_H
#define RESETUSERNAMECLIENTPKIHANDLER_H

#include "resetclientpkihandler.h"

namespace qorv::data
{
class ResetUserNameRequest;
}

// Second step of the user-name reset: sends the e-mail address, the code from
// the first step and the new user name's hash, each encrypted for the server.
class ResetUserNameClientPkiHandler : public ResetClientPkiHandler
{
public:
    ResetUserNameClientPkiHandler();
    ~ResetUserNameClientPkiHandler() override;

    void setUserNameResetAuthcode(const std::string &authcode);
    void setUserName(const std::string &userName);

    // Fills the six request fields only when all three texts encrypted;
    // otherwise returns the first failing code and leaves the request as it was.
    [[nodiscard]] std::int32_t encryptRequest(qorv::data::ResetUserNameRequest &request);
};

#endif // RESETUSERNAMECLIENTPKIHANDLER_H
