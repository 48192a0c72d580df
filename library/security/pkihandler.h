#ifndef PKIHANDLER_H
#define PKIHANDLER_H

#include "openssldeleters.h"
#include "secretbytes.h"

#include <boost/date_time/posix_time/ptime.hpp>

#include <cstdint>
#include <memory>
#include <string>

// RSA encryption with the server's public key and decryption with the
// client's private key, and the loading of both keys from PEM files or PEM
// texts. Every operation reports through an AUTH_CODE_* result (authcode.h);
// output buffers are replaced, never appended to, and wiped when released.
class PkiHandler
{
public:
    using Buffer = SecretBytes;

    PkiHandler();
    virtual ~PkiHandler();

    PkiHandler(const PkiHandler &) = delete;
    PkiHandler &operator=(const PkiHandler &) = delete;

    // The plaintext is data up to its first zero byte (PKCS#1 v1.5 padding).
    [[nodiscard]] std::int32_t encryptDataWithPublicKey(const unsigned char *data, Buffer &encrypted,
                                                        std::uint64_t &encryptedLength, EVP_PKEY *publicKey) const;
    [[nodiscard]] std::int32_t encryptDataWithPublicKey(const char *data, Buffer &encrypted,
                                                        std::uint64_t &encryptedLength, EVP_PKEY *publicKey) const;
    [[nodiscard]] std::int32_t encryptDataWithPublicKey(const unsigned char *data, Buffer &encrypted,
                                                        std::uint64_t &encryptedLength,
                                                        const std::string &publicKeyFile) const;
    [[nodiscard]] std::int32_t encryptDataWithPublicKey(const char *data, Buffer &encrypted,
                                                        std::uint64_t &encryptedLength,
                                                        const std::string &publicKeyFile) const;
    [[nodiscard]] std::int32_t encryptDataWithPublicKey(const unsigned char *data, Buffer &encrypted,
                                                        std::uint64_t &encryptedLength, const char *publicKeyPem,
                                                        std::int32_t publicKeyPemLength) const;
    [[nodiscard]] std::int32_t encryptDataWithPublicKey(const char *data, Buffer &encrypted,
                                                        std::uint64_t &encryptedLength, const char *publicKeyPem,
                                                        std::int32_t publicKeyPemLength) const;

    // The output holds the plaintext bytes without a terminating zero.
    [[nodiscard]] std::int32_t decryptEncryptedDataWithPrivateKey(const unsigned char *data, std::uint64_t length,
                                                                  Buffer &decrypted, std::uint64_t &decryptedLength,
                                                                  EVP_PKEY *privateKey) const;
    [[nodiscard]] std::int32_t decryptEncryptedDataWithPrivateKey(const char *data, std::uint64_t length,
                                                                  Buffer &decrypted, std::uint64_t &decryptedLength,
                                                                  EVP_PKEY *privateKey) const;
    [[nodiscard]] std::int32_t decryptEncryptedDataWithPrivateKey(const unsigned char *data, std::uint64_t length,
                                                                  Buffer &decrypted, std::uint64_t &decryptedLength,
                                                                  const std::string &privateKeyFile,
                                                                  const char *passphrase) const;
    [[nodiscard]] std::int32_t decryptEncryptedDataWithPrivateKey(const char *data, std::uint64_t length,
                                                                  Buffer &decrypted, std::uint64_t &decryptedLength,
                                                                  const std::string &privateKeyFile,
                                                                  const char *passphrase) const;
    [[nodiscard]] std::int32_t decryptEncryptedDataWithPrivateKey(const unsigned char *data, std::uint64_t length,
                                                                  Buffer &decrypted, std::uint64_t &decryptedLength,
                                                                  const char *privateKeyPem,
                                                                  std::int32_t privateKeyPemLength,
                                                                  const char *passphrase) const;
    [[nodiscard]] std::int32_t decryptEncryptedDataWithPrivateKey(const char *data, std::uint64_t length,
                                                                  Buffer &decrypted, std::uint64_t &decryptedLength,
                                                                  const char *privateKeyPem,
                                                                  std::int32_t privateKeyPemLength,
                                                                  const char *passphrase) const;

    // Keys from PEM files; passphrase may be null.
    [[nodiscard]] std::int32_t perpetualKeysMode(const std::string &privateKeyFile, const std::string &publicKeyFile,
                                                 EvpPkeyPtr &privateKey, EvpPkeyPtr &publicKey,
                                                 const char *passphrase) const;
    // Keys from PEM texts, each read up to its first zero byte.
    [[nodiscard]] std::int32_t ephemeralKeysMode(const char *privateKeyPem, const char *publicKeyPem,
                                                 EvpPkeyPtr &privateKey, EvpPkeyPtr &publicKey) const;

    std::string getPassphrase() const;
    // "\x" followed by 16 random bytes as 32 upper-case hex digits; empty when
    // the random source fails.
    [[nodiscard]] std::string newEncryptionKey() const;

protected:
    std::string m_privateKeyFile;
    std::string m_publicKeyFile;
    EvpPkeyPtr m_privateKey;
    EvpPkeyPtr m_publicKey;
    std::int32_t m_perpetualKeysMode;
    boost::posix_time::ptime m_timestamp;
};

#endif // PKIHANDLER_H
