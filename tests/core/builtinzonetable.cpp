#include "builtinzonetable.h"

#include "timezonedatabase.h"

#include <QFile>
#include <QTemporaryFile>

namespace testsupport
{
bool LoadBuiltInZoneTable(TimeZoneDatabase &database)
{
    QFile resource(QStringLiteral(":resources/resource.tmz"));
    QTemporaryFile copy;
    if (!resource.open(QIODevice::ReadOnly) || !copy.open())
        return false;
    const QByteArray table = resource.readAll();
    if (table.isEmpty() || copy.write(table) != table.size() || !copy.flush())
        return false;
    database.loadFromFile(copy.fileName().toStdString());
    return true;
}
}
