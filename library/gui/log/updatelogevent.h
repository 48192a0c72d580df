#ifndef UPDATELOGEVENT_H
#define UPDATELOGEVENT_H

#include "auditedrecord.h"
#include "replylogevent.h"

// The reply to an update of a document, folder or message: the line names
// the record that the request changed.
class UpdateLogEvent : public ReplyLogEvent
{
    Q_OBJECT

public:
    using ReplyLogEvent::ReplyLogEvent;
    ~UpdateLogEvent() override;

protected:
    // Reads the request payload as a Request and adds the keys of the record
    // that it carries in the given field.
    template <class Request, class Record>
    bool addUpdateKeys(bool (Request::*has)() const, const Record &(Request::*record)() const, NameRule nameRule)
    {
        Request request;
        return parse(m_request, &request) && addUpdatedRecordKeys(Audited(request, has, record), nameRule);
    }

private:
    bool addUpdatedRecordKeys(const AuditedRecord &record, NameRule nameRule);
};

#endif // UPDATELOGEVENT_H
