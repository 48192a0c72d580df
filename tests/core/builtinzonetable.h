#ifndef BUILTINZONETABLE_H
#define BUILTINZONETABLE_H

class TimeZoneDatabase;

namespace testsupport
{
// Loads the zone table built into the program (":resources/resource.tmz")
// the way the program does: read in place from the resource. Returns false
// when the resource could not be read.
bool LoadBuiltInZoneTable(TimeZoneDatabase &database);
}

#endif // BUILTINZONETABLE_H
