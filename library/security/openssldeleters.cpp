#include "openssldeleters.h"

#include <openssl/bio.h>
#include <openssl/evp.h>

void FILE_deleter::operator()(std::FILE *file) const
{
    if (file)
        std::fclose(file);
}

void EVP_PKEY_CTX_deleter::operator()(EVP_PKEY_CTX *ctx) const
{
    EVP_PKEY_CTX_free(ctx);
}

void EVP_PKEY_deleter::operator()(EVP_PKEY *key) const
{
    EVP_PKEY_free(key);
}

void BIO_deleter::operator()(BIO *bio) const
{
    BIO_free(bio);
}

void EVP_CIPHER_deleter::operator()(EVP_CIPHER *cipher) const
{
    EVP_CIPHER_free(cipher);
}

void EVP_CIPHER_CTX_deleter::operator()(EVP_CIPHER_CTX *ctx) const
{
    // Freeing a context wipes the key material it holds.
    EVP_CIPHER_CTX_free(ctx);
}
