#ifndef MESSAGEDISPATCHER_H
#define MESSAGEDISPATCHER_H

#include "common/opcode.h"
#include "dbid.h"

#include <string>

class Message;

// One complete, blocking exchange with the server: a fresh connection, one
// request frame out, one reply frame back. It also keeps the session state
// that every frame carries (server, port, session id), shared by the whole
// process.
//
// The dispatcher refers to the caller's request payload without copying it;
// the payload must outlive dispatch().
class MessageDispatcher
{
public:
    MessageDispatcher(common::Opcode majorOpcode, common::Opcode minorOpcode, const std::string &request);
    // A temporary payload would be gone before dispatch() reads it.
    MessageDispatcher(common::Opcode majorOpcode, common::Opcode minorOpcode, std::string &&request) = delete;

    MessageDispatcher(const MessageDispatcher &) = delete;
    MessageDispatcher &operator=(const MessageDispatcher &) = delete;

    // True when a complete reply arrived and decrypted. On false the error
    // codes tell where it stopped: (1, 1) when the request could not be
    // sealed (the session key could not be read, or the cipher failed;
    // nothing is sent then), before a complete reply header (no connection,
    // a failed or stalled send, a header that did not arrive in time) or on a
    // reply that did not decrypt; the reply header's codes when a later
    // segment did not arrive or the header announced more than a frame may
    // hold.
    [[nodiscard]] bool dispatch();
    [[nodiscard]] bool dispatchMessage(Message &message);

    // The two ends of dispatch() around the network: the request sealed into
    // the frame's code segment, and the received frame opened into the reply.
    // Neither throws; a failure is logged and leaves the codes at (1, 1).
    [[nodiscard]] bool sealRequest(Message &message);
    [[nodiscard]] bool openReply(Message &message);

    common::Ercode getMajorErcode() const { return m_majorErcode; }
    common::Ercode getMinorErcode() const { return m_minorErcode; }
    bool noEr() const { return m_majorErcode == 0 && m_minorErcode == 0; }
    // Valid as long as the dispatcher; copy it to keep it longer.
    const std::string &getReply() const { return m_reply; }

    static void setServerName(const std::string &name);
    static std::string getServerName();
    static void setServerPort(int port);
    static int getServerPort();
    static void setSessionId(int id);
    static int getSessionId();
    static void setSessionCreationDate(const std::string &date);
    static std::string getSessionCreationDate();

private:
    common::Opcode m_majorOpcode;
    common::Opcode m_minorOpcode;
    const std::string &m_request;
    common::Ercode m_majorErcode = 1;
    common::Ercode m_minorErcode = 1;
    std::string m_reply;

    static std::string m_serverName;
    static int m_serverPort;
    static DbId m_sessionId;
    static std::string m_sessionCreationDate;
};

#endif // MESSAGEDISPATCHER_H
