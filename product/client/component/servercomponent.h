#ifndef SERVERCOMPONENT_H
#define SERVERCOMPONENT_H

#include "abstractservercomponent.h"

// Exchanges the server operations that travel over the bus and ignores every
// other request, client-local ones included. Two operations get more than the
// plain exchange: the log-on, whose reply installs the new session before any
// window sees it, and the message update, which is stamped with its
// modification time on the way out.
class ServerComponent : public AbstractServerComponent
{
    Q_OBJECT

public:
    explicit ServerComponent(QObject *parent = nullptr);

public slots:
    void receiveRequest(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                        const std::string &request = std::string()) override;

public:
    // Always answers, with the reply as received: with the server's codes when
    // it accepted (session installed) or refused the log-on (the flags inside
    // tell which), with (-1, 2) when a reply arrived but does not parse or its
    // session cannot be installed, and with (-1, 1) and no payload when no
    // usable reply came. No wait cursor: the log-on dialog shows its own
    // progress.
    void authenticateUserRequestHandler(int majorOpcode, int minorOpcode, const std::string &request);

    // Stamps the message's modification date with the current UTC time and
    // sends the stamped request, which the reply then echoes.
    void updateMessageRequestHandler(int majorOpcode, int minorOpcode, const std::string &request);
};

#endif // SERVERCOMPONENT_H
