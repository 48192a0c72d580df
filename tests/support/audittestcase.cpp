#include "audittestcase.h"

#include "auditmask.h"
#include "messagedispatcher.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>

namespace testsupport
{
const AuditTestCase::Server AuditTestCase::LocalServer{"127.0.0.1", 4433};

AuditTestCase::AuditTestCase(std::optional<Server> server)
    : m_server(std::move(server))
    , m_translator(new QTranslator(this))
{
}

AuditTestCase::~AuditTestCase() = default;

void AuditTestCase::setServer(const Server &server)
{
    MessageDispatcher::setServerName(server.name);
    MessageDispatcher::setServerPort(server.port);
}

void AuditTestCase::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Halvemoor"));
    QCoreApplication::setApplicationName(QStringLiteral("QuillaneClient"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0.0"));
    if (m_server)
        setServer(*m_server);
    QVERIFY(m_translator->load(QStringLiteral(QORV_LOG_TRANSLATION)));
    installTexts();
}

void AuditTestCase::init()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    ClearUser();
}

void AuditTestCase::removeTexts()
{
    QCoreApplication::removeTranslator(m_translator);
}

void AuditTestCase::installTexts()
{
    QCoreApplication::installTranslator(m_translator);
}
}
