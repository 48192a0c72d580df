#ifndef OPENSSLDELETERS_H
#define OPENSSLDELETERS_H

#include <openssl/types.h>

#include <cstdio>
#include <memory>

// Owning handles for the library objects of the public-key code; each does
// nothing when empty.
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

using FilePtr = std::unique_ptr<std::FILE, FILE_deleter>;
using EvpPkeyCtxPtr = std::unique_ptr<EVP_PKEY_CTX, EVP_PKEY_CTX_deleter>;
using EvpPkeyPtr = std::unique_ptr<EVP_PKEY, EVP_PKEY_deleter>;
using BioPtr = std::unique_ptr<BIO, BIO_deleter>;

#endif // OPENSSLDELETERS_H
