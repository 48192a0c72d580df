#include "cryptographer.h"
#include "dialoganswerer.h"
#include "dialoganswers.h"
#include "logondialog.h"
#include "messagedispatcher.h"
#include "networksettings.h"
#include "resetresponder.h"
#include "testenvironment.h"
#include "testserver.h"

#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>
#include <QTranslator>

QORV_ISOLATE_TEST_ENVIRONMENT()

using testsupport::DialogAnswerer;
using testsupport::ResetResponder;
using testsupport::TestServer;
using namespace dialoganswers;

namespace
{
const std::string Address = "ann.lee@example.com";
const QString Code = QStringLiteral("RST-0042");
}

// The two links of the log-on dialog run the forgotten user name and password
// flows with the dialog's own server fields.
class TestLogonDialogResets : public QObject
{
    Q_OBJECT

private:
    QTranslator m_translator;
    TestServer m_server;
    ResetResponder m_responder{QORV_FIXTURE_KEY_DIR};

    void pointAtServer(LogonDialog &dialog, const QString &serverName)
    {
        dialog.findChild<QLineEdit *>(QStringLiteral("serverNameLineEdit"))->setText(serverName);
        dialog.findChild<QSpinBox *>(QStringLiteral("serverPortSpinBox"))->setValue(m_server.port());
    }

    static void activate(LogonDialog &dialog, const char *label)
    {
        emit dialog.findChild<QLabel *>(QLatin1String(label))->linkActivated(QStringLiteral("#"));
    }

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Halvemoor"));
        QCoreApplication::setApplicationName(QStringLiteral("QuillaneClient"));
        QVERIFY(m_translator.load(QStringLiteral(":build/client_en.qm")));
        QCoreApplication::installTranslator(&m_translator);
        QVERIFY(m_server.start());
        QVERIFY(m_responder.isValid());
        m_responder.setUserEmailAddress(Address);
        m_responder.setAuthcode(Code.toStdString());
        m_responder.install(m_server);
    }

    void init()
    {
        NetworkSettings().clear();
        m_server.clearRequests();
    }

    void userNameLinkResetsTheUserName()
    {
        LogonDialog dialog(nullptr);
        pointAtServer(dialog, QStringLiteral(" 127.0.0.1 "));
        dialog.findChild<QLineEdit *>(QStringLiteral("userNameLineEdit"))->setText(QStringLiteral("typed"));
        DialogAnswerer answerer;
        answerer.expect(EnterText(QString::fromStdString(Address)));
        answerer.expect(QMessageBox::Yes);
        answerer.expect(EnterText(QStringLiteral(" RST - 0042 ")));
        answerer.expect(TypeTwice(QStringLiteral("annlee2"), QStringLiteral("annlee2")));
        answerer.expect(QMessageBox::Ok);
        activate(dialog, "forgotUserNameLabel");
        QCOMPARE(answerer.pending(), 0);
        QCOMPARE(answerer.lastText(), QStringLiteral("Please check your email for a User Name Reset Confirmation."));
        const auto resets = m_responder.userNameResets();
        QVERIFY(!resets.empty());
        QCOMPARE(resets.back().value, CryptographerSingleton::instance()->hashUserName("annlee2").value());
        // The flow neither reads nor changes the log-on fields.
        QCOMPARE(dialog.getUserName(), QStringLiteral("typed"));
        QCOMPARE(MessageDispatcher::getServerName(), std::string("127.0.0.1"));
        QCOMPARE(MessageDispatcher::getServerPort(), int(m_server.port()));
    }

    void passwordLinkResetsThePasswordWithTheStoredServer()
    {
        NetworkSettings().setServerName(QStringLiteral("127.0.0.1"));
        LogonDialog dialog(nullptr);
        pointAtServer(dialog, QString());
        DialogAnswerer answerer;
        answerer.expect(EnterText(QString::fromStdString(Address)));
        answerer.expect(QMessageBox::Yes);
        answerer.expect(EnterText(Code));
        answerer.expect(TypeTwice(QStringLiteral("Secret99"), QStringLiteral("Secret99")));
        answerer.expect(QMessageBox::Ok);
        activate(dialog, "forgotPasswordLabel");
        QCOMPARE(answerer.pending(), 0);
        QCOMPARE(answerer.lastText(), QStringLiteral("Please check your email for a Password Reset Confirmation."));
        const auto resets = m_responder.passwordResets();
        QVERIFY(!resets.empty());
        const Cryptographer &cryptographer = *CryptographerSingleton::instance();
        QVERIFY(cryptographer.decodePassword(cryptographer.hashPassword("Secret99").value(), resets.back().value));
    }

    void linksWithoutServerWarn_data()
    {
        QTest::addColumn<QString>("label");
        QTest::newRow("user name") << "forgotUserNameLabel";
        QTest::newRow("password") << "forgotPasswordLabel";
    }

    void linksWithoutServerWarn()
    {
        QFETCH(QString, label);
        LogonDialog dialog(nullptr);
        pointAtServer(dialog, QStringLiteral("  "));
        DialogAnswerer answerer;
        answerer.expect(QMessageBox::Ok);
        activate(dialog, label.toLatin1().constData());
        QCOMPARE(answerer.pending(), 0);
        QCOMPARE(answerer.lastText(), QStringLiteral("The server name is invalid."));
        QVERIFY(m_server.requests().empty());
    }
};

QTEST_MAIN(TestLogonDialogResets)
#include "tst_logondialogresets.moc"
