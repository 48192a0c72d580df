#include "networksettings.h"

namespace
{
const QString ServerNameKey = QStringLiteral("NetworkSettings/ServerName");
const QString ServerPortKey = QStringLiteral("NetworkSettings/ServerPort");
const QString DefaultTimeZoneKey = QStringLiteral("NetworkSettings/DefaultTimeZone");
const QString FallbackTimeZone = QStringLiteral("America/New_York");
}

NetworkSettings::NetworkSettings() = default;

QString NetworkSettings::getServerName() const
{
    return value(ServerNameKey).toString();
}

void NetworkSettings::setServerName(const QString &name)
{
    setValue(ServerNameKey, name);
}

unsigned int NetworkSettings::getServerPort() const
{
    // toUInt() gives 0 for an absent or non-numeric value.
    return value(ServerPortKey).toUInt();
}

void NetworkSettings::setServerPort(unsigned int port)
{
    setValue(ServerPortKey, port);
}

QString NetworkSettings::getDefaultTimeZone() const
{
    const QString region = value(DefaultTimeZoneKey).toString();
    return region.isEmpty() ? FallbackTimeZone : region;
}

void NetworkSettings::setDefaultTimeZone(const QString &region)
{
    setValue(DefaultTimeZoneKey, region);
}
