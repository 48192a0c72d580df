#include "testenvironment.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdlib>
#include <ctime>

namespace testsupport
{
void IsolateEnvironment()
{
    // The folder lives as long as the process: settings written by one test
    // function stay visible to the next, but never leak into another test.
    static QTemporaryDir root;
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, root.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, root.path() + QStringLiteral("/system"));
    qputenv("XDG_CONFIG_HOME", root.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", root.path().toLocal8Bit());
}

void SetTimeZone(const QByteArray &tz)
{
    qputenv("TZ", tz);
    tzset();
}
}
