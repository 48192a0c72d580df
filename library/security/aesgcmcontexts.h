#ifndef AESGCMCONTEXTS_H
#define AESGCMCONTEXTS_H

#include "openssldeleters.h"

// The AES-128-GCM cipher of the calling thread, fetched once, with one
// context for sealing and one for opening that live from call to call:
// fetching the cipher and building a context cost more than sealing a small
// payload does. A context holds the expanded key of its last use until
// forget() is called or the thread ends, when the library wipes it.
class AesGcmContexts
{
public:
    static AesGcmContexts &forThisThread();

    AesGcmContexts(const AesGcmContexts &) = delete;
    AesGcmContexts &operator=(const AesGcmContexts &) = delete;

    // A context set for sealing, or opening, under key with the nonce at iv.
    // Throws OpenSSLRuntimeError naming the call that failed.
    EVP_CIPHER_CTX *sealing(const unsigned char *key, const unsigned char *iv);
    EVP_CIPHER_CTX *opening(const unsigned char *key, const unsigned char *iv);

    // Drops both contexts with the keys they hold; the next call builds them
    // anew. Also the way back from a call that failed half-way.
    void forget();

private:
    AesGcmContexts() = default;

    // EVP_EncryptInit_ex2 or EVP_DecryptInit_ex2.
    using Init = int (*)(EVP_CIPHER_CTX *, const EVP_CIPHER *, const unsigned char *, const unsigned char *,
                         const OSSL_PARAM *);

    const EVP_CIPHER *cipher(const char *failure);
    // context, made on first use, set for init's direction under key with the
    // nonce at iv; initName names init in the error.
    EVP_CIPHER_CTX *prepared(EvpCipherCtxPtr &context, Init init, const char *initName, const unsigned char *key,
                             const unsigned char *iv);

    EvpCipherPtr m_cipher;
    EvpCipherCtxPtr m_sealing;
    EvpCipherCtxPtr m_opening;
};

#endif // AESGCMCONTEXTS_H
