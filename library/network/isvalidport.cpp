#include "isvalidport.h"

namespace network
{
bool IsValidPort(int port)
{
    return 1024 <= port && port <= 65535;
}
}
