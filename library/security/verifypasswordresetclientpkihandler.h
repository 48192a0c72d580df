#ifndef VERIFYPASSWORDRESETCLIENTPKIHANDLER_H
#define VERIFYPASSWORDRESETCLIENTPKIHANDLER_H

#include "verifyresetclientpkihandler.h"

namespace qorv::data
{
class VerifyPasswordResetRequest;
class VerifyPasswordResetReply;
}

// First step of the password reset: sends the account's e-mail address encrypted
// for the server and decrypts the password-reset code the server answers with.
class VerifyPasswordResetClientPkiHandler : public VerifyResetClientPkiHandler
{
public:
    VerifyPasswordResetClientPkiHandler();
    ~VerifyPasswordResetClientPkiHandler() override;

    // Fills the request only when the address encrypted; otherwise returns the
    // failing code and leaves the request as it was.
    [[nodiscard]] std::int32_t encryptRequest(qorv::data::VerifyPasswordResetRequest &request);
    [[nodiscard]] std::int32_t decryptReply(const qorv::data::VerifyPasswordResetReply &reply);

    // Only after decryptReply succeeded.
    std::string getDecryptedPasswordResetAuthcode() const;
};

#endif // VERIFYPASSWORDRESETCLIENTPKIHANDLER_H
