#include "common/majorcode.h"
#include "common/minortag.h"
#include "credentialinput.h"
#include "credentialresetflow.h"
#include "cryptographer.h"
#include "dialoganswerer.h"
#include "dialoganswers.h"
#include "messagedispatcher.h"
#include "networksettings.h"
#include "resetresponder.h"
#include "scopedcryptographerlockfailure.h"
#include "testenvironment.h"
#include "testserver.h"

#include "resetpasswordrequest3.pb.h"
#include "resetusernamereply3.pb.h"

#include <QTest>
#include <QTranslator>
#include <QWidget>

#include <optional>

QORV_ISOLATE_TEST_ENVIRONMENT()

using testsupport::DialogAnswerer;
using testsupport::ResetResponder;
using testsupport::TestServer;
using namespace dialoganswers;

namespace
{
const std::string Address = "ann.lee@example.com";
const std::string Code = "K7Q-22X";

const QString UserNameDoneText = QStringLiteral("Please check your email for a User Name Reset Confirmation.");
const QString PasswordDoneText = QStringLiteral("Please check your email for a Password Reset Confirmation.");
const QString UserNameFailedText = QStringLiteral("Your user name cannot be reset at this time.");
const QString PasswordFailedText = QStringLiteral("Your password cannot be reset at this time.");
const QString NotUniqueText =
    QStringLiteral("The user name you entered is not unique; please specify a unique user name.");

std::string HashUserName(const std::string &name)
{
    return CryptographerSingleton::instance()->hashUserName(name).value();
}

std::string HashPassword(const std::string &password)
{
    return CryptographerSingleton::instance()->hashPassword(password).value();
}
}

class TestCredentialResetFlow : public QObject
{
    Q_OBJECT

private:
    QTranslator m_translator;
    TestServer m_server;
    std::unique_ptr<ResetResponder> m_responder;

    void run(CredentialResetFlow::Kind kind, const QString &serverName = QStringLiteral("127.0.0.1"))
    {
        QWidget logonDialog;
        CredentialResetFlow(&logonDialog, kind).run(serverName, m_server.port());
    }

    // The answers of a run that goes all the way to the reset exchange.
    static void expectFullRun(DialogAnswerer &answerer, const QString &typedCode, const QString &newValue)
    {
        answerer.expect(EnterText(QString::fromStdString(Address)));
        answerer.expect(QMessageBox::Yes);
        answerer.expect(EnterText(typedCode));
        answerer.expect(TypeTwice(newValue, newValue));
        answerer.expect(QMessageBox::Ok);
    }

