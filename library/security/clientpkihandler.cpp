#include "clientpkihandler.h"

#include "authcode.h"
#include "builtinkeys.h"
#include "qorvassert.h"

#include <cstdlib>

namespace
{
const char PrivateKeyFileVariable[] = "QUILLANE_CLIENT_PRIVATE_KEY_FILE";
const char PublicKeyFileVariable[] = "QUILLANE_SERVER_PUBLIC_KEY_FILE";
const char PassphraseVariable[] = "QUILLANE_CLIENT_PRIVATE_KEY_PASSPHRASE";

std::string Environment(const char *name)
{
    const char *value = std::getenv(name);
    return value ? std::string(value) : std::string();
}
}

ClientPkiHandler::ClientPkiHandler()
{
    m_privateKeyFile = Environment(PrivateKeyFileVariable);
    m_publicKeyFile = Environment(PublicKeyFileVariable);
    m_perpetualKeysMode = m_privateKeyFile.empty() ? 0 : 1;
    const std::int32_t authcode = m_perpetualKeysMode ? perpetualKeysMode() : ephemeralKeysMode();
    QORV_ASSERT(AUTH_CODE_SUCCESS == authcode);
}

ClientPkiHandler::~ClientPkiHandler() = default;

std::int32_t ClientPkiHandler::perpetualKeysMode()
{
    return PkiHandler::perpetualKeysMode(m_privateKeyFile, m_publicKeyFile, m_privateKey, m_publicKey,
                                         std::getenv(PassphraseVariable));
}

std::int32_t ClientPkiHandler::ephemeralKeysMode()
{
    return PkiHandler::ephemeralKeysMode(builtinkeys::ClientPrivateKey, builtinkeys::ServerPublicKey, m_privateKey,
                                         m_publicKey);
}

std::int32_t ClientPkiHandler::encryptText(const std::string &text, Buffer &encrypted,
                                           std::uint64_t &encryptedLength) const
{
    encrypted.reset();
    encryptedLength = 0;
    return encryptDataWithPublicKey(text.c_str(), encrypted, encryptedLength, m_publicKey.get());
}

std::int32_t ClientPkiHandler::decryptField(const std::string &bytes, std::int32_t length, Buffer &decrypted,
                                            std::uint64_t &decryptedLength) const
{
    decrypted.reset();
    decryptedLength = 0;
    if (length < 0 || static_cast<std::uint64_t>(length) > bytes.size())
        return AUTH_CODE_DECRYPT_FAILED;
    return decryptEncryptedDataWithPrivateKey(bytes.data(), static_cast<std::uint64_t>(length), decrypted,
                                              decryptedLength, m_privateKey.get());
}
