#ifndef COMMON_AUDITROUTE_H
#define COMMON_AUDITROUTE_H

#include "common/opcode.h"

namespace common
{
// The router writes an audit line before it passes on the replies of 21 server
// operations, and turns the local requests -21 to -12 into audit lines instead
// of passing them on. These give the audit kind (the minor of the audit event)
// for a major, or audit::None when that major is not audited.
Evcode ReplyAuditKind(Opcode major);
Evcode LocalRequestAuditKind(Opcode major);

bool IsAuditedReply(Opcode major);
bool IsAuditedLocalRequest(Opcode major);
}

#endif // COMMON_AUDITROUTE_H
