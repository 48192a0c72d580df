#ifndef AUTHCODE_H
#define AUTHCODE_H

#include <cstdint>

// Result codes of the public-key operations and the handshakes built on them.
// A handshake returns the code of its first failing step.
inline constexpr std::int32_t AUTH_CODE_SUCCESS = 0;
inline constexpr std::int32_t AUTH_CODE_KEY_CONTEXT_FAILED = 1;
inline constexpr std::int32_t AUTH_CODE_DECRYPT_FAILED = 2;
inline constexpr std::int32_t AUTH_CODE_DECRYPT_INIT_FAILED = 3;
inline constexpr std::int32_t AUTH_CODE_ENCRYPT_FAILED = 4;
inline constexpr std::int32_t AUTH_CODE_ENCRYPT_INIT_FAILED = 5;
inline constexpr std::int32_t AUTH_CODE_KEY_FILE_OPEN_FAILED = 6;
inline constexpr std::int32_t AUTH_CODE_PRIVATE_KEY_READ_FAILED = 7;
inline constexpr std::int32_t AUTH_CODE_PUBLIC_KEY_READ_FAILED = 8;
inline constexpr std::int32_t AUTH_CODE_MEMORY_READER_FAILED = 15;
inline constexpr std::int32_t AUTH_CODE_BUILTIN_PUBLIC_KEY_READ_FAILED = 17;
// A decrypted field that must hold a decimal number does not (no digits, or
// a number beyond the signed 32-bit range).
inline constexpr std::int32_t AUTH_CODE_NOT_A_NUMBER = 18;

#endif // AUTHCODE_H
