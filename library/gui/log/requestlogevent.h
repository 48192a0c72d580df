#ifndef REQUESTLOGEVENT_H
#define REQUESTLOGEVENT_H

#include "clientlogevent.h"

#include "common/opcode.h"

namespace qorv::data
{
class Document;
class Message;
}

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
    enum class Direction { In, Out };
    // Whether the record must carry its name or subject, even an empty one.
    enum class NameRule { Optional, Required };

    // Checks the record of a request and adds its keys; null when the request
    // has no record. False, after a warning, when the record is unusable.
    bool addDocumentKeys(const qorv::data::Document *document, NameRule nameRule, int size, Direction direction);
    bool addMessageKeys(const qorv::data::Message *message, NameRule nameRule, int size, Direction direction);

    common::Opcode m_majorOpcode;
    common::Opcode m_minorOpcode;
    std::string m_request;

private:
    struct Record;
    bool addRecordKeys(const Record &record, NameRule nameRule, int size, Direction direction);
};

#endif // REQUESTLOGEVENT_H
