#include "auditeventline.h"

#include "logeventfactory.h"
#include "replylogevent.h"
#include "requestlogevent.h"

namespace testsupport
{
namespace
{
// Distinct from every line, the empty one included.
const char *const NoEvent = "no event";
}

std::string ReplyLine(int majorOpcode, int minorOpcode, const std::string &request, int majorErcode, int minorErcode,
                      const std::string &reply)
{
    const std::unique_ptr<ReplyLogEvent> event =
        MakeReplyLogEvent(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply);
    return event ? (*event)() : std::string(NoEvent);
}

std::string RequestLine(int majorOpcode, int minorOpcode, const std::string &request)
{
    const std::unique_ptr<RequestLogEvent> event = MakeRequestLogEvent(majorOpcode, minorOpcode, request);
    return event ? (*event)() : std::string(NoEvent);
}
}
