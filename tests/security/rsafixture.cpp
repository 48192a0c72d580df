#include "rsafixture.h"

#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/rsa.h>

namespace fixture
{
const std::string NotDecryptable = "<not decryptable>";

QString KeyPath(const char *name)
{
    return QStringLiteral(QORV_FIXTURE_KEY_DIR "/") + QString::fromLatin1(name);
}

EvpPkeyPtr LoadPrivateKey(const QString &path, const char *passphrase)
{
    const FilePtr file(std::fopen(path.toLocal8Bit().constData(), "r"));
    if (!file)
        return EvpPkeyPtr();
    return EvpPkeyPtr(PEM_read_PrivateKey(file.get(), nullptr, nullptr, const_cast<char *>(passphrase)));
}

EvpPkeyPtr LoadPublicKey(const QString &path)
{
    const FilePtr file(std::fopen(path.toLocal8Bit().constData(), "r"));
    if (!file)
        return EvpPkeyPtr();
    return EvpPkeyPtr(PEM_read_PUBKEY(file.get(), nullptr, nullptr, nullptr));
}

EvpPkeyPtr GenerateRsaKey(unsigned bits)
{
    return EvpPkeyPtr(EVP_RSA_gen(bits));
}

bool WritePrivateKey(EVP_PKEY *key, const QString &path, const char *passphrase)
{
    const FilePtr file(std::fopen(path.toLocal8Bit().constData(), "w"));
    if (!file)
        return false;
    const EVP_CIPHER *cipher = passphrase ? EVP_aes_256_cbc() : nullptr;
    return 1 == PEM_write_PrivateKey(file.get(), key, cipher, nullptr, 0, nullptr, const_cast<char *>(passphrase));
}

bool WritePublicKey(EVP_PKEY *key, const QString &path)
{
    const FilePtr file(std::fopen(path.toLocal8Bit().constData(), "w"));
    return file && 1 == PEM_write_PUBKEY(file.get(), key);
}

std::string Encrypt(EVP_PKEY *publicKey, const std::string &plaintext)
{
    const EvpPkeyCtxPtr ctx(EVP_PKEY_CTX_new(publicKey, nullptr));
    std::size_t length = 0;
    if (!ctx || 1 != EVP_PKEY_encrypt_init(ctx.get()) || 1 != EVP_PKEY_CTX_set_rsa_padding(ctx.get(), RSA_PKCS1_PADDING)
        || 1
               != EVP_PKEY_encrypt(ctx.get(), nullptr, &length,
                                   reinterpret_cast<const unsigned char *>(plaintext.data()), plaintext.size()))
        return std::string();
    std::string ciphertext(length, '\0');
    if (1
        != EVP_PKEY_encrypt(ctx.get(), reinterpret_cast<unsigned char *>(ciphertext.data()), &length,
                            reinterpret_cast<const unsigned char *>(plaintext.data()), plaintext.size()))
        return std::string();
    ciphertext.resize(length);
    return ciphertext;
}

std::string Decrypt(EVP_PKEY *privateKey, const std::string &ciphertext)
{
    const EvpPkeyCtxPtr ctx(EVP_PKEY_CTX_new(privateKey, nullptr));
    std::size_t length = 0;
    const auto *in = reinterpret_cast<const unsigned char *>(ciphertext.data());
    if (!ctx || 1 != EVP_PKEY_decrypt_init(ctx.get()) || 1 != EVP_PKEY_CTX_set_rsa_padding(ctx.get(), RSA_PKCS1_PADDING)
        || 1 != EVP_PKEY_decrypt(ctx.get(), nullptr, &length, in, ciphertext.size()))
        return NotDecryptable;
    std::string plaintext(length, '\0');
    if (1
        != EVP_PKEY_decrypt(ctx.get(), reinterpret_cast<unsigned char *>(plaintext.data()), &length, in,
                            ciphertext.size()))
        return NotDecryptable;
    plaintext.resize(length);
    return plaintext;
}
}
