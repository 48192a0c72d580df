#include "logoncompletion.h"

#include "authcode.h"
#include "authenticateuserclientpkihandler.h"
#include "crypto.h"
#include "cryptographer.h"
#include "qorvassert.h"
#include "registry.h"

#include "authenticateuserreply3.pb.h"
#include "user3.pb.h"

#include <boost/algorithm/hex.hpp>
#include <openssl/crypto.h>

#include <algorithm>
#include <climits>
#include <iterator>
#include <memory>

namespace
{
// "\x" and 32 hexadecimal digits.
constexpr std::size_t hexKeyLen = 34;
constexpr std::size_t hexKeyPrefixLen = 2;

struct RawKeyWiper
{
    void operator()(std::string *key) const { OPENSSL_cleanse(&(*key)[0], key->size()); }
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

    AuthenticateUserClientPkiHandler handler;
    qorv::data::User user;
    if (AUTH_CODE_SUCCESS != handler.decryptReply(reply, user))
        return false;

    const std::string hexKey = handler.getDecryptedServerEncryptionKey();
    QORV_ASSERT(hexKeyLen == hexKey.size());
    if (hexKeyLen != hexKey.size())
        return false;
    std::string unhexRawKey;
    // The decoded copy of the session key is wiped whichever way this ends.
    const std::unique_ptr<std::string, RawKeyWiper> wipeRawKey(&unhexRawKey);
    // Room made at once, so that growing leaves no partial copy behind.
    unhexRawKey.reserve(crypto::AES_EKEY_BLOCK_SIZE);
    boost::algorithm::unhex(hexKey.begin() + hexKeyPrefixLen, hexKey.end(), std::back_inserter(unhexRawKey));
    QORV_ASSERT(crypto::AES_EKEY_BLOCK_SIZE == unhexRawKey.size());
    if (crypto::AES_EKEY_BLOCK_SIZE != unhexRawKey.size())
        return false;

    // Read before anything is installed: a session id that is no number must
    // not leave a new key behind with the old session.
    const std::int32_t sessionId = std::stoi(handler.getDecryptedServerSessionId());

    unsigned char *ekey = CryptographerSingleton::instance()->getEkey();
    if (!ekey)
        return false;
    std::copy(unhexRawKey.begin(), unhexRawKey.end(), ekey);
    m_sessionCreationDate = handler.getDecryptedServerTimestamp();
    m_sessionId = sessionId;
    RegistrySingleton::instance()->setUser(user);
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
