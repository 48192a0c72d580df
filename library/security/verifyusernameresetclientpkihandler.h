#ifndef VERIFYUSERNAMERESETCLIENTPKIHANDLER_H
#define VERIFYUSERNAMERESETCLIENTPKIHANDLER_H

#include "verifyresetclientpkihandler.h"

namespace qorv::data
{
class VerifyUserNameResetRequest;
class VerifyUserNameResetReply;
}

// First step of the user-name reset: sends the account's e-mail address encrypted
// for the server and decrypts the user-name-reset code the server answers with.
class VerifyUserNameResetClientPkiHandler : public VerifyResetClientPkiHandler
{
public:
    VerifyUserNameResetClientPkiHandler();
    ~VerifyUserNameResetClientPkiHandler() override;

    // Fills the request only when the address encrypted; otherwise returns the
    // failing code and leaves the request as it was.
    [[nodiscard]] std::int32_t encryptRequest(qorv::data::VerifyUserNameResetRequest &request);
    [[nodiscard]] std::int32_t decryptReply(const qorv::data::VerifyUserNameResetReply &reply);

    // Only after decryptReply succeeded.
    std::string getDecryptedUserNameResetAuthcode() const;
};

#endif // VERIFYUSERNAMERESETCLIENTPKIHANDLER_H
