#ifndef SERVICEROUTER_H
#define SERVICEROUTER_H

#include "abstractservicerouter.h"

// The relay between the service and executive layers. Every window's request
// comes down through it and every server reply goes up through it, so this is
// where audited actions become audit lines: an audited reply is preceded by
// its audit event (-32, audit kind, line), which reaches the windows only; an
// audited local request (copy, paste, print, export) becomes its audit event
// and goes no further.
class ServiceRouter : public AbstractServiceRouter
{
    Q_OBJECT

public:
    explicit ServiceRouter(QObject *parent = nullptr);

public slots:
    void receiveReply(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                      const std::string &request = std::string(), common::Ercode majorErcode = 0,
                      common::Ercode minorErcode = 0, const std::string &reply = std::string()) override;
    void receiveRequest(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                        const std::string &request = std::string()) override;

private:
    // Where the audit event of a reply or of a local request is built and
    // asked for its line. The line is empty when the logged-on user's audit
    // mask does not select the event; the event is emitted all the same.
    static std::string replyAuditLine(common::Opcode majorOpcode, common::Opcode minorOpcode,
                                      const std::string &request, common::Ercode majorErcode,
                                      common::Ercode minorErcode, const std::string &reply);
    static std::string requestAuditLine(common::Opcode majorOpcode, common::Opcode minorOpcode,
                                        const std::string &request);
};

#endif // SERVICEROUTER_H
