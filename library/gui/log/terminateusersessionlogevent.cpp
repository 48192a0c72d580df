#include "terminateusersessionlogevent.h"

EventIdentity TerminateUserSessionLogEvent::identity()
{
    return {54, tr("Name"), cef::Severity(4)};
}
