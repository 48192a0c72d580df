#ifndef AUDITEVENTLINE_H
#define AUDITEVENTLINE_H

#include <string>

namespace testsupport
{
// The line the service router takes from the audit event of a reply: the
// event is built from the reply as the bus carries it, asked once for its line
// and discarded. "no event" when the reply is not audited.
std::string ReplyLine(int majorOpcode, int minorOpcode, const std::string &request, int majorErcode, int minorErcode,
                      const std::string &reply);
// The same for one of the audited local requests.
std::string RequestLine(int majorOpcode, int minorOpcode, const std::string &request);
}

#endif // AUDITEVENTLINE_H
