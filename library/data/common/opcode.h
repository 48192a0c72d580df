#ifndef COMMON_OPCODE_H
#define COMMON_OPCODE_H

#include <cstdint>

namespace common
{
// The integer codes of the bus: a request is (major Opcode, minor Opcode,
// payload), a reply adds the (major Ercode, minor Ercode) pair, an event is
// (major Evcode, minor Evcode, text).
using Opcode = std::int32_t;
using Ercode = std::int32_t;
using Evcode = std::int32_t;
}

#endif // COMMON_OPCODE_H
