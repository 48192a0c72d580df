#include "pkihandler.h"

#include "authcode.h"
#include "clock.h"
#include "crypto.h"

#include <boost/date_time/gregorian/gregorian_types.hpp>
#include <boost/date_time/posix_time/posix_time_types.hpp>
#include <openssl/bio.h>
#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/rand.h>

#include <cstring>
#include <ctime>
#include <iomanip>
#include <sstream>
#include <stdexcept>

namespace
{
boost::posix_time::ptime UtcNowInSeconds()
{
    const std::time_t now = Clock::nowTimeT();
    std::tm utc{};
    if (!gmtime_r(&now, &utc))
        throw std::runtime_error("could not convert calendar time to UTC time");
    return boost::posix_time::ptime(boost::gregorian::date(static_cast<unsigned short>(utc.tm_year + 1900),
                                                           static_cast<unsigned short>(utc.tm_mon + 1),
                                                           static_cast<unsigned short>(utc.tm_mday)),
                                    boost::posix_time::time_duration(utc.tm_hour, utc.tm_min, utc.tm_sec));
}

// Hands the reader the given pass phrase. Without one the read must fail
// rather than fall back to the library's prompt on the terminal, which a
// desktop program cannot answer.
int SupplyPassphrase(char *buffer, int size, int /*rwflag*/, void *userData)
{
    if (!userData || size <= 0)
        return -1;
    const char *passphrase = static_cast<const char *>(userData);
    const std::size_t length = std::strlen(passphrase);
    if (length > static_cast<std::size_t>(size))
        return -1;
    std::memcpy(buffer, passphrase, length);
    return static_cast<int>(length);
}

EvpPkeyPtr ReadPrivateKey(BIO *bio, const char *passphrase)
{
    return EvpPkeyPtr(PEM_read_bio_PrivateKey(bio, nullptr, SupplyPassphrase, const_cast<char *>(passphrase)));
}

EvpPkeyPtr ReadPrivateKey(std::FILE *file, const char *passphrase)
{
    return EvpPkeyPtr(PEM_read_PrivateKey(file, nullptr, SupplyPassphrase, const_cast<char *>(passphrase)));
}

EvpPkeyPtr ReadPublicKey(BIO *bio)
{
    return EvpPkeyPtr(PEM_read_bio_PUBKEY(bio, nullptr, nullptr, nullptr));
}

EvpPkeyPtr ReadPublicKey(std::FILE *file)
{
    return EvpPkeyPtr(PEM_read_PUBKEY(file, nullptr, nullptr, nullptr));
}

FilePtr OpenForReading(const std::string &path)
{
    return FilePtr(std::fopen(path.c_str(), "r"));
}

BioPtr MemoryReader(const char *text, int length)
{
    return BioPtr(BIO_new_mem_buf(text, length));
}

const unsigned char *Bytes(const char *data)
{
    return reinterpret_cast<const unsigned char *>(data);
}
}

PkiHandler::PkiHandler()
    : m_perpetualKeysMode(0)
    , m_timestamp(UtcNowInSeconds())
{
}

PkiHandler::~PkiHandler() = default;

std::int32_t PkiHandler::encryptDataWithPublicKey(const unsigned char *data, Buffer &encrypted,
                                                  std::uint64_t &encryptedLength, EVP_PKEY *publicKey) const
{
    const std::size_t dataLength = data ? std::strlen(reinterpret_cast<const char *>(data)) : 0;
    if (!publicKey)
        return AUTH_CODE_KEY_CONTEXT_FAILED;
    EvpPkeyCtxPtr ctx(EVP_PKEY_CTX_new(publicKey, nullptr));
    if (!ctx)
        return AUTH_CODE_KEY_CONTEXT_FAILED;
    if (0 >= EVP_PKEY_encrypt_init(ctx.get()))
        return AUTH_CODE_ENCRYPT_INIT_FAILED;
    std::size_t outputLength = 0;
    if (0 >= EVP_PKEY_encrypt(ctx.get(), nullptr, &outputLength, data, dataLength))
        return AUTH_CODE_ENCRYPT_FAILED;
    encrypted = MakeSecretBytes(outputLength);
    if (0 >= EVP_PKEY_encrypt(ctx.get(), encrypted.get(), &outputLength, data, dataLength))
        return AUTH_CODE_ENCRYPT_FAILED;
    encryptedLength = outputLength;
    return AUTH_CODE_SUCCESS;
}

