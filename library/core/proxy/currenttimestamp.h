#ifndef CURRENTTIMESTAMP_H
#define CURRENTTIMESTAMP_H

class DbTimestamp;

namespace records
{
// Now, in UTC to the microsecond, as the program's clock tells it.
DbTimestamp CurrentTimestamp();
}

#endif // CURRENTTIMESTAMP_H
