#include "serverrsa.h"

#include <openssl/bio.h>
#include <openssl/evp.h>
#include <openssl/pem.h>

namespace testsupport
{
namespace
{
struct PkeyDeleter
{
    void operator()(EVP_PKEY *key) const { EVP_PKEY_free(key); }
};
struct PkeyContextDeleter
{
    void operator()(EVP_PKEY_CTX *context) const { EVP_PKEY_CTX_free(context); }
};
struct BioDeleter
{
    void operator()(BIO *bio) const { BIO_free(bio); }
};
using Pkey = std::unique_ptr<EVP_PKEY, PkeyDeleter>;
using PkeyContext = std::unique_ptr<EVP_PKEY_CTX, PkeyContextDeleter>;
using Bio = std::unique_ptr<BIO, BioDeleter>;

Pkey ReadPrivateKey(const std::string &path)
{
    const Bio file(BIO_new_file(path.c_str(), "r"));
    return Pkey(file ? PEM_read_bio_PrivateKey(file.get(), nullptr, nullptr, nullptr) : nullptr);
}

Pkey ReadPublicKey(const std::string &path)
{
    const Bio file(BIO_new_file(path.c_str(), "r"));
    return Pkey(file ? PEM_read_bio_PUBKEY(file.get(), nullptr, nullptr, nullptr) : nullptr);
}

const unsigned char *Bytes(const std::string &text)
{
    return reinterpret_cast<const unsigned char *>(text.data());
}
}

struct ServerRsa::Keys
{
    Pkey serverPrivate;
    Pkey clientPublic;
};

ServerRsa::ServerRsa(const std::string &keyDirectory)
    : m_keys(std::make_unique<Keys>())
{
    m_keys->serverPrivate = ReadPrivateKey(keyDirectory + "/server_private.pem");
    m_keys->clientPublic = ReadPublicKey(keyDirectory + "/client_public.pem");
}

ServerRsa::~ServerRsa() = default;

bool ServerRsa::isValid() const
{
    return m_keys->serverPrivate && m_keys->clientPublic;
}

std::optional<std::string> ServerRsa::encryptForClient(const std::string &plain) const
{
    if (!m_keys->clientPublic)
        return std::nullopt;
    const PkeyContext context(EVP_PKEY_CTX_new(m_keys->clientPublic.get(), nullptr));
    std::size_t length = 0;
    if (!context || EVP_PKEY_encrypt_init(context.get()) != 1
        || EVP_PKEY_CTX_set_rsa_padding(context.get(), RSA_PKCS1_PADDING) != 1
        || EVP_PKEY_encrypt(context.get(), nullptr, &length, Bytes(plain), plain.size()) != 1)
        return std::nullopt;
    std::string cipher(length, '\0');
    if (EVP_PKEY_encrypt(context.get(), reinterpret_cast<unsigned char *>(&cipher[0]), &length, Bytes(plain),
                         plain.size())
        != 1)
        return std::nullopt;
    cipher.resize(length);
    return cipher;
}

std::optional<std::string> ServerRsa::decryptFromClient(const std::string &cipher) const
{
    if (!m_keys->serverPrivate || cipher.empty())
        return std::nullopt;
    const PkeyContext context(EVP_PKEY_CTX_new(m_keys->serverPrivate.get(), nullptr));
    std::size_t length = 0;
    if (!context || EVP_PKEY_decrypt_init(context.get()) != 1
        || EVP_PKEY_CTX_set_rsa_padding(context.get(), RSA_PKCS1_PADDING) != 1
        || EVP_PKEY_decrypt(context.get(), nullptr, &length, Bytes(cipher), cipher.size()) != 1)
        return std::nullopt;
    std::string plain(length, '\0');
    if (EVP_PKEY_decrypt(context.get(), reinterpret_cast<unsigned char *>(&plain[0]), &length, Bytes(cipher),
                         cipher.size())
        != 1)
        return std::nullopt;
    plain.resize(length);
    return plain;
}
}
