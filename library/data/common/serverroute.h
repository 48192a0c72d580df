#ifndef COMMON_SERVERROUTE_H
#define COMMON_SERVERROUTE_H

#include "common/opcode.h"

namespace common
{
// True when the server component exchanges a bus request of this major with
// the server. It ignores every other major, negative ones included, and then
// delivers no reply. Operations used only through direct exchanges lie outside
// the set; a few reserved or unsent codes (5, 46, 55, 68) lie inside it.
bool IsServedByServer(Opcode major);
}

#endif // COMMON_SERVERROUTE_H
