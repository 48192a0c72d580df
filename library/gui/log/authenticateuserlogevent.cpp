#include "authenticateuserlogevent.h"

EventIdentity AuthenticateUserLogEvent::identity()
{
    return {1, tr("Name"), cef::Severity(4)};
}
