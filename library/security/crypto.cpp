#include "crypto.h"

#include "aesgcmcontexts.h"
#include "cryptolengtherror.h"
#include "openssldeleters.h"
#include "opensslruntimeerror.h"
#include "qorvassert.h"

#include <openssl/core_names.h>
#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/params.h>
#include <openssl/rand.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <memory>
#include <vector>

namespace crypto
{
const char HMAC_SKEY[33] = "C3A1F57E09B84D62AE1075D9F43B28C6";

namespace
{
constexpr int PasswordIterations = 4096;
constexpr std::size_t PasswordKeyLength = 16;
constexpr std::size_t PassLength = 64;
constexpr std::size_t StoredPasswordLength = 64;
constexpr std::size_t SaltBytes = 16;
constexpr std::size_t SaltTextLength = 2 * SaltBytes;
constexpr std::size_t HmacSha1Length = 20;

struct DigestCtxDeleter
{
    void operator()(EVP_MD_CTX *ctx) const { EVP_MD_CTX_free(ctx); }
};
struct MacDeleter
{
    void operator()(EVP_MAC *mac) const { EVP_MAC_free(mac); }
};
struct MacCtxDeleter
{
    void operator()(EVP_MAC_CTX *ctx) const { EVP_MAC_CTX_free(ctx); }
};

using DigestCtx = std::unique_ptr<EVP_MD_CTX, DigestCtxDeleter>;
using Mac = std::unique_ptr<EVP_MAC, MacDeleter>;
using MacCtx = std::unique_ptr<EVP_MAC_CTX, MacCtxDeleter>;

// The library counts bytes in an int. A longer input must fail like the call
// that cannot take it rather than wrap around to a shorter one.
int LibraryLength(std::size_t length, const char *function)
{
    if (length > static_cast<std::size_t>(INT_MAX))
        throw OpenSSLRuntimeError(function);
    return static_cast<int>(length);
}

EvpCipherCtxPtr NewCipherCtx()
{
    EvpCipherCtxPtr ctx(EVP_CIPHER_CTX_new());
    if (!ctx)
        throw OpenSSLRuntimeError("EVP_CIPHER_CTX_new");
    return ctx;
}

struct DigestNames
{
    const char *init;
    const char *update;
    const char *final;
};

std::string Digest(const EVP_MD *md, const unsigned char *data, std::size_t length, const DigestNames &names)
{
    DigestCtx ctx(EVP_MD_CTX_new());
    if (!ctx || 1 != EVP_DigestInit_ex(ctx.get(), md, nullptr))
        throw OpenSSLRuntimeError(names.init);
    if (1 != EVP_DigestUpdate(ctx.get(), data, length))
        throw OpenSSLRuntimeError(names.update);
    std::array<unsigned char, EVP_MAX_MD_SIZE> digest{};
    unsigned int digestLength = 0;
    if (1 != EVP_DigestFinal_ex(ctx.get(), digest.data(), &digestLength))
        throw OpenSSLRuntimeError(names.final);
    return ToHex(digest.data(), digestLength);
}

// Peppers are kept as words, not as text, so that neither appears whole in
// the binary; the server appends the same 32 characters.
template <std::size_t N>
std::string AssemblePepper(const std::array<std::uint32_t, N> &words)
{
    std::array<unsigned char, 4 * N> bytes{};
    for (std::size_t i = 0; i < N; ++i) {
        bytes[4 * i] = static_cast<unsigned char>(words[i] >> 24);
        bytes[4 * i + 1] = static_cast<unsigned char>(words[i] >> 16);
        bytes[4 * i + 2] = static_cast<unsigned char>(words[i] >> 8);
        bytes[4 * i + 3] = static_cast<unsigned char>(words[i]);
    }
    return ToHex(bytes.data(), bytes.size());
}

// The pointer forms count a terminating zero byte; a zero count means there is
// nothing at all, not "minus one byte".
std::size_t WithoutTerminator(std::size_t lengthWithTerminator)
{
    QORV_ASSERT(0 < lengthWithTerminator);
    return lengthWithTerminator ? lengthWithTerminator - 1 : 0;
}
}

std::string ToHex(const unsigned char *bytes, std::size_t length)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(2 * length);
    for (std::size_t i = 0; i < length; ++i) {
        text.push_back(digits[bytes[i] >> 4]);
        text.push_back(digits[bytes[i] & 0x0F]);
    }
    return text;
}

