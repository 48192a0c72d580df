#ifndef COMMON_EVENTCODE_H
#define COMMON_EVENTCODE_H

#include "common/opcode.h"

// Major event codes. An event's minor code is 1, except for Audit, whose minor
// is the audit kind of the line (see auditkind.h).
namespace common::ev
{
inline constexpr Evcode Started = -1;   // every component is built and connected
inline constexpr Evcode ClockTick = -3; // once a minute while the clock runs
inline constexpr Evcode Audit = -32;    // text: the audit line, possibly empty
inline constexpr Evcode EditorOptionsChanged = -47;
}

#endif // COMMON_EVENTCODE_H
