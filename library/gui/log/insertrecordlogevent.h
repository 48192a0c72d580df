#ifndef INSERTRECORDLOGEVENT_H
#define INSERTRECORDLOGEVENT_H

#include "auditedrecord.h"
#include "replylogevent.h"

#include <cstdint>

// The reply to a new folder or message. Only the server knows the new
// record's id, which its reply carries; the request matters only for the
// record's name, so only the details read it.
class InsertRecordLogEvent : public ReplyLogEvent
{
    Q_OBJECT

public:
    using ReplyLogEvent::ReplyLogEvent;
    ~InsertRecordLogEvent() override;

protected:
    // Reads the reply payload as a Reply for the new id, and with the details
    // the request payload as a Request for the record in the given field.
    template <class Reply, class Request, class Record>
    bool addNewRecordKeys(bool (Reply::*hasId)() const, std::int32_t (Reply::*id)() const, bool (Request::*has)() const,
                          const Record &(Request::*record)() const)
    {
        Reply reply;
        if (!parse(m_reply, &reply))
            return false;
        // An absent record of the kind, made present by the reply's id.
        AuditedRecord created = Audited(static_cast<const Record *>(nullptr));
        created.present = true;
        created.hasId = (reply.*hasId)();
        created.id = (reply.*id)();
        if (!addRecordId(created, NameRule::Optional))
            return false;
        if (!addEventDetails())
            return true;
        Request request;
        return parse(m_request, &request) && addRecordName(Audited(request, has, record), NameRule::Required);
    }
};

#endif // INSERTRECORDLOGEVENT_H
