#ifndef SERVERRSA_H
#define SERVERRSA_H

#include <memory>
#include <optional>
#include <string>

namespace testsupport
{
// The server's half of the RSA layer of the log-on and reset exchanges, on
// the fixture keys of the build tree: it opens what the client encrypted with
// the server's public key and encrypts for the client's private key, both with
// PKCS#1 v1.5 padding.
class ServerRsa
{
public:
    // keyDirectory holds server_private.pem and client_public.pem.
    explicit ServerRsa(const std::string &keyDirectory);
    ~ServerRsa();

    ServerRsa(const ServerRsa &) = delete;
    ServerRsa &operator=(const ServerRsa &) = delete;

    bool isValid() const;

    // The ciphertext, or nothing when the key refuses the text.
    std::optional<std::string> encryptForClient(const std::string &plain) const;
    // The plaintext, or nothing when the ciphertext does not open.
    std::optional<std::string> decryptFromClient(const std::string &cipher) const;

private:
    struct Keys;
    std::unique_ptr<Keys> m_keys;
};
}

#endif // SERVERRSA_H
