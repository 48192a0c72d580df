#include "logevent.h"

#include "qorvassert.h"
#include "registry.h"

#include "securitydescriptor3.pb.h"
#include "user3.pb.h"

#include <QByteArray>
#include <QMessageLogger>
#include <QString>

#include <ace/Log_Msg.h>

#include <bitset>
#include <cerrno>
#include <climits>
#include <system_error>

#include <unistd.h>

namespace
{
constexpr std::int32_t LowestSeverity = 1;
constexpr std::int32_t HighestSeverity = 10;
// The details bit of severity n is bit n + DetailsShift.
constexpr std::int32_t DetailsShift = 10;

bool IsWrittenSeverity(std::int32_t severity)
{
    return severity >= LowestSeverity && severity <= HighestSeverity;
}

std::uint32_t AuditMask()
{
    const qorv::data::User &user = RegistrySingleton::instance()->getUser();
    if (!user.has_user_security_descriptor())
        return 0;
    const qorv::data::SecurityDescriptor &descriptor = user.user_security_descriptor();
    return descriptor.has_audits() ? descriptor.audits() : 0;
}

std::string HostName()
{
    char name[HOST_NAME_MAX + 1] = {};
    if (gethostname(name, sizeof name) != 0)
        throw std::system_error(errno, std::system_category(), "gethostname");
    name[sizeof name - 1] = '\0';
    return name;
}

std::string OperatingSystemUser()
{
    for (const char *variable : {"USER", "USERNAME"}) {
        const QByteArray value = qgetenv(variable);
        if (!value.isEmpty())
            return QString::fromLocal8Bit(value).toStdString();
    }
    return "unknown";
}

// Severities 1, 4: information; 2, 5, 7, 9: warnings; 3, 6, 8, 10: errors.
bool LogPriority(std::int32_t severity, ACE_Log_Priority *priority)
{
    switch (severity) {
    case 1:
    case 4:
        *priority = LM_INFO;
        return true;
    case 2:
    case 5:
    case 7:
    case 9:
        *priority = LM_WARNING;
        return true;
    case 3:
    case 6:
    case 8:
    case 10:
        *priority = LM_ERROR;
        return true;
    default:
        return false;
    }
}
}

LogEvent::LogEvent(QObject *parent)
    : QObject(parent)
    , m_cefVersion("CEF:0")
    , m_cefDeviceVendor("Halvemoor")
    , m_cefDeviceEventClassId(cef::NullClassId)
    , m_cefSeverity(cef::NullSeverity)
{
    addKeyValuePair("spid", static_cast<int>(getpid()));
    addKeyValuePair("shost", HostName());
    addKeyValuePair("suser", OperatingSystemUser());
}

LogEvent::~LogEvent() = default;

bool LogEvent::auditSeverity(cef::Severity n) const
{
    return std::bitset<32>(AuditMask()).test(static_cast<std::size_t>(n));
}

bool LogEvent::auditEvent() const
{
    return IsWrittenSeverity(m_cefSeverity) && auditSeverity(m_cefSeverity);
}

bool LogEvent::addEventDetails() const
{
    return IsWrittenSeverity(m_cefSeverity) && auditSeverity(cef::Severity(m_cefSeverity + DetailsShift));
}

bool LogEvent::handleEvent()
{
    return true;
}

bool LogEvent::refuse(const char *cause)
{
    QMessageLogger().warning("%s", cause);
    return false;
}

std::string LogEvent::header() const
{
    if (m_cefVersion.empty() || m_cefDeviceVendor.empty() || m_cefDeviceProduct.empty() || m_cefDeviceVersion.empty()
        || m_cefName.empty())
        return std::string();
    return m_cefVersion + '|' + m_cefDeviceVendor + '|' + m_cefDeviceProduct + '|' + m_cefDeviceVersion + '|'
           + std::to_string(m_cefDeviceEventClassId) + '|' + m_cefName + '|'
           + std::to_string(static_cast<std::int32_t>(m_cefSeverity)) + '|';
}

std::string LogEvent::extension() const
{
    std::string text;
    for (const auto &[key, value] : m_cefExtension) {
        if (!text.empty())
            text += ' ';
        text += key;
        text += '=';
        text += value;
    }
    return text;
}

void LogEvent::addKeyValuePair(const std::string &key, const std::string &value)
{
    m_cefExtension.emplace(key, cef::extension(value));
}

void LogEvent::addKeyValuePair(const std::string &key, int value)
{
    m_cefExtension.emplace(key, std::to_string(value));
}

void LogEvent::addKeyValuePair(const std::string &key, unsigned int value)
{
    m_cefExtension.emplace(key, std::to_string(value));
}

std::string LogEvent::logEvent(cef::Outcome outcome)
{
    QORV_ASSERT(!m_cefVersion.empty());
    QORV_ASSERT(!m_cefDeviceVendor.empty());
    QORV_ASSERT(!m_cefDeviceProduct.empty());
    QORV_ASSERT(!m_cefDeviceVersion.empty());
    QORV_ASSERT(m_cefDeviceEventClassId != cef::NullClassId);
    QORV_ASSERT(!m_cefName.empty());
    QORV_ASSERT(m_cefSeverity != cef::NullSeverity);
    QORV_ASSERT(auditEvent());

    if (outcome == cef::Outcome::Failure)
        addKeyValuePair("outcome", std::string("failure"));
    else if (outcome == cef::Outcome::Success)
        addKeyValuePair("outcome", std::string("success"));

    const std::string line = header() + extension();
    ACE_Log_Priority priority = LM_INFO;
    // The line is the argument, never the format: a '%' in a value stays text.
    if (LogPriority(m_cefSeverity, &priority))
        ACE_Log_Msg::instance()->log(priority, ACE_TEXT("%C"), line.c_str());
    return line;
}
