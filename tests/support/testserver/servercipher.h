#ifndef SERVERCIPHER_H
#define SERVERCIPHER_H

#include "testsessionkey.h"

#include <string>

namespace testsupport
{
// AES-128-GCM as the server applies it: the nonce is the first 12 bytes of
// the 16-byte IV, the tag 16 bytes, no additional data. Plain OpenSSL, so the
// test server shares no code with the client.
class ServerCipher
{
public:
    // Fills iv with random bytes, seals plain into code and tag.
    static bool seal(const TestSessionKey &key, const std::string &plain, std::string &iv, std::string &code,
                     std::string &tag);
    // False when the tag does not verify under key.
    static bool open(const TestSessionKey &key, const std::string &iv, const std::string &code, const std::string &tag,
                     std::string &plain);
};
}

#endif // SERVERCIPHER_H