std::int32_t PkiHandler::encryptDataWithPublicKey(const char *data, Buffer &encrypted, std::uint64_t &encryptedLength,
                                                  EVP_PKEY *publicKey) const
{
    return encryptDataWithPublicKey(Bytes(data), encrypted, encryptedLength, publicKey);
}

std::int32_t PkiHandler::encryptDataWithPublicKey(const unsigned char *data, Buffer &encrypted,
                                                  std::uint64_t &encryptedLength,
                                                  const std::string &publicKeyFile) const
{
    const FilePtr file = OpenForReading(publicKeyFile);
    if (!file)
        return AUTH_CODE_KEY_FILE_OPEN_FAILED;
    const EvpPkeyPtr key = ReadPublicKey(file.get());
    if (!key)
        return AUTH_CODE_PUBLIC_KEY_READ_FAILED;
    return encryptDataWithPublicKey(data, encrypted, encryptedLength, key.get());
}

std::int32_t PkiHandler::encryptDataWithPublicKey(const char *data, Buffer &encrypted, std::uint64_t &encryptedLength,
                                                  const std::string &publicKeyFile) const
{
    return encryptDataWithPublicKey(Bytes(data), encrypted, encryptedLength, publicKeyFile);
}

std::int32_t PkiHandler::encryptDataWithPublicKey(const unsigned char *data, Buffer &encrypted,
                                                  std::uint64_t &encryptedLength, const char *publicKeyPem,
                                                  std::int32_t publicKeyPemLength) const
{
    const BioPtr bio = MemoryReader(publicKeyPem, publicKeyPemLength);
    if (!bio)
        return AUTH_CODE_MEMORY_READER_FAILED;
    const EvpPkeyPtr key = ReadPublicKey(bio.get());
    if (!key)
        return AUTH_CODE_PUBLIC_KEY_READ_FAILED;
    return encryptDataWithPublicKey(data, encrypted, encryptedLength, key.get());
}

std::int32_t PkiHandler::encryptDataWithPublicKey(const char *data, Buffer &encrypted, std::uint64_t &encryptedLength,
                                                  const char *publicKeyPem, std::int32_t publicKeyPemLength) const
{
    return encryptDataWithPublicKey(Bytes(data), encrypted, encryptedLength, publicKeyPem, publicKeyPemLength);
}

std::int32_t PkiHandler::decryptEncryptedDataWithPrivateKey(const unsigned char *data, std::uint64_t length,
                                                            Buffer &decrypted, std::uint64_t &decryptedLength,
                                                            EVP_PKEY *privateKey) const
{
    if (!privateKey)
        return AUTH_CODE_KEY_CONTEXT_FAILED;
    EvpPkeyCtxPtr ctx(EVP_PKEY_CTX_new(privateKey, nullptr));
    if (!ctx)
        return AUTH_CODE_KEY_CONTEXT_FAILED;
    if (0 >= EVP_PKEY_decrypt_init(ctx.get()))
        return AUTH_CODE_DECRYPT_INIT_FAILED;
    decryptedLength = 0;
    std::size_t outputLength = 0;
    if (0 >= EVP_PKEY_decrypt(ctx.get(), nullptr, &outputLength, data, length))
        return AUTH_CODE_DECRYPT_FAILED;
    decrypted = MakeSecretBytes(outputLength);
    if (0 >= EVP_PKEY_decrypt(ctx.get(), decrypted.get(), &outputLength, data, length))
        return AUTH_CODE_DECRYPT_FAILED;
    decryptedLength = outputLength;
    return AUTH_CODE_SUCCESS;
}

std::int32_t PkiHandler::decryptEncryptedDataWithPrivateKey(const char *data, std::uint64_t length, Buffer &decrypted,
                                                            std::uint64_t &decryptedLength, EVP_PKEY *privateKey) const
{
    return decryptEncryptedDataWithPrivateKey(Bytes(data), length, decrypted, decryptedLength, privateKey);
}

std::int32_t PkiHandler::decryptEncryptedDataWithPrivateKey(const unsigned char *data, std::uint64_t length,
                                                            Buffer &decrypted, std::uint64_t &decryptedLength,
                                                            const std::string &privateKeyFile,
                                                            const char *passphrase) const
{
    const FilePtr file = OpenForReading(privateKeyFile);
    if (!file)
        return AUTH_CODE_KEY_FILE_OPEN_FAILED;
    const EvpPkeyPtr key = ReadPrivateKey(file.get(), passphrase);
    if (!key)
        return AUTH_CODE_PRIVATE_KEY_READ_FAILED;
    return decryptEncryptedDataWithPrivateKey(data, length, decrypted, decryptedLength, key.get());
}

