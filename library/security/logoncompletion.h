#ifndef LOGONCOMPLETION_H
#define LOGONCOMPLETION_H

#include <cstdint>
#include <string>

// Completes an accepted log-on: decrypts the session and the user's record
// from the log-on reply, installs the session key in the Cryptographer and the
// user in the Registry, and keeps the session id and creation date for the
// exchange layer, which owns them.
class LogOnCompletion
{
public:
    LogOnCompletion();

    // replyPayload: the serialized log-on reply of an exchange whose major
    // error code is 0. True when the session was installed. False when the
    // reply cannot be used: it does not parse, it is no acceptance, a field
    // does not decrypt, the key text is not "\x" and 32 hexadecimal digits,
    // or the session id or a number field of the user is no number. False
    // leaves the session key and the registry as they were.
    [[nodiscard]] bool complete(const std::string &replyPayload);

    std::int32_t getSessionId() const;
    const std::string &getSessionCreationDate() const;

private:
    std::int32_t m_sessionId;
    std::string m_sessionCreationDate;
};

#endif // LOGONCOMPLETION_H
