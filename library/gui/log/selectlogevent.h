#ifndef SELECTLOGEVENT_H
#define SELECTLOGEVENT_H

#include "replylogevent.h"

#include <cstdint>
#include <vector>

// The reply to a query: the line lists the id of every record the server
// returned, as one text under one label. The details add nothing.
class SelectLogEvent : public ReplyLogEvent
{
    Q_OBJECT

public:
    using ReplyLogEvent::ReplyLogEvent;
    ~SelectLogEvent() override;

protected:
    // Reads the reply payload as a Reply, whose records the given accessor
    // lists, and adds their ids; false, after the warning, when the reply does
    // not parse. A record without an id is listed as 0.
    template <class Reply, class Records, class Record>
    bool addIdList(const Records &(Reply::*records)() const, std::int32_t (Record::*id)() const, const char *labelKey)
    {
        Reply reply;
        if (!parse(m_reply, &reply))
            return false;
        std::vector<int> ids;
        ids.reserve(static_cast<std::size_t>((reply.*records)().size()));
        for (const Record &record : (reply.*records)())
            ids.push_back((record.*id)());
        addIdList(ids, labelKey);
        return true;
    }

private:
    void addIdList(const std::vector<int> &ids, const char *labelKey);
};

#endif // SELECTLOGEVENT_H
