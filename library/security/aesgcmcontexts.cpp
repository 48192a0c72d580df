#include "aesgcmcontexts.h"

#include "opensslruntimeerror.h"

#include <openssl/evp.h>

AesGcmContexts &AesGcmContexts::forThisThread()
{
    // A context may only be used by one thread at a time.
    thread_local AesGcmContexts contexts;
    return contexts;
}

const EVP_CIPHER *AesGcmContexts::cipher(const char *failure)
{
    if (!m_cipher)
        m_cipher.reset(EVP_CIPHER_fetch(nullptr, "AES-128-GCM", nullptr));
    if (!m_cipher)
        throw OpenSSLRuntimeError(failure);
    return m_cipher.get();
}

EVP_CIPHER_CTX *AesGcmContexts::sealing(const unsigned char *key, const unsigned char *iv)
{
    if (!m_sealing) {
        EvpCipherCtxPtr ctx(EVP_CIPHER_CTX_new());
        if (!ctx)
            throw OpenSSLRuntimeError("EVP_CIPHER_CTX_new");
        if (1 != EVP_EncryptInit_ex2(ctx.get(), cipher("EVP_EncryptInit_ex"), nullptr, nullptr, nullptr))
            throw OpenSSLRuntimeError("EVP_EncryptInit_ex");
        m_sealing = std::move(ctx);
    }
    // Without a cipher the context keeps its own and only takes the new key
    // and nonce.
    if (1 != EVP_EncryptInit_ex2(m_sealing.get(), nullptr, key, iv, nullptr)) {
        m_sealing.reset();
        throw OpenSSLRuntimeError("EVP_EncryptInit_ex");
    }
    return m_sealing.get();
}

EVP_CIPHER_CTX *AesGcmContexts::opening(const unsigned char *key, const unsigned char *iv)
{
    if (!m_opening) {
        EvpCipherCtxPtr ctx(EVP_CIPHER_CTX_new());
        if (!ctx)
            throw OpenSSLRuntimeError("EVP_CIPHER_CTX_new");
        if (1 != EVP_DecryptInit_ex2(ctx.get(), cipher("EVP_DecryptInit_ex"), nullptr, nullptr, nullptr))
            throw OpenSSLRuntimeError("EVP_DecryptInit_ex");
        m_opening = std::move(ctx);
    }
    if (1 != EVP_DecryptInit_ex2(m_opening.get(), nullptr, key, iv, nullptr)) {
        m_opening.reset();
        throw OpenSSLRuntimeError("EVP_DecryptInit_ex");
    }
    return m_opening.get();
}

void AesGcmContexts::forget()
{
    m_sealing.reset();
    m_opening.reset();
}