int AesGcmEncrypt(const unsigned char *plaintext, unsigned char *ciphertext, std::size_t length,
                  const unsigned char *key, const unsigned char *iv, unsigned char *tag)
{
    AesGcmContexts &contexts = AesGcmContexts::forThisThread();
    EVP_CIPHER_CTX *ctx = contexts.sealing(key, iv);
    const auto fail = [&contexts](const char *function) {
        contexts.forget();
        throw OpenSSLRuntimeError(function);
    };
    int updateLength = 0;
    if (length > static_cast<std::size_t>(INT_MAX)
        || 1 != EVP_EncryptUpdate(ctx, ciphertext, &updateLength, plaintext, static_cast<int>(length)))
        fail("EVP_EncryptUpdate");
    int finalLength = 0;
    if (1 != EVP_EncryptFinal_ex(ctx, ciphertext + updateLength, &finalLength))
        fail("EVP_EncryptFinal_ex");
    if (1 != EVP_CIPHER_CTX_ctrl(ctx, EVP_CTRL_GCM_GET_TAG, static_cast<int>(AES_GCM_TAG_SIZE), tag))
        fail("EVP_CIPHER_CTX_ctrl");
    return updateLength + finalLength;
}

int AesGcmEncrypt(const char *plaintext, unsigned char *ciphertext, std::size_t length, const unsigned char *key,
                  const unsigned char *iv, unsigned char *tag)
{
    return AesGcmEncrypt(reinterpret_cast<const unsigned char *>(plaintext), ciphertext, length, key, iv, tag);
}

int AesGcmDecrypt(const unsigned char *ciphertext, unsigned char *plaintext, std::size_t length,
                  const unsigned char *key, const unsigned char *iv, const unsigned char *tag)
{
    AesGcmContexts &contexts = AesGcmContexts::forThisThread();
    EVP_CIPHER_CTX *ctx = contexts.opening(key, iv);
    const auto fail = [&contexts](const char *function) {
        contexts.forget();
        throw OpenSSLRuntimeError(function);
    };
    int updateLength = 0;
    if (length > static_cast<std::size_t>(INT_MAX)
        || 1 != EVP_DecryptUpdate(ctx, plaintext, &updateLength, ciphertext, static_cast<int>(length)))
        fail("EVP_DecryptUpdate");
    // The library only reads the expected tag, but its signature is not const.
    if (1
        != EVP_CIPHER_CTX_ctrl(ctx, EVP_CTRL_GCM_SET_TAG, static_cast<int>(AES_GCM_TAG_SIZE),
                               const_cast<unsigned char *>(tag)))
        fail("EVP_CIPHER_CTX_ctrl");
    int finalLength = 0;
    if (1 != EVP_DecryptFinal_ex(ctx, plaintext + updateLength, &finalLength))
        return -1;
    return updateLength + finalLength;
}

int AesGcmDecrypt(const unsigned char *ciphertext, char *plaintext, std::size_t length, const unsigned char *key,
                  const unsigned char *iv, const unsigned char *tag)
{
    return AesGcmDecrypt(ciphertext, reinterpret_cast<unsigned char *>(plaintext), length, key, iv, tag);
}

void AesGcmForgetKeys()
{
    AesGcmContexts::forThisThread().forget();
}

void AesCtrEncrypt(const unsigned char *in, unsigned char *out, std::size_t length, const unsigned char *key,
                   const unsigned char *iv)
{
    std::array<unsigned char, AES_IVEC_SIZE> counter{};
    std::copy(iv, iv + 8, counter.begin());

    EvpCipherCtxPtr ctx = NewCipherCtx();
    if (1 != EVP_EncryptInit_ex(ctx.get(), EVP_aes_128_ctr(), nullptr, key, counter.data()))
        throw OpenSSLRuntimeError("EVP_EncryptInit_ex");
    int updateLength = 0;
    const int inputLength = LibraryLength(length, "EVP_EncryptUpdate");
    if (1 != EVP_EncryptUpdate(ctx.get(), out, &updateLength, in, inputLength))
        throw OpenSSLRuntimeError("EVP_EncryptUpdate");
    int finalLength = 0;
    if (1 != EVP_EncryptFinal_ex(ctx.get(), out + updateLength, &finalLength))
        throw OpenSSLRuntimeError("EVP_EncryptFinal_ex");
}

void AesCtrEncrypt(const char *in, unsigned char *out, std::size_t length, const unsigned char *key,
                   const unsigned char *iv)
{
    AesCtrEncrypt(reinterpret_cast<const unsigned char *>(in), out, length, key, iv);
}

std::string HashText(const unsigned char *text, std::size_t lengthWithTerminator)
{
    return Digest(EVP_sha256(), text, WithoutTerminator(lengthWithTerminator),
                  {"SHA256_Init", "SHA256_Update", "SHA256_Final"});
}

std::string HashText(const std::string &text)
{
    return HashText(reinterpret_cast<const unsigned char *>(text.c_str()), text.size() + 1);
}

