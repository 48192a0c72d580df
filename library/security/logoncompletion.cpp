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
#include <cctype>
#include <climits>
#include <iterator>
#include <memory>
#include <optional>
#include <stdexcept>

namespace
{
// "\x" and 32 hexadecimal digits.
constexpr std::size_t hexKeyLen = 34;
constexpr std::size_t hexKeyPrefixLen = 2;

struct RawKeyWiper
{
    void operator()(std::string *key) const { OPENSSL_cleanse(&(*key)[0], key->size()); }
};
bool IsHexDigit(char c)
{
    return std::isxdigit(static_cast<unsigned char>(c)) != 0;
}

// Read as the standard string-to-int conversion reads it (leading blanks, a
// sign, digits; the rest ignored); empty when the text holds no such number.
std::optional<std::int32_t> SessionId(const std::string &text)
{
    try {
        return std::stoi(text);
    } catch (const std::invalid_argument &) {
    } catch (const std::out_of_range &) {
    }
    return std::nullopt;
}

// The handler reads the user's number fields the same way and throws where
// SessionId gives up: such a reply is as unusable as one that does not decrypt.
std::optional<std::int32_t> DecryptReply(AuthenticateUserClientPkiHandler &handler,
                                         const qorv::data::AuthenticateUserReply &reply, qorv::data::User &user)
{
    try {
        return handler.decryptReply(reply, user);
    } catch (const std::invalid_argument &) {
    } catch (const std::out_of_range &) {
    }
    return std::nullopt;
}
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
    qorv::data::User user;
    if (DecryptReply(handler, reply, user) != AUTH_CODE_SUCCESS)
        return false;

    const std::string hexKey = handler.getDecryptedServerEncryptionKey();
    QORV_ASSERT(hexKeyLen == hexKey.size());
    if (hexKeyLen != hexKey.size())
        return false;
    if (!std::all_of(hexKey.begin() + hexKeyPrefixLen, hexKey.end(), IsHexDigit))
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

    const std::optional<std::int32_t> sessionId = SessionId(handler.getDecryptedServerSessionId());
    if (!sessionId)
        return false;

    unsigned char *ekey = CryptographerSingleton::instance()->getEkey();
    if (!ekey)
        return false;
    std::copy(unhexRawKey.begin(), unhexRawKey.end(), ekey);
    m_sessionCreationDate = handler.getDecryptedServerTimestamp();
    m_sessionId = *sessionId;
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
