#ifndef COUNTEDREQUESTLOGEVENT_H
#define COUNTEDREQUESTLOGEVENT_H

#include "eventidentity.h"
#include "requestlogevent.h"

// What every request event class has beyond its own keys: the identity in
// its header and a counter of its own, raised as each event is built,
// audited or not, carried in its line as "cnt" and never reset.
//
// Event is the leaf class, as for CountedReplyLogEvent: it derives from
// CountedRequestLogEvent<Event> and names itself in a static identity().
template <class Event>
class CountedRequestLogEvent : public RequestLogEvent
{
public:
    CountedRequestLogEvent(int majorOpcode, int minorOpcode, const std::string &request, QObject *parent)
        : RequestLogEvent(majorOpcode, minorOpcode, request, parent)
    {
        setIdentity(Event::identity());
        addKeyValuePair("cnt", ++m_Cnt);
    }

    unsigned int getCnt() const { return m_Cnt; }

private:
    static inline unsigned int m_Cnt = 0;
};

#endif // COUNTEDREQUESTLOGEVENT_H
