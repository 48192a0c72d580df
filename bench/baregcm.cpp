#include "baregcm.h"

#include "benchpair.h"

#include <openssl/evp.h>

namespace bench
{
namespace
{
const BareGcm::Key FixedKey = {0x3c, 0x01, 0x9f, 0x44, 0x70, 0x12, 0xd5, 0x8e,
                               0x21, 0xab, 0x05, 0x6d, 0xe0, 0x37, 0xc8, 0x99};

const unsigned char *Bytes(const char *bytes)
{
    return reinterpret_cast<const unsigned char *>(bytes);
}

unsigned char *Bytes(char *bytes)
{
    return reinterpret_cast<unsigned char *>(bytes);
}
}

BareGcm::BareGcm()
    : BareGcm(FixedKey)
{
}

BareGcm::BareGcm(const Key &key)
    : m_key(key)
    , m_cipher(EVP_CIPHER_fetch(nullptr, "AES-128-GCM", nullptr))
    , m_seal(EVP_CIPHER_CTX_new())
    , m_open(EVP_CIPHER_CTX_new())
{
    if (!m_cipher || !m_seal || !m_open || !EVP_EncryptInit_ex2(m_seal.get(), m_cipher.get(), nullptr, nullptr, nullptr)
        || !EVP_DecryptInit_ex2(m_open.get(), m_cipher.get(), nullptr, nullptr, nullptr))
        throw Failure("no AES-128-GCM");
}

bool BareGcm::seal(const char *plain, std::size_t size, char *sealed, const Iv &iv, Tag &tag)
{
    int length = 0;
    int finalLength = 0;
    return EVP_EncryptInit_ex2(m_seal.get(), nullptr, m_key.data(), iv.data(), nullptr)
           && EVP_EncryptUpdate(m_seal.get(), Bytes(sealed), &length, Bytes(plain), static_cast<int>(size))
           && EVP_EncryptFinal_ex(m_seal.get(), Bytes(sealed) + length, &finalLength)
           && EVP_CIPHER_CTX_ctrl(m_seal.get(), EVP_CTRL_GCM_GET_TAG, static_cast<int>(tag.size()), tag.data());
}

bool BareGcm::open(const char *sealed, std::size_t size, char *plain, const Iv &iv, const Tag &tag)
{
    int length = 0;
    int finalLength = 0;
    Tag expected = tag;
    return EVP_DecryptInit_ex2(m_open.get(), nullptr, m_key.data(), iv.data(), nullptr)
           && EVP_DecryptUpdate(m_open.get(), Bytes(plain), &length, Bytes(sealed), static_cast<int>(size))
           && EVP_CIPHER_CTX_ctrl(m_open.get(), EVP_CTRL_GCM_SET_TAG, static_cast<int>(expected.size()),
                                  expected.data())
           && EVP_DecryptFinal_ex(m_open.get(), Bytes(plain) + length, &finalLength);
}
}
