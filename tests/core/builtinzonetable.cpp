#include "builtinzonetable.h"

#include "timezonedatabase.h"

#include <QByteArray>
#include <QResource>

namespace testsupport
{
bool LoadBuiltInZoneTable(TimeZoneDatabase &database)
{
    const QByteArray table = QResource(QStringLiteral(":resources/resource.tmz")).uncompressedData();
    if (table.isEmpty())
        return false;
    database.loadFromText(table.toStdString());
    return true;
}
}
