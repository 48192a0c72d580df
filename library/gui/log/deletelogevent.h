#ifndef DELETELOGEVENT_H
#define DELETELOGEVENT_H

#include "auditedrecord.h"
#include "replylogevent.h"

#include <cstdint>
#include <string>

// The reply to the deletion of a document or folder, whose request names the
// record in fields of its own: the line names the record deleted.
class DeleteLogEvent : public ReplyLogEvent
{
    Q_OBJECT

public:
    using ReplyLogEvent::ReplyLogEvent;
    ~DeleteLogEvent() override;

protected:
    // Reads the request payload as a Request and adds the keys of the record
    // of the given kind that its fields name; the name must be there.
    template <class Request>
    bool addDeleteKeys(const RecordKind &kind, bool (Request::*hasId)() const, std::int32_t (Request::*id)() const,
                       bool (Request::*hasName)() const, const std::string &(Request::*name)() const)
    {
        Request request;
        return parse(m_request, &request)
               && addRecordKeys(
                   {&kind, true, (request.*hasId)(), (request.*id)(), (request.*hasName)(), (request.*name)()},
                   NameRule::Required);
    }
};

#endif // DELETELOGEVENT_H
