#ifndef COMMON_ERRORKEY_H
#define COMMON_ERRORKEY_H

#include "common/opcode.h"

namespace common
{
// Translation keys that name a server's major error code. The two tables name
// different sets of codes, each with a default of its own.

// The default log-on key; its text takes the major code as %1 and the minor
// code as %2.
inline constexpr char LogOnDefaultErrorKey[] = "AuthenticateUserDefaultEr";
inline constexpr char AuditUnknownDetailKey[] = "UnknownErMsg";

// Key of the console's message for the error pair of a log-on reply, or
// nullptr for Success, which shows nothing.
const char *LogOnErrorKey(Ercode major);

// Detail key of the audit line of a failed reply; never nullptr.
const char *AuditDetailKey(Ercode major);
}

#endif // COMMON_ERRORKEY_H