std::int32_t PkiHandler::decryptEncryptedDataWithPrivateKey(const char *data, std::uint64_t length, Buffer &decrypted,
                                                            std::uint64_t &decryptedLength,
                                                            const std::string &privateKeyFile,
                                                            const char *passphrase) const
{
    return decryptEncryptedDataWithPrivateKey(Bytes(data), length, decrypted, decryptedLength, privateKeyFile,
                                              passphrase);
}

std::int32_t PkiHandler::decryptEncryptedDataWithPrivateKey(const unsigned char *data, std::uint64_t length,
                                                            Buffer &decrypted, std::uint64_t &decryptedLength,
                                                            const char *privateKeyPem, std::int32_t privateKeyPemLength,
                                                            const char *passphrase) const
{
    const BioPtr bio = MemoryReader(privateKeyPem, privateKeyPemLength);
    if (!bio)
        return AUTH_CODE_MEMORY_READER_FAILED;
    const EvpPkeyPtr key = ReadPrivateKey(bio.get(), passphrase);
    if (!key)
        return AUTH_CODE_PUBLIC_KEY_READ_FAILED;
    return decryptEncryptedDataWithPrivateKey(data, length, decrypted, decryptedLength, key.get());
}

std::int32_t PkiHandler::decryptEncryptedDataWithPrivateKey(const char *data, std::uint64_t length, Buffer &decrypted,
                                                            std::uint64_t &decryptedLength, const char *privateKeyPem,
                                                            std::int32_t privateKeyPemLength,
                                                            const char *passphrase) const
{
    return decryptEncryptedDataWithPrivateKey(Bytes(data), length, decrypted, decryptedLength, privateKeyPem,
                                              privateKeyPemLength, passphrase);
}

std::int32_t PkiHandler::perpetualKeysMode(const std::string &privateKeyFile, const std::string &publicKeyFile,
                                           EvpPkeyPtr &privateKey, EvpPkeyPtr &publicKey, const char *passphrase) const
{
    {
        const FilePtr file = OpenForReading(publicKeyFile);
        if (!file)
            return AUTH_CODE_KEY_FILE_OPEN_FAILED;
        publicKey = ReadPublicKey(file.get());
        if (!publicKey)
            return AUTH_CODE_PUBLIC_KEY_READ_FAILED;
    }
    const FilePtr file = OpenForReading(privateKeyFile);
    if (!file)
        return AUTH_CODE_KEY_FILE_OPEN_FAILED;
    privateKey = ReadPrivateKey(file.get(), passphrase);
    if (!privateKey)
        return AUTH_CODE_PRIVATE_KEY_READ_FAILED;
    return AUTH_CODE_SUCCESS;
}

std::int32_t PkiHandler::ephemeralKeysMode(const char *privateKeyPem, const char *publicKeyPem, EvpPkeyPtr &privateKey,
                                           EvpPkeyPtr &publicKey) const
{
    {
        const BioPtr bio = MemoryReader(publicKeyPem, -1);
        if (!bio)
            return AUTH_CODE_MEMORY_READER_FAILED;
        publicKey = ReadPublicKey(bio.get());
        if (!publicKey)
            return AUTH_CODE_BUILTIN_PUBLIC_KEY_READ_FAILED;
    }
    const BioPtr bio = MemoryReader(privateKeyPem, -1);
    if (!bio)
        return AUTH_CODE_MEMORY_READER_FAILED;
    const std::string passphrase = getPassphrase();
    privateKey = ReadPrivateKey(bio.get(), passphrase.c_str());
    if (!privateKey)
        return AUTH_CODE_PRIVATE_KEY_READ_FAILED;
    return AUTH_CODE_SUCCESS;
}

std::string PkiHandler::getPassphrase() const
{
    constexpr double seed = 0.91596559417721901505460351493238;
    std::ostringstream text;
    text << std::setprecision(32) << seed;
    return text.str();
}

std::string PkiHandler::newEncryptionKey() const
{
    unsigned char key[crypto::AES_EKEY_BLOCK_SIZE] = {};
    const bool drawn = 1 == RAND_bytes(key, static_cast<int>(sizeof(key)));
    std::string text = drawn ? "\\x" + crypto::ToHex(key, sizeof(key)) : std::string();
    OPENSSL_cleanse(key, sizeof(key));
    return text;
}
