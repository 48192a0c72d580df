#ifndef OPENSSLDELETERS_H
#define OPENSSLDELETERS_H

#include <openssl/types.h>

#include <cstdio>
#include <memory>

// Owning handles for library objects; each does nothing when empty.
struct FILE_deleter
{
    void operator()(std::FILE *file) const;
};

struct EVP_PKEY_CTX_deleter
{
    void operator()(EVP_PKEY_CTX *ctx) const;
};

struct EVP_PKEY_deleter
{
    void operator()(EVP_PKEY *key) const;
};

struct BIO_deleter
{
    void operator()(BIO *bio) const;
};

struct EVP_CIPHER_deleter
{
    void operator()(EVP_CIPHER *cipher) const;
};

struct EVP_CIPHER_CTX_deleter
{
    void operator()(EVP_CIPHER_CTX *ctx) const;
};

using FilePtr = std::unique_ptr<std::FILE, FILE_deleter>;
using EvpPkeyCtxPtr = std::unique_ptr<EVP_PKEY_CTX, EVP_PKEY_CTX_deleter>;
using EvpPkeyPtr = std::unique_ptr<EVP_PKEY, EVP_PKEY_deleter>;
using BioPtr = std::unique_ptr<BIO, BIO_deleter>;
using EvpCipherPtr = std::unique_ptr<EVP_CIPHER, EVP_CIPHER_deleter>;
using EvpCipherCtxPtr = std::unique_ptr<EVP_CIPHER_CTX, EVP_CIPHER_CTX_deleter>;

#endif // OPENSSLDELETERS_H
