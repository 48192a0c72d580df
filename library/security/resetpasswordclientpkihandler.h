#ifndef RESETPASSWORDCLIENTPKIHANDLER_H
#define RESETPASSWORDCLIENTPKIHANDLER_H

#include "resetclientpkihandler.h"

namespace qorv::data
{
class ResetPasswordRequest;
}

// Second step of the password reset: sends the e-mail address, the code from
// the first step and the new password in its stored-password form, each
// encrypted for the server.
class ResetPasswordClientPkiHandler : public ResetClientPkiHandler
{
public:
    ResetPasswordClientPkiHandler();
    ~ResetPasswordClientPkiHandler() override;

    void setPasswordResetAuthcode(const std::string &authcode);
    void setUserPassword(const std::string &userPassword);

    // Fills the six request fields only when all three texts encrypted;
    // otherwise returns the first failing code and leaves the request as it was.
    [[nodiscard]] std::int32_t encryptRequest(qorv::data::ResetPasswordRequest &request);
};

#endif // RESETPASSWORDCLIENTPKIHANDLER_H