std::string HashPassword(const char *pass, std::size_t passLengthWithTerminator, const unsigned char *salt,
                         std::size_t saltLengthWithTerminator, int iterations, std::size_t outputLength)
{
    const std::size_t passLength = WithoutTerminator(passLengthWithTerminator);
    const std::size_t saltLength = WithoutTerminator(saltLengthWithTerminator);
    std::vector<unsigned char> derived(outputLength);
    if (passLength > INT_MAX || saltLength > INT_MAX || outputLength > INT_MAX
        || 1
               != PKCS5_PBKDF2_HMAC(pass, static_cast<int>(passLength), salt, static_cast<int>(saltLength), iterations,
                                    EVP_sha1(), static_cast<int>(outputLength), derived.data()))
        throw OpenSSLRuntimeError("PKCS5_PBKDF2_HMAC");
    return ToHex(derived.data(), derived.size());
}

std::string HashPassword(const std::string &pass, const std::string &salt)
{
    return HashPassword(pass.c_str(), pass.size() + 1, reinterpret_cast<const unsigned char *>(salt.c_str()),
                        salt.size() + 1, PasswordIterations, PasswordKeyLength);
}

std::string HashPassword(const std::string &password)
{
    constexpr std::array<std::uint32_t, 4> pepper{0xA4F02B7Du, 0x96C3158Eu, 0x2D7BE049u, 0xF1586CA3u};
    return HashText(password + AssemblePepper(pepper));
}

std::string HashUserName(const std::string &userName)
{
    constexpr std::array<std::uint32_t, 4> pepper{0x5E1A93C4u, 0x07B2DF68u, 0xC94E21A5u, 0x3F8D6B70u};
    return HashText(userName + AssemblePepper(pepper));
}

std::string EncodePassword(const std::string &pass)
{
    if (PassLength != pass.size())
        throw CryptoLengthError("bad pass size");
    std::array<unsigned char, SaltBytes> salt{};
    // A form built on an unfilled salt would look valid and be guessable.
    if (1 != RAND_bytes(salt.data(), static_cast<int>(salt.size())))
        throw OpenSSLRuntimeError("RAND_bytes");
    const std::string saltText = ToHex(salt.data(), salt.size());
    return saltText + HashPassword(pass, saltText);
}

bool DecodePassword(const std::string &pass, const std::string &stored)
{
    if (PassLength != pass.size())
        throw CryptoLengthError("bad pass size");
    if (StoredPasswordLength != stored.size())
        throw CryptoLengthError("bad key size");
    const std::string computed = HashPassword(pass, stored.substr(0, SaltTextLength));
    const std::string expected = stored.substr(SaltTextLength);
    return computed.size() == expected.size() && 0 == CRYPTO_memcmp(computed.data(), expected.data(), expected.size());
}

std::string HashMessage(const unsigned char *text, std::size_t lengthWithTerminator, const unsigned char *key,
                        std::size_t keyLengthWithTerminator)
{
    Mac mac(EVP_MAC_fetch(nullptr, OSSL_MAC_NAME_HMAC, nullptr));
    if (!mac)
        throw OpenSSLRuntimeError("HMAC_CTX_new");
    MacCtx ctx(EVP_MAC_CTX_new(mac.get()));
    if (!ctx)
        throw OpenSSLRuntimeError("HMAC_CTX_new");

    char digestName[] = "SHA1";
    const OSSL_PARAM params[] = {
        OSSL_PARAM_construct_utf8_string(OSSL_MAC_PARAM_DIGEST, digestName, 0),
        OSSL_PARAM_construct_end(),
    };
    if (1 != EVP_MAC_init(ctx.get(), key, WithoutTerminator(keyLengthWithTerminator), params))
        throw OpenSSLRuntimeError("HMAC_Init_ex");
    if (1 != EVP_MAC_update(ctx.get(), text, WithoutTerminator(lengthWithTerminator)))
        throw OpenSSLRuntimeError("HMAC_Update");

    std::array<unsigned char, EVP_MAX_MD_SIZE> digest{};
    std::size_t digestLength = 0;
    if (1 != EVP_MAC_final(ctx.get(), digest.data(), &digestLength, digest.size()))
        throw OpenSSLRuntimeError("HMAC_Final");
    if (HmacSha1Length != digestLength)
        throw CryptoLengthError("bad digest length");
    return ToHex(digest.data(), digestLength);
}

std::string HashMessage(const std::string &text)
{
    return HashMessage(reinterpret_cast<const unsigned char *>(text.c_str()), text.size() + 1,
                       reinterpret_cast<const unsigned char *>(HMAC_SKEY), sizeof(HMAC_SKEY));
}

std::string HashUrl(const std::string &url)
{
    return Digest(EVP_sha1(), reinterpret_cast<const unsigned char *>(url.data()), url.size(),
                  {"SHA1_Init", "SHA1_Update", "SHA1_Final"});
}
}
