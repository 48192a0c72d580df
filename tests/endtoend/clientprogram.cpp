#include "clientprogram.h"

#include <QDir>
#include <QFile>

namespace
{
bool WriteSettings(const QString &configHome, unsigned short serverPort)
{
    if (!QDir().mkpath(configHome + QStringLiteral("/Halvemoor")))
        return false;
    QFile settings(configHome + QStringLiteral("/Halvemoor/QuillaneClient.conf"));
    if (!settings.open(QIODevice::WriteOnly))
        return false;
    const QByteArray content = QByteArrayLiteral("[NetworkSettings]\nServerName=127.0.0.1\nServerPort=")
                               + QByteArray::number(serverPort) + '\n';
    return settings.write(content) == content.size();
}
} // namespace

ClientProgram::ClientProgram() = default;

ClientProgram::~ClientProgram()
{
    stop();
}

bool ClientProgram::start(unsigned short serverPort)
{
    if (!m_home.isValid())
        return false;
    const QString home = m_home.path();
    const QString configHome = home + QStringLiteral("/config");
    if (!WriteSettings(configHome, serverPort))
        return false;

    // The display, the platform and the sanitizers' settings come from the
    // test's own environment; everything the program keeps goes to its home.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/cache"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home);
    environment.insert(QStringLiteral("TMPDIR"), home);
    // The ACE log to the standard error stream instead of the system log.
    environment.insert(QStringLiteral("QORV_LOG_STDERR"), QStringLiteral("1"));
    m_process.setProcessEnvironment(environment);
    m_process.setWorkingDirectory(home);
    m_process.start(QStringLiteral(QORV_CLIENT_EXECUTABLE), QStringList());
    return m_process.waitForStarted();
}

bool ClientProgram::isRunning() const
{
    return m_process.state() == QProcess::Running;
}

bool ClientProgram::waitForExit(int timeoutMs)
{
    return m_process.state() == QProcess::NotRunning || m_process.waitForFinished(timeoutMs);
}

void ClientProgram::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(20000)) {
        m_process.kill();
        m_process.waitForFinished();
    }
}

qint64 ClientProgram::processId() const
{
    return m_process.processId();
}

int ClientProgram::exitCode() const
{
    return m_process.exitCode();
}

QProcess::ExitStatus ClientProgram::exitStatus() const
{
    return m_process.exitStatus();
}

QByteArray ClientProgram::errors()
{
    m_errors += m_process.readAllStandardError();
    return m_errors;
}

bool ClientProgram::sanitizerReported()
{
    const QByteArray text = errors();
    return text.contains("ERROR: AddressSanitizer") || text.contains("ERROR: LeakSanitizer")
           || text.contains("runtime error:");
}
