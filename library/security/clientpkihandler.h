#ifndef CLIENTPKIHANDLER_H
#define CLIENTPKIHANDLER_H

#include "pkihandler.h"

// A PkiHandler whose keys are chosen by the environment when it is built:
// "QUILLANE_CLIENT_PRIVATE_KEY_FILE" set and not empty selects the client's
// private key from that file and the server's public key from
// "QUILLANE_SERVER_PUBLIC_KEY_FILE" (pass phrase from
// "QUILLANE_CLIENT_PRIVATE_KEY_PASSPHRASE"); otherwise both built-in keys.
class ClientPkiHandler : public PkiHandler
{
public:
    ClientPkiHandler();
    virtual ~ClientPkiHandler();

    using PkiHandler::ephemeralKeysMode;
    using PkiHandler::perpetualKeysMode;

    // Reload the handler's own keys; the result is the loading code.
    [[nodiscard]] std::int32_t perpetualKeysMode();
    [[nodiscard]] std::int32_t ephemeralKeysMode();

protected:
    // One protected field of a handshake: the text (up to its first zero
    // byte) with the server's public key.
    [[nodiscard]] std::int32_t encryptText(const std::string &text, Buffer &encrypted,
                                           std::uint64_t &encryptedLength) const;
    // One field of a reply with the client's private key. length is the
    // reply's own count; one that is negative or runs past the bytes it
    // counts fails like a failed decryption instead of reading beyond them.
    [[nodiscard]] std::int32_t decryptField(const std::string &bytes, std::int32_t length, Buffer &decrypted,
                                            std::uint64_t &decryptedLength) const;
};

#endif // CLIENTPKIHANDLER_H
