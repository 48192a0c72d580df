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

    // replyPayload: the serialized log-on reply of an exchange that ended with
    // the error codes (0, 0). True when the session was installed; false
    // leaves the session key and the registry as they were, also for a key
    // text that is not hexadecimal or a session id that is not a number.
    [[nodiscard]] bool complete(const std::string &replyPayload);

    std::int32_t getSessionId() const;
    const std::string &getSessionCreationDate() const;

private:
    std::int32_t m_sessionId;
    std::string m_sessionCreationDate;
};

#endif // LOGONCOMPLETION_H
