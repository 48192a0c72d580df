#ifndef ISVALIDPORT_H
#define ISVALIDPORT_H

namespace network
{
// The server ports the client accepts: 1024 to 65535. The well-known ports
// below 1024 are refused.
[[nodiscard]] bool IsValidPort(int port);
}

#endif // ISVALIDPORT_H
