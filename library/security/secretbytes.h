#ifndef SECRETBYTES_H
#define SECRETBYTES_H

#include <cstddef>
#include <memory>

// Deletes a byte array that may hold key material (a decrypted session key,
// password form or authorization code) after overwriting it with
// OPENSSL_cleanse, which the compiler cannot drop as a dead store. The size
// travels with the deleter; an array adopted without one is only deleted.
struct SecretBytesDeleter
{
    std::size_t size = 0;

    void operator()(unsigned char *bytes) const;
};

using SecretBytes = std::unique_ptr<unsigned char[], SecretBytesDeleter>;

// A zero-filled array of size bytes that is wiped when it is released.
SecretBytes MakeSecretBytes(std::size_t size);

#endif // SECRETBYTES_H
