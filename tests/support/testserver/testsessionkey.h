#ifndef TESTSESSIONKEY_H
#define TESTSESSIONKEY_H

#include <array>

namespace testsupport
{
// The AES-128 key the test server seals and opens frames with; all zero
// until a log-on hands out another.
using TestSessionKey = std::array<unsigned char, 16>;
}

#endif // TESTSESSIONKEY_H