    std::vector<int> majorOpcodes() const
    {
        std::vector<int> opcodes;
        for (const auto &request : m_server.requests())
            opcodes.push_back(request.majorOpcode);
        return opcodes;
    }

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Halvemoor"));
        QCoreApplication::setApplicationName(QStringLiteral("QuillaneClient"));
        QVERIFY(m_translator.load(QStringLiteral(":build/client_en.qm")));
        QCoreApplication::installTranslator(&m_translator);
        QVERIFY(m_server.start());
    }

    void init()
    {
        NetworkSettings().clear();
        m_server.clearRequests();
        m_responder = std::make_unique<ResetResponder>(QORV_FIXTURE_KEY_DIR);
        QVERIFY(m_responder->isValid());
        m_responder->setUserEmailAddress(Address);
        m_responder->setAuthcode(Code);
        m_responder->install(m_server);
    }

    void helpers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("withoutWhiteSpace");
        QTest::newRow("none") << "K7Q-22X"
                              << "K7Q-22X";
        QTest::newRow("all kinds") << " K7\tQ-\n22\v\fX\r "
                                   << "K7Q-22X";
        QTest::newRow("only blanks") << " \t "
                                     << "";
    }

    void helpers()
    {
        QFETCH(QString, text);
        QFETCH(QString, withoutWhiteSpace);
        QCOMPARE(QString::fromStdString(credentials::RemoveWhiteSpace(text.toStdString())), withoutWhiteSpace);
    }

    void emailAddressPattern_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("valid");
        QTest::newRow("plain") << "ann.lee@example.com" << true;
        QTest::newRow("symbols") << "a_b%c+d-e@mail-1.example.org" << true;
        QTest::newRow("capital") << "Ann@example.com" << false;
        QTest::newRow("one-letter ending") << "a@b.c" << false;
        QTest::newRow("no at sign") << "example.com" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("blank") << "ann @example.com" << false;
    }

    void emailAddressPattern()
    {
        QFETCH(QString, address);
        QFETCH(bool, valid);
        QCOMPARE(credentials::IsUserEmailAddress(address.toStdString()), valid);
    }

    void serverName_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("used");
        QTest::newRow("typed, trimmed") << "  srv.example.com "
                                        << "other"
                                        << "srv.example.com";
        QTest::newRow("none typed: stored, untrimmed") << "   "
                                                       << " stored "
                                                       << " stored ";
        QTest::newRow("none at all") << ""
                                     << ""
                                     << "";
    }

    void serverName()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(QString, used);
        if (!stored.isEmpty())
            NetworkSettings().setServerName(stored);
        QCOMPARE(QString::fromStdString(credentials::GetServerName(typed)), used);
    }

    void userNameResetSendsTheHashOfTheTrimmedName_data()
    {
        QTest::addColumn<QString>("typedCode");
        QTest::newRow("as received") << QString::fromStdString(Code);
        QTest::newRow("with blanks and tabs") << " K7Q - 2\t2X ";
        QTest::newRow("with a line break") << "K7Q-\n22X\n";
    }

    void userNameResetSendsTheHashOfTheTrimmedName()
    {
        QFETCH(QString, typedCode);
        DialogAnswerer answerer;
        expectFullRun(answerer, typedCode, QStringLiteral("  annlee2  "));
        run(CredentialResetFlow::UserName);
        QCOMPARE(answerer.pending(), 0);

        QCOMPARE(answerer.seen().at(0).title, QStringLiteral("Email Address Input"));
        QCOMPARE(answerer.seen().at(1).text, QStringLiteral("Are you sure you want to reset your user name?"));
        QCOMPARE(answerer.seen().at(2).title, QStringLiteral("User Name Reset Authorization Code"));
        QCOMPARE(answerer.seen().at(3).title, QStringLiteral("New User Name Dialog"));
        QCOMPARE(answerer.lastTitle(), QStringLiteral("Reset User Name Confirmation"));
        QCOMPARE(answerer.lastText(), UserNameDoneText);

        QCOMPARE(majorOpcodes(), (std::vector<int>{75, 37}));
        QCOMPARE(m_responder->verifiedAddresses(), std::vector<std::string>{Address});
        const auto resets = m_responder->userNameResets();
        QCOMPARE(resets.size(), std::size_t(1));
        QCOMPARE(resets.at(0).userEmailAddress, Address);
        QCOMPARE(resets.at(0).authcode, Code);
        QCOMPARE(resets.at(0).value, HashUserName("annlee2"));
        // Nothing but the hash: the name itself never travels.
        QCOMPARE(resets.at(0).value.size(), std::size_t(64));
        QCOMPARE(MessageDispatcher::getServerName(), std::string("127.0.0.1"));
    }

    void passwordResetSendsAStoredFormOfTheNewPassword()
    {
        DialogAnswerer answerer;
        expectFullRun(answerer, QStringLiteral("K7Q-22X"), QStringLiteral("Secret99"));
        run(CredentialResetFlow::Password);
        QCOMPARE(answerer.pending(), 0);
        QCOMPARE(answerer.seen().at(1).text, QStringLiteral("Are you sure you want to reset your password?"));
        QCOMPARE(answerer.seen().at(2).title, QStringLiteral("Password Reset Authorization Code"));
        QCOMPARE(answerer.seen().at(3).title, QStringLiteral("New Password Dialog"));
        QCOMPARE(answerer.lastTitle(), QStringLiteral("Reset Password Confirmation"));
        QCOMPARE(answerer.lastText(), PasswordDoneText);

        QCOMPARE(majorOpcodes(), (std::vector<int>{73, 35}));
        const auto resets = m_responder->passwordResets();
        QCOMPARE(resets.size(), std::size_t(1));
        QCOMPARE(resets.at(0).userEmailAddress, Address);
        QCOMPARE(resets.at(0).authcode, Code);
        const Cryptographer &cryptographer = *CryptographerSingleton::instance();
        QVERIFY(cryptographer.decodePassword(HashPassword("Secret99"), resets.at(0).value));
        QVERIFY(!cryptographer.decodePassword(HashPassword("Secret98"), resets.at(0).value));
    }

    void wrongCodeIsWarnedAndNothingIsReset_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("typedCode");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<int>("verifyOpcode");
        QTest::newRow("user name, other letter case")
            << int(CredentialResetFlow::UserName) << "k7q-22x"
            << "Invalid User Name Reset Authorization Code" << common::op::VerifyUserNameReset;
        QTest::newRow("user name, one character more")
            << int(CredentialResetFlow::UserName) << "K7Q-22XX"
            << "Invalid User Name Reset Authorization Code" << common::op::VerifyUserNameReset;
        QTest::newRow("password, empty") << int(CredentialResetFlow::Password) << ""
                                         << "Invalid Password Reset Authorization Code"
                                         << common::op::VerifyPasswordReset;
        QTest::newRow("password, inner character changed")
            << int(CredentialResetFlow::Password) << "K7Q_22X"
            << "Invalid Password Reset Authorization Code" << common::op::VerifyPasswordReset;
    }

    void wrongCodeIsWarnedAndNothingIsReset()
    {
        QFETCH(int, kind);
        QFETCH(QString, typedCode);
        QFETCH(QString, warning);
        QFETCH(int, verifyOpcode);
        DialogAnswerer answerer;
        answerer.expect(EnterText(QString::fromStdString(Address)));
        answerer.expect(QMessageBox::Yes);
        answerer.expect(EnterText(typedCode));
        answerer.expect(QMessageBox::Ok);
        run(CredentialResetFlow::Kind(kind));
        QCOMPARE(answerer.pending(), 0);
        QCOMPARE(answerer.lastTitle(), QStringLiteral("Warning"));
        QCOMPARE(answerer.lastText(), warning);
        QCOMPARE(majorOpcodes(), std::vector<int>{verifyOpcode});
    }

    void takenUserNameIsRefusedAsNotUnique_data()
    {
        QTest::addColumn<int>("majorErcode");
        QTest::addColumn<int>("minorErcode");
        QTest::newRow("with error codes") << 4 << 0;
        QTest::newRow("without error codes") << 0 << 0;
    }

    void takenUserNameIsRefusedAsNotUnique()
    {
        QFETCH(int, majorErcode);
        QFETCH(int, minorErcode);
        m_responder->addTakenUserNameHash(HashUserName("bobsmith"));
        m_responder->setRefusalErcodes(majorErcode, minorErcode);
        DialogAnswerer answerer;
        expectFullRun(answerer, QString::fromStdString(Code), QStringLiteral("bobsmith"));
        run(CredentialResetFlow::UserName);
        QCOMPARE(answerer.pending(), 0);
        QCOMPARE(answerer.lastTitle(), QStringLiteral("Warning"));
        QCOMPARE(answerer.lastText(), NotUniqueText);

        // Another name in a new run goes through.
        DialogAnswerer again;
        expectFullRun(again, QString::fromStdString(Code), QStringLiteral("bobsmith2"));
        run(CredentialResetFlow::UserName);
        QCOMPARE(again.lastText(), UserNameDoneText);
    }

    void refusedResetIsWarnedNotConfirmed_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("newValue");
        QTest::addColumn<QString>("warning");
        QTest::newRow("user name") << int(CredentialResetFlow::UserName) << "annlee2" << UserNameFailedText;
        QTest::newRow("password") << int(CredentialResetFlow::Password) << "Secret99" << PasswordFailedText;
    }

    void refusedResetIsWarnedNotConfirmed()
    {
        QFETCH(int, kind);
        QFETCH(QString, newValue);
        QFETCH(QString, warning);
        m_responder->setResetRefused(true);
        DialogAnswerer answerer;
        expectFullRun(answerer, QString::fromStdString(Code), newValue);
        run(CredentialResetFlow::Kind(kind));
        QCOMPARE(answerer.pending(), 0);
        QCOMPARE(answerer.lastTitle(), QStringLiteral("Warning"));
        QCOMPARE(answerer.lastText(), warning);
    }

    // The lock fails when the new value is hashed, after the server has sent
    // the code: there is no hash or stored form to send, so no reset request
    // goes out (nothing empty in its place), and the reset is reported failed.
    void resetWithoutTheLockSendsNoReset_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("newValue");
        QTest::addColumn<int>("verifyOpcode");
        QTest::addColumn<QString>("warning");
        QTest::newRow("user name") << int(CredentialResetFlow::UserName) << "annlee2" << common::op::VerifyUserNameReset
                                   << UserNameFailedText;
        QTest::newRow("password") << int(CredentialResetFlow::Password) << "Secret99" << common::op::VerifyPasswordReset
                                  << PasswordFailedText;
    }

    void resetWithoutTheLockSendsNoReset()
    {
        QFETCH(int, kind);
        QFETCH(QString, newValue);
        QFETCH(int, verifyOpcode);
        QFETCH(QString, warning);
        std::optional<testsupport::ScopedCryptographerLockFailure> lockFailure;
        const Action typeTwice = TypeTwice(newValue, newValue);
        DialogAnswerer answerer;
        answerer.expect(EnterText(QString::fromStdString(Address)));
        answerer.expect(QMessageBox::Yes);
        answerer.expect(EnterText(QString::fromStdString(Code)));
        answerer.expect([&](QWidget *dialog) {
            lockFailure.emplace();
            typeTwice(dialog);
        });
        answerer.expect(QMessageBox::Ok);
        run(CredentialResetFlow::Kind(kind));
        lockFailure.reset();

        QCOMPARE(answerer.pending(), 0);
        QCOMPARE(answerer.seen().size(), 5);
        QCOMPARE(answerer.lastTitle(), QStringLiteral("Warning"));
        QCOMPARE(answerer.lastText(), warning);
        QCOMPARE(majorOpcodes(), std::vector<int>{verifyOpcode});
        QVERIFY(m_responder->userNameResets().empty());
        QVERIFY(m_responder->passwordResets().empty());
    }

    void userNameReplyWithAnErrorRecordIsNoSuccess_data()
    {
        QTest::addColumn<QString>("sqls");
        QTest::addColumn<int>("sqlc");
        QTest::addColumn<int>("majorErcode");
        QTest::addColumn<bool>("done");
        QTest::newRow("clean") << "" << 0 << 0 << true;
        QTest::newRow("success state") << "00000" << 0 << 0 << true;
        // The server marks a clean reply with the word 1.
        QTest::newRow("unset error word") << "" << 0 << 1 << true;
        QTest::newRow("error record") << "42501" << 1 << 0 << false;
        QTest::newRow("error codes only") << "" << 0 << 3 << false;
    }

    void userNameReplyWithAnErrorRecordIsNoSuccess()
    {
        QFETCH(QString, sqls);
        QFETCH(int, sqlc);
        QFETCH(int, majorErcode);
        QFETCH(bool, done);
        qorv::data::ResetUserNameReply reply;
        reply.mutable_sql_diag_rec()->set_sqls(sqls.toStdString());
        reply.mutable_sql_diag_rec()->set_sqlc(sqlc);
        // A server of its own: a scripted reply stays in force on a server.
        TestServer server;
        QVERIFY(server.start());
        m_responder->install(server);
        server.reply(common::op::ResetUserName, common::tag::Plain, reply.SerializeAsString(), majorErcode, 0);
        DialogAnswerer answerer;
        expectFullRun(answerer, QString::fromStdString(Code), QStringLiteral("annlee2"));
        QWidget logonDialog;
        CredentialResetFlow(&logonDialog, CredentialResetFlow::UserName)
            .run(QStringLiteral("127.0.0.1"), server.port());
        QCOMPARE(answerer.pending(), 0);
        QCOMPARE(answerer.lastText(), done ? UserNameDoneText : UserNameFailedText);
    }

    void unknownAddressEndsWithoutAMessage_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("user name") << int(CredentialResetFlow::UserName);
        QTest::newRow("password") << int(CredentialResetFlow::Password);
    }

    void unknownAddressEndsWithoutAMessage()
    {
        QFETCH(int, kind);
        DialogAnswerer answerer;
        answerer.expect(EnterText(QStringLiteral("someone@example.com")));
        answerer.expect(QMessageBox::Yes);
        run(CredentialResetFlow::Kind(kind));
        QCOMPARE(answerer.pending(), 0);
        QCOMPARE(answerer.seen().size(), 2);
        QCOMPARE(m_server.requests().size(), std::size_t(1));
        QVERIFY(m_responder->userNameResets().empty());
        QVERIFY(m_responder->passwordResets().empty());
    }

    void emptyServerNameIsWarned()
    {
        DialogAnswerer answerer;
        answerer.expect(QMessageBox::Ok);
        run(CredentialResetFlow::Password, QStringLiteral("   "));
        QCOMPARE(answerer.pending(), 0);
        QCOMPARE(answerer.lastTitle(), QStringLiteral("Warning"));
        QCOMPARE(answerer.lastText(), QStringLiteral("The server name is invalid."));
        QVERIFY(m_server.requests().empty());
    }

    void invalidEmailAddressIsWarned_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::newRow("empty") << "";
        QTest::newRow("capitals") << "Ann.Lee@Example.com";
        QTest::newRow("one-letter ending") << "ann@example.c";
    }

    void invalidEmailAddressIsWarned()
    {
        QFETCH(QString, pasted);
        DialogAnswerer answerer;
        answerer.expect(EnterText(pasted));
        answerer.expect(QMessageBox::Ok);
        run(CredentialResetFlow::UserName);
        QCOMPARE(answerer.pending(), 0);
        QCOMPARE(answerer.lastTitle(), QStringLiteral("Invalid Email Address"));
        QCOMPARE(answerer.lastText(), QStringLiteral("You have entered an invalid email address."));
        QVERIFY(m_server.requests().empty());
    }

    void emailAddressFieldRefusesCapitalsAndBlanksAsTyped()
    {
        QString held;
        DialogAnswerer answerer;
        answerer.expect(TypeText(QStringLiteral("Ann.Lee @Example.com"), &held));
        answerer.expect(QMessageBox::No);
        run(CredentialResetFlow::UserName);
        QCOMPARE(answerer.pending(), 0);
        QCOMPARE(held, QStringLiteral("nn.ee@xample.com"));
        // A valid address after all: the question came, and No ended the run.
        QCOMPARE(answerer.lastText(), QStringLiteral("Are you sure you want to reset your user name?"));
        QVERIFY(m_server.requests().empty());
    }

    void pastedAddressLosesItsWhiteSpace()
    {
        DialogAnswerer answerer;
        answerer.expect(EnterText(QStringLiteral(" ann.lee@ example.com\t")));
        answerer.expect(QMessageBox::Yes);
        answerer.expect(QDialogButtonBox::Cancel);
        run(CredentialResetFlow::Password);
        QCOMPARE(answerer.pending(), 0);
        QCOMPARE(m_responder->verifiedAddresses(), std::vector<std::string>{Address});
    }

    void cancellingAnyStepEndsTheRunQuietly_data()
    {
        QTest::addColumn<int>("answered"); // dialogs answered before the cancel
        QTest::addColumn<std::size_t>("requests");
        QTest::newRow("address") << 0 << std::size_t(0);
        QTest::newRow("question") << 1 << std::size_t(0);
        QTest::newRow("code") << 2 << std::size_t(1);
        QTest::newRow("new value") << 3 << std::size_t(1);
    }

    void cancellingAnyStepEndsTheRunQuietly()
    {
        QFETCH(int, answered);
        QFETCH(std::size_t, requests);
        const QList<Action> answers = {
            EnterText(QString::fromStdString(Address)),
            [](QWidget *w) { qobject_cast<QMessageBox *>(w)->button(QMessageBox::Yes)->click(); },
            EnterText(QString::fromStdString(Code))};
        DialogAnswerer answerer;
        for (int i = 0; i < answered; ++i)
            answerer.expect(answers.at(i));
        answerer.expect([](QWidget *w) {
            if (auto *box = qobject_cast<QMessageBox *>(w))
                box->button(QMessageBox::No)->click();
            else
                qobject_cast<QDialog *>(w)->reject();
        });
        run(CredentialResetFlow::UserName);
        QCOMPARE(answerer.pending(), 0);
        QCOMPARE(answerer.seen().size(), answered + 1);
        QCOMPARE(m_server.requests().size(), requests);
    }

    void passwordWithSurroundingBlanksCannotBeChosen()
    {
        bool okEnabled = true;
        DialogAnswerer answerer;
        answerer.expect(EnterText(QString::fromStdString(Address)));
        answerer.expect(QMessageBox::Yes);
        answerer.expect(EnterText(QString::fromStdString(Code)));
        answerer.expect(TypeTwice(QStringLiteral(" Secret99"), QStringLiteral(" Secret99"), &okEnabled));
        run(CredentialResetFlow::Password);
        QCOMPARE(answerer.pending(), 0);
        QVERIFY(!okEnabled);
        QVERIFY(m_responder->passwordResets().empty());
    }

    void noServerEndsTheVerifyQuietly()
    {
        TestServer closed;
        QVERIFY(closed.start());
        const unsigned short port = closed.port();
        closed.stop();
        DialogAnswerer answerer;
        answerer.expect(EnterText(QString::fromStdString(Address)));
        answerer.expect(QMessageBox::Yes);
        QWidget logonDialog;
        CredentialResetFlow(&logonDialog, CredentialResetFlow::Password).run(QStringLiteral("127.0.0.1"), port);
        QCOMPARE(answerer.pending(), 0);
        QCOMPARE(answerer.seen().size(), 2);
    }
};

QTEST_MAIN(TestCredentialResetFlow)
#include "tst_credentialresetflow.moc"
