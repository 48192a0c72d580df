#ifndef CRYPTO_H
#define CRYPTO_H

#include <cstddef>
#include <string>

// Symmetric ciphers and digests of the client. Every digest, salt and derived
// key leaves here as upper-case hexadecimal text. Library failures throw
// OpenSSLRuntimeError naming the failing call; length violations throw
// CryptoLengthError. Nothing keeps state between calls, except that each
// thread keeps its AES-GCM cipher contexts for the next call (see
// AesGcmForgetKeys).
namespace crypto
{
inline constexpr std::size_t AES_EKEY_BLOCK_SIZE = 16;
inline constexpr std::size_t AES_IVEC_SIZE = 16;
inline constexpr std::size_t AES_GCM_TAG_SIZE = 16;

// Key of HashMessage: its 32 characters themselves are the key bytes.
extern const char HMAC_SKEY[33];

// AES-128-GCM without additional data. The nonce is the first 12 bytes of iv.
// Returns the number of bytes written (equal to length).
int AesGcmEncrypt(const unsigned char *plaintext, unsigned char *ciphertext, std::size_t length,
                  const unsigned char *key, const unsigned char *iv, unsigned char *tag);
int AesGcmEncrypt(const char *plaintext, unsigned char *ciphertext, std::size_t length, const unsigned char *key,
                  const unsigned char *iv, unsigned char *tag);

// Returns the number of bytes written, or -1 when the tag does not verify; the
// output then holds unauthenticated bytes that must not be used.
int AesGcmDecrypt(const unsigned char *ciphertext, unsigned char *plaintext, std::size_t length,
                  const unsigned char *key, const unsigned char *iv, const unsigned char *tag);
int AesGcmDecrypt(const unsigned char *ciphertext, char *plaintext, std::size_t length, const unsigned char *key,
                  const unsigned char *iv, const unsigned char *tag);

// Wipes the AES-GCM contexts this thread keeps, with the expanded key of
// their last use; the session key's owner calls it when it clears the key.
void AesGcmForgetKeys();

// AES-128-CTR; the counter block starts as the first 8 bytes of iv followed by
// 8 zero bytes. The same call decrypts.
void AesCtrEncrypt(const unsigned char *in, unsigned char *out, std::size_t length, const unsigned char *key,
                   const unsigned char *iv);
void AesCtrEncrypt(const char *in, unsigned char *out, std::size_t length, const unsigned char *key,
                   const unsigned char *iv);

// SHA-256. The pointer form's length counts a terminating zero byte, which is
// not hashed.
std::string HashText(const unsigned char *text, std::size_t lengthWithTerminator);
std::string HashText(const std::string &text);

// PBKDF2-HMAC-SHA1. Both lengths of the pointer form count a terminating zero
// byte, which takes no part in the derivation.
std::string HashPassword(const char *pass, std::size_t passLengthWithTerminator, const unsigned char *salt,
                         std::size_t saltLengthWithTerminator, int iterations, std::size_t outputLength);
// 4096 iterations, 16 bytes: 32 hex characters.
std::string HashPassword(const std::string &pass, const std::string &salt);

// Peppered SHA-256 of a clear password or passcode (64 hex characters).
std::string HashPassword(const std::string &password);
// Peppered SHA-256 of a clear user name (64 hex characters).
std::string HashUserName(const std::string &userName);

// The stored-password form of a 64-character password hash: a 32-character
// random salt text followed by HashPassword(pass, salt).
std::string EncodePassword(const std::string &pass);
bool DecodePassword(const std::string &pass, const std::string &stored);

// HMAC-SHA1. The pointer form's lengths count a terminating zero byte.
std::string HashMessage(const unsigned char *text, std::size_t lengthWithTerminator, const unsigned char *key,
                        std::size_t keyLengthWithTerminator);
std::string HashMessage(const std::string &text);

// SHA-1 of a web address (40 hex characters).
std::string HashUrl(const std::string &url);

// Upper-case hexadecimal text of raw bytes, high nibble first.
std::string ToHex(const unsigned char *bytes, std::size_t length);
}

#endif // CRYPTO_H
