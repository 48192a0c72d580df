#ifndef BAREGCM_H
#define BAREGCM_H

#include "openssldeleters.h"

#include <array>
#include <cstddef>

namespace bench
{
// The least the frame's cipher work can cost: OpenSSL's AES-128-GCM under one
// key, the cipher fetched and a context each way made once.
class BareGcm
{
public:
    using Key = std::array<unsigned char, 16>;
    using Iv = std::array<unsigned char, 16>;
    using Tag = std::array<unsigned char, 16>;

    // Under a fixed key; throws Failure when the cipher is not there.
    BareGcm();
    explicit BareGcm(const Key &key);

    // Seals size bytes of plain into sealed (as many bytes) and its tag.
    bool seal(const char *plain, std::size_t size, char *sealed, const Iv &iv, Tag &tag);
    // Opens size bytes of sealed into plain; false when the tag does not verify.
    bool open(const char *sealed, std::size_t size, char *plain, const Iv &iv, const Tag &tag);

private:
    Key m_key;
    EvpCipherPtr m_cipher;
    EvpCipherCtxPtr m_seal;
    EvpCipherCtxPtr m_open;
};
}

#endif // BAREGCM_H
