#include "secretbytes.h"

#include <openssl/crypto.h>

void SecretBytesDeleter::operator()(unsigned char *bytes) const
{
    if (bytes && size)
        OPENSSL_cleanse(bytes, size);
    delete[] bytes;
}

SecretBytes MakeSecretBytes(std::size_t size)
{
    return SecretBytes(new unsigned char[size](), SecretBytesDeleter{size});
}
