#include "servercipher.h"

#include <openssl/evp.h>
#include <openssl/rand.h>

#include <memory>

namespace testsupport
{
namespace
{
constexpr int NonceLength = 12;
constexpr int TagLength = 16;
constexpr int IvBufferLength = 16;

struct CipherContextDeleter
{
    void operator()(EVP_CIPHER_CTX *context) const { EVP_CIPHER_CTX_free(context); }
};
using CipherContext = std::unique_ptr<EVP_CIPHER_CTX, CipherContextDeleter>;

unsigned char *Bytes(std::string &text)
{
    return reinterpret_cast<unsigned char *>(&text[0]);
}

const unsigned char *Bytes(const std::string &text)
{
    return reinterpret_cast<const unsigned char *>(text.data());
}
}

bool ServerCipher::seal(const TestSessionKey &key, const std::string &plain, std::string &iv, std::string &code,
                        std::string &tag)
{
    iv.assign(IvBufferLength, '\0');
    tag.assign(TagLength, '\0');
    code.assign(plain.size(), '\0');
    if (RAND_bytes(Bytes(iv), IvBufferLength) != 1)
        return false;

    CipherContext context(EVP_CIPHER_CTX_new());
    int written = 0;
    int finalWritten = 0;
    if (!context || EVP_EncryptInit_ex(context.get(), EVP_aes_128_gcm(), nullptr, nullptr, nullptr) != 1
        || EVP_CIPHER_CTX_ctrl(context.get(), EVP_CTRL_GCM_SET_IVLEN, NonceLength, nullptr) != 1
        || EVP_EncryptInit_ex(context.get(), nullptr, nullptr, key.data(), Bytes(iv)) != 1
        || (!plain.empty()
            && EVP_EncryptUpdate(context.get(), Bytes(code), &written, Bytes(plain), static_cast<int>(plain.size()))
                   != 1)
        || EVP_EncryptFinal_ex(context.get(), Bytes(code) + written, &finalWritten) != 1
        || EVP_CIPHER_CTX_ctrl(context.get(), EVP_CTRL_GCM_GET_TAG, TagLength, Bytes(tag)) != 1)
        return false;
    code.resize(static_cast<std::size_t>(written + finalWritten));
    return true;
}

bool ServerCipher::open(const TestSessionKey &key, const std::string &iv, const std::string &code,
                        const std::string &tag, std::string &plain)
{
    if (iv.size() != IvBufferLength || tag.size() != TagLength)
        return false;
    std::string result(code.size(), '\0');
    std::string expectedTag = tag;
    CipherContext context(EVP_CIPHER_CTX_new());
    int written = 0;
    int finalWritten = 0;
    if (!context || EVP_DecryptInit_ex(context.get(), EVP_aes_128_gcm(), nullptr, nullptr, nullptr) != 1
        || EVP_CIPHER_CTX_ctrl(context.get(), EVP_CTRL_GCM_SET_IVLEN, NonceLength, nullptr) != 1
        || EVP_DecryptInit_ex(context.get(), nullptr, nullptr, key.data(), Bytes(iv)) != 1
        || (!code.empty()
            && EVP_DecryptUpdate(context.get(), Bytes(result), &written, Bytes(code), static_cast<int>(code.size()))
                   != 1)
        || EVP_CIPHER_CTX_ctrl(context.get(), EVP_CTRL_GCM_SET_TAG, TagLength, Bytes(expectedTag)) != 1
        || EVP_DecryptFinal_ex(context.get(), Bytes(result) + written, &finalWritten) != 1)
        return false;
    result.resize(static_cast<std::size_t>(written + finalWritten));
    plain = std::move(result);
    return true;
}
}
