#ifndef RSAFIXTURE_H
#define RSAFIXTURE_H

#include "openssldeleters.h"

#include <QString>

#include <string>

// The server's side of the RSA layer, done with plain library calls, so the
// handlers are checked against something other than themselves.
namespace fixture
{
// A key file of this build tree: "server_private.pem", "client_public.pem"...
QString KeyPath(const char *name);

EvpPkeyPtr LoadPrivateKey(const QString &path, const char *passphrase = nullptr);
EvpPkeyPtr LoadPublicKey(const QString &path);
EvpPkeyPtr GenerateRsaKey(unsigned bits);

// PEM files of a generated key; an encrypted private key when passphrase is set.
bool WritePrivateKey(EVP_PKEY *key, const QString &path, const char *passphrase = nullptr);
bool WritePublicKey(EVP_PKEY *key, const QString &path);

// PKCS#1 v1.5; an empty result means the call failed.
std::string Encrypt(EVP_PKEY *publicKey, const std::string &plaintext);
// NotDecryptable when the ciphertext does not decrypt with the key.
extern const std::string NotDecryptable;
std::string Decrypt(EVP_PKEY *privateKey, const std::string &ciphertext);
}

#endif // RSAFIXTURE_H
