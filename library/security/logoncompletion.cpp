#include "logoncompletion.h"

#include "authcode.h"
#include "authenticateuserclientpkihandler.h"
#include "crypto.h"
#include "cryptographer.h"
#include "fromhex.h"
#include "readint32.h"
#include "registry.h"
#include "secrettext.h"

#include "authenticateuserreply3.pb.h"
#include "user3.pb.h"

#include <QtGlobal>

#include <algorithm>
#include <climits>
#include <optional>
#include <string_view>
#include <utility>

namespace
{
// "\x" and 32 hexadecimal digits.
constexpr std::size_t hexKeyLen = 34;
constexpr std::size_t hexKeyPrefixLen = 2;

// The decrypted record holds the user's stored password form: this copy is
// wiped however the completion ends (the registry keeps its own).
struct DecryptedUser
{
    qorv::data::User user;

    ~DecryptedUser()
    {
        if (user.has_user_security_descriptor())
            SecretText::Wipe(*user.mutable_user_security_descriptor()->mutable_password());
    }
};
}

LogOnCompletion::LogOnCompletion()
    : m_sessionId(INT_MIN)
{
}

bool LogOnCompletion::complete(const std::string &replyPayload)
{
    qorv::data::AuthenticateUserReply reply;
    if (!reply.ParseFromString(replyPayload))
        return false;
    if (!reply.user_name_found() || !reply.user_password_decoded() || !reply.user_session_inserted())
        return false;

    // Everything is read and checked before anything is installed, so a reply
    // that fails half-way leaves the previous session exactly as it was.
    AuthenticateUserClientPkiHandler handler;
    DecryptedUser decrypted;
    if (AUTH_CODE_SUCCESS != handler.decryptReply(reply, decrypted.user))
        return false;

    // The key text is the server's: a bad one refuses the log-on and is
    // reported once, as the server's fault rather than ours.
    const SecretText hexKey(handler.getDecryptedServerEncryptionKey());
    if (hexKeyLen != hexKey.get().size()) {
        qWarning("The log-on reply's session key does not have %zu characters; the session is not changed.", hexKeyLen);
        return false;
    }
    std::optional<std::string> decoded = crypto::FromHex(std::string_view(hexKey.get()).substr(hexKeyPrefixLen));
    if (!decoded)
        return false;
    const SecretText unhexRawKey(std::move(*decoded));
    SecretText::Wipe(*decoded);
    if (crypto::AES_EKEY_BLOCK_SIZE != unhexRawKey.get().size()) {
        qWarning("The log-on reply's session key is not %zu bytes; the session is not changed.",
                 crypto::AES_EKEY_BLOCK_SIZE);
        return false;
    }

    const std::optional<std::int32_t> sessionId = utils::ReadInt32(handler.getDecryptedServerSessionId());
    if (!sessionId)
        return false;

    unsigned char *ekey = CryptographerSingleton::instance()->getEkey();
    if (!ekey)
        return false;
    std::copy(unhexRawKey.get().begin(), unhexRawKey.get().end(), ekey);
    m_sessionCreationDate = handler.getDecryptedServerTimestamp();
    m_sessionId = *sessionId;
    RegistrySingleton::instance()->setUser(decrypted.user);
    return true;
}

std::int32_t LogOnCompletion::getSessionId() const
{
    return m_sessionId;
}

const std::string &LogOnCompletion::getSessionCreationDate() const
{
    return m_sessionCreationDate;
}
