#ifndef COUNTEDREPLYLOGEVENT_H
#define COUNTEDREPLYLOGEVENT_H

#include "eventidentity.h"
#include "replylogevent.h"

// What every reply event class has beyond its own keys: the identity in its
// header and a pair of counters of its own, raised as each event is built,
// audited or not, and carried in its line as "cnt". Successes and failures
// count apart and are never reset.
//
// Event is the leaf class: it derives from CountedReplyLogEvent<Event> and
// names itself in a static identity(), where its own tr() makes the class the
// translation context of its name. Base is the class the leaf would otherwise
// derive from. The template declares no signals or slots, so the leaf keeps
// the meta-object that moc gives it.
template <class Event, class Base = ReplyLogEvent>
class CountedReplyLogEvent : public Base
{
public:
    CountedReplyLogEvent(int majorOpcode, int minorOpcode, const std::string &request, int majorErcode, int minorErcode,
                         const std::string &reply, QObject *parent)
        : Base(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply, parent)
    {
        this->setIdentity(Event::identity());
        this->addKeyValuePair("cnt", majorErcode != 0 ? ++m_FailureOutcomeCnt : ++m_SuccessOutcomeCnt);
    }

    unsigned int getSuccessOutcomeCnt() const { return m_SuccessOutcomeCnt; }
    unsigned int getFailureOutcomeCnt() const { return m_FailureOutcomeCnt; }

private:
    static inline unsigned int m_SuccessOutcomeCnt = 0;
    static inline unsigned int m_FailureOutcomeCnt = 0;
};

#endif // COUNTEDREPLYLOGEVENT_H
