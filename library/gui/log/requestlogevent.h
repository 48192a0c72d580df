#ifndef REQUESTLOGEVENT_H
#define REQUESTLOGEVENT_H

#include "auditedrecord.h"
#include "clientlogevent.h"

#include "common/opcode.h"

// The audit event of a client-local request: a copy, paste, print or export
// of a document or message that never reaches the server. The windows send
// the record concerned and the size of the text.
class RequestLogEvent : public ClientLogEvent
{
    Q_OBJECT

public:
    RequestLogEvent(int majorOpcode, int minorOpcode, const std::string &request, QObject *parent);
    ~RequestLogEvent() override;

    // The audit line, or empty when the mask does not select the event or the
    // payload is unusable. A request line carries no outcome.
    virtual std::string operator()();

protected:
    // Whether the text left the document or message (copy, print, export) or
    // came into it (paste).
    enum class Direction
    {
        In,
        Out
    };

    // Reads the request payload as a Request that carries the document or
    // message in the given field and the size of the text in its size field,
    // checks the record and adds its keys. False, after a warning, when the
    // payload or its record is unusable.
    template <class Request, class Record>
    bool addActionKeys(bool (Request::*has)() const, const Record &(Request::*record)() const, NameRule nameRule,
                       Direction direction)
    {
        Request request;
        return parse(m_request, &request)
               && addActionKeys(Audited(request, has, record), nameRule, request.size(), direction);
    }

    common::Opcode m_majorOpcode;
    common::Opcode m_minorOpcode;
    std::string m_request;

private:
    // The keys of the record, and with the details those of the text moved.
    bool addActionKeys(const AuditedRecord &record, NameRule nameRule, int size, Direction direction);
};

#endif // REQUESTLOGEVENT_H
