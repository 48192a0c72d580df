#ifndef NETWORKSETTINGS_H
#define NETWORKSETTINGS_H

#include <QSettings>
#include <QString>

// A short-lived view on where the server is and which time-zone region new
// keys and messages start with, kept in the application's settings store.
class NetworkSettings : public QSettings
{
public:
    NetworkSettings();

    QString getServerName() const;
    void setServerName(const QString &name);
    unsigned int getServerPort() const;
    void setServerPort(unsigned int port);
    QString getDefaultTimeZone() const;
    void setDefaultTimeZone(const QString &region);
};

#endif // NETWORKSETTINGS_H
