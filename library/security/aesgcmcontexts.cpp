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
    return prepared(m_sealing, EVP_EncryptInit_ex2, "EVP_EncryptInit_ex", key, iv);
}

EVP_CIPHER_CTX *AesGcmContexts::opening(const unsigned char *key, const unsigned char *iv)
{
    return prepared(m_opening, EVP_DecryptInit_ex2, "EVP_DecryptInit_ex", key, iv);
}

EVP_CIPHER_CTX *AesGcmContexts::prepared(EvpCipherCtxPtr &context, Init init, const char *initName,
                                         const unsigned char *key, const unsigned char *iv)
{
    if (!context) {
        EvpCipherCtxPtr ctx(EVP_CIPHER_CTX_new());
        if (!ctx)
            throw OpenSSLRuntimeError("EVP_CIPHER_CTX_new");
        if (1 != init(ctx.get(), cipher(initName), nullptr, nullptr, nullptr))
            throw OpenSSLRuntimeError(initName);
        context = std::move(ctx);
    }
    // Without a cipher the context keeps its own and only takes the new key
    // and nonce.
    if (1 != init(context.get(), nullptr, key, iv, nullptr)) {
        context.reset();
        throw OpenSSLRuntimeError(initName);
    }
    return context.get();
}

void AesGcmContexts::forget()
{
    m_sealing.reset();
    m_opening.reset();
}
