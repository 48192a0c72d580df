#ifndef BUILTINZONETABLE_H
#define BUILTINZONETABLE_H

class TimeZoneDatabase;

namespace testsupport
{
// Loads the zone table built into the program (":resources/resource.tmz")
// the way the program does: through a temporary copy on disk, removed once
// read. Returns false when the resource could not be copied.
bool LoadBuiltInZoneTable(TimeZoneDatabase &database);
}

#endif // BUILTINZONETABLE_H
