#include "common/majorcode.h"
#include "consoletestsupport.h"
#include "consoleview.h"
#include "crypto.h"
#include "cryptographer.h"
#include "dialoganswerer.h"
#include "logonfixture.h"
#include "messagedispatcher.h"
#include "networksettings.h"
#include "registry.h"
#include "scopedcryptographerlockfailure.h"
#include "settings.h"
#include "spellchecker.h"
#include "testenvironment.h"
#include "timezonedatabase.h"

#include "authenticateuserreply3.pb.h"
#include "insertdictionaryrequest3.pb.h"
#include "selectuserreply3.pb.h"
#include "updateuserrequest3.pb.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <QWizard>
#include <QtTest>

#include <hunspell.hxx>

QORV_ISOLATE_TEST_ENVIRONMENT()

using consoletest::LogOnFixture;
using testsupport::DialogAnswerer;

namespace
{
constexpr int LoggedOff = 0;
constexpr int LoggedOn = 1;

const QString LoggedOnCaption = QStringLiteral("Console [Ann B Lee @ 127.0.0.1]");
const QString Welcome = QStringLiteral("You have been successfully authenticated.");
const QString TryAgain = QStringLiteral("An incorrect authentication code was entered; please try again.");
const QString ShutDown =
    QStringLiteral("An incorrect authentication code was entered for the final time; the application will shut down.");
const QString NoReply = QStringLiteral(
    "No reply was received from the server; please verify the following:<ul><li>Your computer has network and "
    "Internet access</li><li>Your computer has the correct date and time settings</li><li>The correct Server Name "
    "is displayed in Network Settings</li><li>The correct Server Port number is displayed in Network "
    "Settings</li></ul>");
const QString Protocol = QStringLiteral(
    "Please uninstall this version of the program and install the latest version (the latest version can always "
    "be downloaded from <a href=\"https://www.halvemoor.com/download\">https://www.halvemoor.com/download</a>).");

// A reply in which the server says yes to everything: with error codes beside
// it, it must still not log anyone on.
std::string AllFlagsTrue()
{
    qorv::data::AuthenticateUserReply reply;
    reply.set_user_name_found(true);
    reply.set_user_password_decoded(true);
    reply.set_user_session_inserted(true);
    return reply.SerializeAsString();
}

testsupport::TestReply Reply(const std::string &payload, int majorErcode, int minorErcode)
{
    testsupport::TestReply reply;
    reply.payload = payload;
    reply.majorErcode = majorErcode;
    reply.minorErcode = minorErcode;
    return reply;
}

// Notes a message box's icon, then presses OK.
DialogAnswerer::Action PressOkNoting(QMessageBox::Icon *icon)
{
    return [icon](QWidget *dialog) {
        if (auto *box = qobject_cast<QMessageBox *>(dialog)) {
            *icon = box->icon();
            if (QAbstractButton *ok = box->button(QMessageBox::Ok)) {
                ok->click();
                return;
            }
        }
        qobject_cast<QDialog *>(dialog)->reject();
    };
}

// Runs action inside the application's event loop and tells whether the loop
// was ended by the program (true) or by the guard after timeoutMs.
bool EndsTheProgram(const std::function<void()> &action, int timeoutMs = 30000)
{
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, qApp, [] { QCoreApplication::exit(2); });
    guard.start(timeoutMs);
    QTimer::singleShot(0, qApp, action);
    return QApplication::exec() == 0;
}
}

class TestLogOn : public QObject
{
    Q_OBJECT

private:
    LogOnFixture m_fixture;

    ConsoleView *console() const { return m_fixture.console(); }
    QString status() const { return console()->statusBar()->currentMessage(); }

    void logOnAsAnn(DialogAnswerer &answerer)
    {
        LogOnFixture::answerLogOn(answerer, QString::fromLatin1(LogOnFixture::UserName),
                                  QString::fromLatin1(LogOnFixture::Password));
        m_fixture.triggerLogOn();
    }

private slots:
    void initTestCase() { QVERIFY(m_fixture.setUp()); }

    void init() { QVERIFY2(m_fixture.start(), "the console manager did not open a ConsoleView"); }

    void cleanup() { m_fixture.stop(); }

    void logOnThroughTheDialog()
    {
        DialogAnswerer answerer;
        // Typed with blanks around both: they are not part of either.
        LogOnFixture::answerLogOn(answerer, QStringLiteral("  ann  "), QStringLiteral("  correct horse "));
        m_fixture.triggerLogOn();
        QVERIFY(answerer.waitForAll());
        QCOMPARE(answerer.seen().size(), 1);
        QCOMPARE(answerer.seen().at(0).title, QStringLiteral("Log On"));

        QCOMPARE(console()->getMode(), LoggedOn);
        QCOMPARE(console()->windowTitle(), LoggedOnCaption);
        QCOMPARE(status(), Welcome);
        QCOMPARE(m_fixture.responder().lastUserNameHash(), crypto::HashUserName("ann"));
        QCOMPARE(m_fixture.responder().lastPasswordHash(), crypto::HashPassword("correct horse"));
        // The log-on, then the user's stored words.
        QCOMPARE(m_fixture.majors(), QList<int>({3, 39}));
        QCOMPARE(RegistrySingleton::instance()->getUser().user_id(), LogOnFixture::UserId);
        QCOMPARE(MessageDispatcher::getServerName(), std::string("127.0.0.1"));
        QCOMPARE(TimeZoneDatabase::instance()->getDefaultTimeZoneRegion(), std::string("Europe/Lisbon"));
        Hunspell *hunspell = SpellChecker::instance()->getSpellChecker();
        QVERIFY(hunspell);
        QVERIFY(hunspell->spell(std::string("quillanese")));
        QVERIFY(hunspell->spell(std::string("halvemoorish")));
        QCOMPARE(QDir::searchPaths(QStringLiteral("pictures")), Settings().getPictureSearchPaths());
        QVERIFY(!consoletest::FindAction(console(), QStringLiteral("Log on..."))->isEnabled());
        QVERIFY(consoletest::FindAction(console(), QStringLiteral("Document Browser..."))->isEnabled());
        // The values of the dialog serve this log-on only.
        QCOMPARE(NetworkSettings().getServerName(), QStringLiteral("127.0.0.1"));
    }

    void cancelledDialogChangesNothing()
    {
        RegistrySingleton::instance()->getUser().set_user_id(99);
        DialogAnswerer answerer;
        answerer.expect([](QWidget *dialog) { qobject_cast<QDialog *>(dialog)->reject(); });
        m_fixture.triggerLogOn();
        QVERIFY(answerer.waitForAll());
        QCOMPARE(RegistrySingleton::instance()->getUser().user_id(), 99);
        QVERIFY(m_fixture.majors().isEmpty());
        QCOMPARE(console()->getMode(), LoggedOff);
    }

    // Without the Cryptographer's lock there are no hashes: the log-on is
    // refused with a box, and nothing at all goes to the server (no request
    // with empty hashes in place of the name and password).
    void logOnWithoutTheLockSendsNothing()
    {
        DialogAnswerer answerer;
        LogOnFixture::answerLogOn(answerer, QString::fromLatin1(LogOnFixture::UserName),
                                  QString::fromLatin1(LogOnFixture::Password));
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        answerer.expect(PressOkNoting(&icon));
        {
            const testsupport::ScopedCryptographerLockFailure lockFailure;
            m_fixture.triggerLogOn();
            QVERIFY(answerer.waitForAll());
        }

        QCOMPARE(answerer.seen().size(), 2);
        QCOMPARE(answerer.seen().at(1).title, QStringLiteral("Authenticate User"));
        QCOMPARE(answerer.seen().at(1).text,
                 QStringLiteral("Your log-on could not be prepared, so nothing was sent to the server; please try "
                                "again."));
        QCOMPARE(icon, QMessageBox::Warning);
        QVERIFY(m_fixture.server().requests().empty());
        QCOMPARE(console()->getMode(), LoggedOff);
        QCOMPARE(console()->windowTitle(), QStringLiteral("Console"));
        QVERIFY(consoletest::FindAction(console(), QStringLiteral("Log on..."))->isEnabled());

        // Once the lock can be taken again, the same log-on goes through.
        LogOnFixture::answerLogOn(answerer, QString::fromLatin1(LogOnFixture::UserName),
                                  QString::fromLatin1(LogOnFixture::Password));
        m_fixture.triggerLogOn();
        QVERIFY(answerer.waitForAll());
        QCOMPARE(console()->getMode(), LoggedOn);
        QCOMPARE(m_fixture.responder().lastPasswordHash(), crypto::HashPassword("correct horse"));
    }

    void refusalsAreShownInTheStatusBar_data()
    {
        QTest::addColumn<QString>("userName");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("sessionRefused");
        QTest::addColumn<bool>("emptyReply");
        QTest::addColumn<QString>("shown");
        QTest::newRow("unknown user") << "bob"
                                      << "correct horse" << false << false << "User name not found.";
        QTest::newRow("wrong password") << "ann"
                                        << "wrong horse" << false << false << "User password incorrect.";
        QTest::newRow("no session") << "ann"
                                    << "correct horse" << true << false << "User session not created.";
        QTest::newRow("reply without payload") << "ann"
                                               << "correct horse" << false << true << "User name not found.";
    }

    void refusalsAreShownInTheStatusBar()
    {
        QFETCH(QString, userName);
        QFETCH(QString, password);
        QFETCH(bool, sessionRefused);
        QFETCH(bool, emptyReply);
        QFETCH(QString, shown);
        m_fixture.responder().setSessionRefused(sessionRefused);
        if (emptyReply)
            m_fixture.server().onRequest(common::op::AuthenticateUser,
                                         [](const testsupport::TestRequest &) { return testsupport::TestReply{}; });
        DialogAnswerer answerer;
        LogOnFixture::answerLogOn(answerer, userName, password);
        m_fixture.triggerLogOn();
        QVERIFY(answerer.waitForAll());

        QCOMPARE(status(), shown);
        QCOMPARE(answerer.seen().size(), 1); // no box beside the log-on dialog
        QCOMPARE(console()->getMode(), LoggedOff);
        QCOMPARE(console()->windowTitle(), QStringLiteral("Console"));
        QCOMPARE(m_fixture.majors(), QList<int>({3}));
        QVERIFY(!RegistrySingleton::instance()->getUser().has_user_id());
        QVERIFY(CryptographerSingleton::instance()->isClear());
        QVERIFY(consoletest::FindAction(console(), QStringLiteral("Log on..."))->isEnabled());
    }

    void errorCodesAreShownInABox_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("text");
        const int warning = QMessageBox::Warning;
        const int critical = QMessageBox::Critical;
        QTest::newRow("-1 no reply") << -1 << 1 << warning << NoReply;
        QTest::newRow("3") << 3 << 0 << critical << "Authenticate user database connection error.";
        QTest::newRow("4") << 4 << 0 << critical
                           << "Cannot execute a database statement; please contact your Quillane Administrator.";
        QTest::newRow("5") << 5 << 0 << critical << "Authenticate user database invalid argument error.";
        QTest::newRow("6") << 6 << 0 << critical << "Authenticate user database null pointer error.";
        QTest::newRow("7") << 7 << 0 << critical
                           << "Cannot prepare a database statement; please contact your Quillane Administrator.";
        QTest::newRow("63") << 63 << 0 << warning << "Incorrect password; please try again.";
        QTest::newRow("64") << 64 << 0 << critical << "Bad sequence value: please contact your Quillane Administrator.";
        QTest::newRow("81") << 81 << 0 << critical << "Decryption error: please contact your Quillane Administrator.";
        QTest::newRow("82") << 82 << 0 << critical << "Encryption error: please contact your Quillane Administrator.";
        QTest::newRow("83") << 83 << 0 << critical
                            << "Cannot create a session; please contact your Quillane Administrator.";
        QTest::newRow("85") << 85 << 0 << warning << Protocol;
        QTest::newRow("86") << 86 << 0 << warning << Protocol;
        QTest::newRow("92") << 92 << 0 << warning << "Incorrect user name; please try again.";
        QTest::newRow("84 not in the table")
            << 84 << 7 << critical
            << "Authentication failed (with major error code 84 and minor error code 7); please contact your "
               "Quillane Administrator.";
        QTest::newRow("below the table")
            << -2 << 3 << critical
            << "Authentication failed (with major error code -2 and minor error code 3); please contact your "
               "Quillane Administrator.";
        QTest::newRow("above the table")
            << 93 << 0 << critical
            << "Authentication failed (with major error code 93 and minor error code 0); please contact your "
               "Quillane Administrator.";
    }

    void errorCodesAreShownInABox()
    {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(int, icon);
        QFETCH(QString, text);
        // The server's reply says yes to everything, but carries error codes;
        // an unreachable server sends nothing at all.
        if (major == -1)
            m_fixture.server().injectFault(testsupport::TestFault::noAnswer());
        else
            m_fixture.server().onRequest(
                common::op::AuthenticateUser,
                [major, minor](const testsupport::TestRequest &) { return Reply(AllFlagsTrue(), major, minor); });

        DialogAnswerer answerer;
        LogOnFixture::answerLogOn(answerer, QString::fromLatin1(LogOnFixture::UserName),
                                  QString::fromLatin1(LogOnFixture::Password));
        QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
        answerer.expect(PressOkNoting(&shownIcon));
        m_fixture.triggerLogOn();
        QVERIFY(answerer.waitForAll());

        QCOMPARE(answerer.seen().size(), 2);
        QCOMPARE(answerer.seen().at(1).title, QStringLiteral("Authenticate User"));
        QCOMPARE(answerer.seen().at(1).text, text);
        QCOMPARE(int(shownIcon), icon);
        QVERIFY(status() != QStringLiteral("User name not found."));
        QCOMPARE(console()->getMode(), LoggedOff);
        QCOMPARE(console()->windowTitle(), QStringLiteral("Console"));
        QCOMPARE(m_fixture.majors(), QList<int>({3}));
    }

    void unusableReplyIsNamedInTheCaption_data()
    {
        QTest::addColumn<QString>("breakage");
        QTest::newRow("payload does not parse") << "payload";
        QTest::newRow("key text too short") << "short key";
        QTest::newRow("key text too long") << "long key";
        QTest::newRow("key text not hexadecimal") << "non-hex key";
        QTest::newRow("session id not a number") << "session id";
    }

    void unusableReplyIsNamedInTheCaption()
    {
        QFETCH(QString, breakage);
        // The server accepts the log-on, but the reply it sends cannot be used.
        if (breakage == QLatin1String("payload"))
            m_fixture.server().onRequest(common::op::AuthenticateUser, [](const testsupport::TestRequest &) {
                return Reply(std::string("\xff\xff\xff\xff", 4), 0, 0);
            });
        else if (breakage == QLatin1String("short key"))
            m_fixture.responder().setSessionKeyText("\\x00112233445566778899AABBCCDDEE");
        else if (breakage == QLatin1String("long key"))
            m_fixture.responder().setSessionKeyText("\\x00112233445566778899AABBCCDDEEFF00");
        else if (breakage == QLatin1String("non-hex key"))
            m_fixture.responder().setSessionKeyText("\\x00112233445566778899AABBCCDDEEFG");
        else
            m_fixture.responder().setSessionIdText("none");

        DialogAnswerer answerer;
        LogOnFixture::answerLogOn(answerer, QString::fromLatin1(LogOnFixture::UserName),
                                  QString::fromLatin1(LogOnFixture::Password));
        answerer.expect(QMessageBox::Ok); // for a box that must not come
        m_fixture.triggerLogOn();

        QCOMPARE(console()->windowTitle(), QStringLiteral("Cannot parse reply."));
        QCOMPARE(answerer.seen().size(), 1); // no box: the reply did arrive
        QCOMPARE(answerer.pending(), 1);
        QVERIFY(status() != QStringLiteral("User name not found."));
        QVERIFY(status() != Welcome);
        QCOMPARE(console()->getMode(), LoggedOff);
        QCOMPARE(m_fixture.majors(), QList<int>({3}));
        // Nothing of the reply was installed.
        QVERIFY(!RegistrySingleton::instance()->getUser().has_user_id());
        QVERIFY(CryptographerSingleton::instance()->isClear());
        QVERIFY(consoletest::FindAction(console(), QStringLiteral("Log on..."))->isEnabled());
    }

    void replyThatDidNotArriveShowsTheNoReplyBox_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::newRow("wrong tag") << "wrong tag";
        QTest::newRow("cut short in the header") << "cut in header";
        QTest::newRow("cut short after the header") << "cut after header";
        QTest::newRow("no answer") << "no answer";
    }

    void replyThatDidNotArriveShowsTheNoReplyBox()
    {
        QFETCH(QString, fault);
        if (fault == QLatin1String("wrong tag"))
            m_fixture.server().injectFault(testsupport::TestFault::wrongTag());
        else if (fault == QLatin1String("cut in header"))
            m_fixture.server().injectFault(testsupport::TestFault::closeAfterBytes(40));
        else if (fault == QLatin1String("cut after header"))
            m_fixture.server().injectFault(testsupport::TestFault::closeAfterBytes(80));
        else
            m_fixture.server().injectFault(testsupport::TestFault::noAnswer());

        DialogAnswerer answerer;
        LogOnFixture::answerLogOn(answerer, QString::fromLatin1(LogOnFixture::UserName),
                                  QString::fromLatin1(LogOnFixture::Password));
        QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
        answerer.expect(PressOkNoting(&shownIcon));
        m_fixture.triggerLogOn();
        QVERIFY(answerer.waitForAll());

        QCOMPARE(answerer.seen().size(), 2);
        QCOMPARE(answerer.seen().at(1).title, QStringLiteral("Authenticate User"));
        QCOMPARE(answerer.seen().at(1).text, NoReply);
        QCOMPARE(shownIcon, QMessageBox::Warning);
        QCOMPARE(console()->windowTitle(), QStringLiteral("Console"));
        QCOMPARE(console()->getMode(), LoggedOff);
        QVERIFY(!RegistrySingleton::instance()->getUser().has_user_id());
        QVERIFY(CryptographerSingleton::instance()->isClear());
    }

    void minorErrorCodeAloneIsNoRefusal_data()
    {
        QTest::addColumn<int>("minor");
        QTest::newRow("(0, 7)") << 7;
        QTest::newRow("(0, 5)") << 5;
        QTest::newRow("(0, -2)") << -2;
    }

    void minorErrorCodeAloneIsNoRefusal()
    {
        QFETCH(int, minor);
        // The server's own good answer, with a minor code beside it.
        m_fixture.server().onRequest(common::op::AuthenticateUser, [handler = m_fixture.responder().handler(),
                                                                    minor](const testsupport::TestRequest &request) {
            testsupport::TestReply reply = handler(request);
            reply.minorErcode = minor;
            return reply;
        });
        DialogAnswerer answerer;
        LogOnFixture::answerLogOn(answerer, QString::fromLatin1(LogOnFixture::UserName),
                                  QString::fromLatin1(LogOnFixture::Password));
        answerer.expect(QMessageBox::Ok); // for a box that must not come
        m_fixture.triggerLogOn();

        QCOMPARE(answerer.seen().size(), 1);
        QCOMPARE(answerer.pending(), 1);
        QCOMPARE(console()->getMode(), LoggedOn);
        QCOMPARE(console()->windowTitle(), LoggedOnCaption);
        QCOMPARE(status(), Welcome);
        QCOMPARE(RegistrySingleton::instance()->getUser().user_id(), LogOnFixture::UserId);
        QVERIFY(!CryptographerSingleton::instance()->isClear());
        QCOMPARE(m_fixture.majors(), QList<int>({3, 39}));
    }

    void multiFactorGivesThreeTries()
    {
        m_fixture.responder().setUser(LogOnFixture::Ann(1));
        DialogAnswerer answerer;
        LogOnFixture::answerLogOn(answerer, QStringLiteral("ann"), QStringLiteral("correct horse"));
        LogOnFixture::answerCode(answerer, QStringLiteral("1 1 1"));
        answerer.expect(QMessageBox::Ok);
        LogOnFixture::answerCode(answerer, std::nullopt);
        answerer.expect(QMessageBox::Ok);
        // Pasted in groups: the blanks, tabs and line end are not part of the code.
        LogOnFixture::answerCode(answerer, QStringLiteral(" 12 34\t56\n"));
        m_fixture.triggerLogOn();
        QVERIFY(answerer.waitForAll());

        QCOMPARE(answerer.seen().size(), 6);
        QCOMPARE(answerer.seen().at(1).className, QStringLiteral("QInputDialog"));
        QCOMPARE(answerer.seen().at(1).title, QStringLiteral("Multi-Factor Authentication Code"));
        QCOMPARE(answerer.seen().at(1).text,
                 QStringLiteral("Please enter the Multi-Factor Authentication Code that was emailed to you:"));
        for (int box : {2, 4}) {
            QCOMPARE(answerer.seen().at(box).title, QStringLiteral("Error"));
            QCOMPARE(answerer.seen().at(box).text, TryAgain);
        }
        // A cancelled try asks the server nothing.
        QCOMPARE(m_fixture.codesSeen(), QStringList({"111", "123456"}));
        QCOMPARE(m_fixture.majors(), QList<int>({3, 72, 72, 39}));
        QCOMPARE(console()->getMode(), LoggedOn);
        QCOMPARE(console()->windowTitle(), LoggedOnCaption);
        QCOMPARE(status(), Welcome);
    }

    void thirdWrongCodeEndsTheProgram_data()
    {
        QTest::addColumn<QStringList>("codes");
        QTest::addColumn<QList<int>>("majors");
        QTest::newRow("wrong codes") << QStringList({"1", "2", "3"}) << QList<int>({3, 72, 72, 72, 4});
        QTest::newRow("cancelled") << QStringList({"", "", ""}) << QList<int>({3, 4});
    }

    void thirdWrongCodeEndsTheProgram()
    {
        QFETCH(QStringList, codes);
        QFETCH(QList<int>, majors);
        m_fixture.responder().setUser(LogOnFixture::Ann(1));
        DialogAnswerer answerer;
        LogOnFixture::answerLogOn(answerer, QStringLiteral("ann"), QStringLiteral("correct horse"));
        QMessageBox::Icon lastIcon = QMessageBox::NoIcon;
        for (int attempt = 0; attempt < 3; ++attempt) {
            const QString code = codes.at(attempt);
            LogOnFixture::answerCode(answerer, code.isEmpty() ? std::nullopt : std::optional<QString>(code));
            answerer.expect(PressOkNoting(&lastIcon));
        }
        QPointer<ConsoleView> console = this->console();
        QVERIFY(EndsTheProgram([this] { m_fixture.triggerLogOn(); }));
        QCOMPARE(answerer.pending(), 0);

        QCOMPARE(answerer.seen().size(), 7);
        QCOMPARE(answerer.seen().at(2).text, TryAgain);
        QCOMPARE(answerer.seen().at(4).text, TryAgain);
        QCOMPARE(answerer.seen().at(6).title, QStringLiteral("Error"));
        QCOMPARE(answerer.seen().at(6).text, ShutDown);
        QCOMPARE(lastIcon, QMessageBox::Information);
        QCOMPARE(m_fixture.majors(), majors);
        QVERIFY(m_fixture.server().requests().back().payload.empty());
        // Only the session ends: nothing of the log-off runs.
        QCOMPARE(RegistrySingleton::instance()->getUser().user_id(), LogOnFixture::UserId);
        QVERIFY(!CryptographerSingleton::instance()->isClear());
        QTRY_VERIFY(!console || !console->isVisible());
    }

    void logOffAsksThenSavesTheWordsAndEndsTheSession()
    {
        DialogAnswerer answerer;
        logOnAsAnn(answerer);
        QVERIFY(answerer.waitForAll());
        QCOMPARE(console()->getMode(), LoggedOn);
        SpellChecker::instance()->addDictionaryEntry(
            DictionaryEntry("zebrafish", "a fish", "Danio rerio", DictionaryEntry::Shared));
        SpellChecker::instance()->addDictionaryEntry(DictionaryEntry("aardwolf", "", "", DictionaryEntry::Private));
        m_fixture.server().clearRequests();

        answerer.expect(QMessageBox::No);
        m_fixture.triggerLogOff();
        QVERIFY(answerer.waitForAll());
        QCOMPARE(answerer.lastTitle(), LoggedOnCaption);
        QCOMPARE(answerer.lastText(), QStringLiteral("Do you want to log off and exit the application?"));
        QCOMPARE(console()->getMode(), LoggedOn);
        QCOMPARE(console()->windowTitle(), LoggedOnCaption);
        QVERIFY(m_fixture.majors().isEmpty());
        QCOMPARE(SpellChecker::instance()->getDictionaryEntries().size(), std::size_t(2));

        answerer.expect(QMessageBox::Yes);
        m_fixture.triggerLogOff();
        QVERIFY(answerer.waitForAll());
        // One insert per added word, in the set's order (which means nothing),
        // then the end of the session.
        QCOMPARE(m_fixture.majors(), QList<int>({20, 20, 4}));
        const std::vector<testsupport::TestRequest> requests = m_fixture.server().requests();
        qorv::data::InsertDictionaryRequest first;
        qorv::data::InsertDictionaryRequest second;
        QVERIFY(first.ParseFromString(requests.at(0).payload));
        QVERIFY(second.ParseFromString(requests.at(1).payload));
        if (first.dictionary().dictionary_word() > second.dictionary().dictionary_word())
            std::swap(first, second);
        QCOMPARE(first.dictionary().dictionary_word(), std::string("aardwolf"));
        QCOMPARE(first.dictionary().dictionary_user_id(), LogOnFixture::UserId);
        QCOMPARE(second.dictionary().dictionary_word(), std::string("zebrafish"));
        QCOMPARE(second.dictionary().dictionary_description(), std::string("a fish"));
        QCOMPARE(second.dictionary().dictionary_definition(), std::string("Danio rerio"));
        QCOMPARE(second.dictionary().dictionary_access(), 1);
        QCOMPARE(second.dictionary().dictionary_user_id(), LogOnFixture::UserId);
        QVERIFY(requests.at(2).payload.empty());
        QVERIFY(requests.at(2).authentic);

        QCOMPARE(console()->getMode(), LoggedOff);
        QCOMPARE(console()->windowTitle(), QStringLiteral("Console"));
        QVERIFY(!RegistrySingleton::instance()->getUser().has_user_id());
        QVERIFY(CryptographerSingleton::instance()->isClear());
        QVERIFY(SpellChecker::instance()->getDictionaryEntries().empty());
    }

    void logOffWithoutAddedWordsOnlyEndsTheSession()
    {
        DialogAnswerer answerer;
        logOnAsAnn(answerer);
        m_fixture.server().clearRequests();
        answerer.expect(QMessageBox::Yes);
        m_fixture.triggerLogOff();
        QVERIFY(answerer.waitForAll());
        QCOMPARE(m_fixture.majors(), QList<int>({4}));
    }

    void logOffEndsTheProgram()
    {
        DialogAnswerer answerer;
        logOnAsAnn(answerer);
        QVERIFY(answerer.waitForAll());
        answerer.expect(QMessageBox::Yes);
        QPointer<ConsoleView> console = this->console();
        QVERIFY(EndsTheProgram([this] { m_fixture.triggerLogOff(); }));
        QCOMPARE(answerer.seen().size(), 2); // closing the window on the way out asks nothing more
        QTRY_VERIFY(!console || !console->isVisible());
    }

    void closingTheConsoleLogsOff()
    {
        DialogAnswerer answerer;
        logOnAsAnn(answerer);
        QVERIFY(answerer.waitForAll());
        m_fixture.server().clearRequests();
        QPointer<ConsoleView> console = this->console();

        answerer.expect(QMessageBox::No);
        QVERIFY(!console->close());
        QVERIFY(console->isVisible());
        QVERIFY(m_fixture.majors().isEmpty());

        answerer.expect(QMessageBox::Yes);
        QVERIFY(console->close());
        QCOMPARE(m_fixture.majors(), QList<int>({4}));
        QTRY_VERIFY(!console);
    }

    void optionsGoOntoTheServersPropertiesWord_data()
    {
        QTest::addColumn<int>("updateErcode");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<unsigned int>("propertiesAfter");
        QTest::newRow("set") << 0 << "Information"
                             << "Your user options have been set." << 0xA4u;
        QTest::newRow("refused") << 4 << "Warning"
                                 << "Your user options cannot be set at this time." << 0xA6u;
    }

    void optionsGoOntoTheServersPropertiesWord()
    {
        QFETCH(int, updateErcode);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(unsigned int, propertiesAfter);
        DialogAnswerer answerer;
        logOnAsAnn(answerer);
        QVERIFY(answerer.waitForAll());
        // The server's word has changed since log-on: both notifications on,
        // multi-factor off, and bits that the options do not touch.
        m_fixture.server().onRequest(common::op::SelectUser, [](const testsupport::TestRequest &) {
            qorv::data::SelectUserReply reply;
            *reply.add_user() = LogOnFixture::Ann(0xA6u);
            return Reply(reply.SerializeAsString(), 0, 0);
        });
        m_fixture.server().onRequest(common::op::UpdateUser, [updateErcode](const testsupport::TestRequest &) {
            return Reply(std::string(), updateErcode, 0);
        });
        m_fixture.server().clearRequests();

        const QString documentShared = QCoreApplication::translate("UserOptionsDialog", "DocumentSharedNotifications");
        answerer.expect([documentShared](QWidget *dialog) {
            for (QCheckBox *box : dialog->findChildren<QCheckBox *>()) {
                if (box->text() == documentShared)
                    box->setChecked(false);
            }
            if (auto *buttons = dialog->findChild<QDialogButtonBox *>())
                buttons->button(QDialogButtonBox::Save)->click();
            else
                qobject_cast<QDialog *>(dialog)->reject();
        });
        answerer.expect(QMessageBox::Ok);
        consoletest::FindAction(console(), QStringLiteral("Options"))->trigger();
        QVERIFY(answerer.waitForAll());

        QCOMPARE(answerer.seen().last().title, title);
        QCOMPARE(answerer.seen().last().text, text);
        // The dialog loads the user, the console reloads it, then updates it.
        QCOMPARE(m_fixture.majors(), QList<int>({54, 54, 69}));
        qorv::data::UpdateUserRequest update;
        QVERIFY(update.ParseFromString(m_fixture.server().requests().back().payload));
        QCOMPARE(update.user().user_id(), LogOnFixture::UserId);
        QCOMPARE(update.user().user_properties(), 0xA4u);
        QVERIFY(!update.user().has_user_name());
        QCOMPARE(RegistrySingleton::instance()->getUser().user_properties(), propertiesAfter);
    }

    void emptyServerNameKeepsTheLogOnDialogOpen()
    {
        NetworkSettings().setServerName(QString());
        MessageDispatcher::setServerName("before.example");
        RegistrySingleton::instance()->getUser().set_user_id(99);

        DialogAnswerer answerer;
        QPointer<QDialog> logOnDialog;
        // OK is pressed from the dialog's own event loop, as a user would.
        answerer.expect([&logOnDialog](QWidget *dialog) {
            logOnDialog = qobject_cast<QDialog *>(dialog);
            dialog->findChild<QLineEdit *>(QStringLiteral("userNameLineEdit"))->setText(QStringLiteral("ann"));
            dialog->findChild<QLineEdit *>(QStringLiteral("userPasswordLineEdit"))->setText(QStringLiteral("secret"));
            dialog->findChild<QLineEdit *>(QStringLiteral("serverNameLineEdit"))->setText(QStringLiteral("   "));
            QTimer::singleShot(0, dialog->findChild<QPushButton *>(QStringLiteral("okPushButton")),
                               &QPushButton::click);
        });
        // After the box, see what is left on screen, then cancel the log-on.
        bool stillOpen = false;
        QStringList typed;
        answerer.expect([&](QWidget *box) {
            qobject_cast<QMessageBox *>(box)->button(QMessageBox::Ok)->click();
            QTimer::singleShot(0, qApp, [&] {
                if (!logOnDialog)
                    return;
                stillOpen = logOnDialog->isVisible();
                for (const char *name : {"userNameLineEdit", "userPasswordLineEdit"})
                    typed.append(logOnDialog->findChild<QLineEdit *>(QLatin1String(name))->text());
                logOnDialog->reject();
            });
        });
        m_fixture.triggerLogOn();
        QVERIFY(answerer.waitForAll());

        QCOMPARE(answerer.seen().at(1).title, QStringLiteral("Warning"));
        QCOMPARE(answerer.seen().at(1).text, QStringLiteral("The server name is invalid."));
        QVERIFY(stillOpen);
        QCOMPARE(typed, QStringList({"ann", "secret"}));
        QCOMPARE(MessageDispatcher::getServerName(), std::string("before.example"));
        QCOMPARE(RegistrySingleton::instance()->getUser().user_id(), 99);
        QVERIFY(m_fixture.majors().isEmpty());
        QCOMPARE(console()->getMode(), LoggedOff);
    }

    void emptyServerNameIsRefusedBeforeAnythingChanges()
    {
        MessageDispatcher::setServerName("before.example");
        RegistrySingleton::instance()->getUser().set_user_id(99);
        CryptographerSingleton::instance()->getEkey()[0] = 0x5a;

        DialogAnswerer answerer;
        answerer.expect(QMessageBox::Ok);
        QVERIFY(!console()->logOnWithNamePassword(QStringLiteral("ann"), QStringLiteral("correct horse"), QString(),
                                                  m_fixture.server().port(), QStringLiteral("Europe/Lisbon")));
        QVERIFY(answerer.waitForAll());

        QCOMPARE(answerer.seen().at(0).title, QStringLiteral("Warning"));
        QCOMPARE(answerer.seen().at(0).text, QStringLiteral("The server name is invalid."));
        QCOMPARE(MessageDispatcher::getServerName(), std::string("before.example"));
        QCOMPARE(RegistrySingleton::instance()->getUser().user_id(), 99);
        QCOMPARE(CryptographerSingleton::instance()->getEkey()[0], static_cast<unsigned char>(0x5a));
        QVERIFY(m_fixture.majors().isEmpty());
        QCOMPARE(console()->getMode(), LoggedOff);
        QVERIFY(CryptographerSingleton::instance()->clear());
    }

    void restoreDocumentIsOfferedAfterLogOn()
    {
        DialogAnswerer answerer;
        QAction *restore = consoletest::FindAction(console(), QStringLiteral("Restore Document..."));
        QVERIFY(restore);
        QVERIFY(!restore->isEnabled());
        logOnAsAnn(answerer);
        QVERIFY(answerer.waitForAll());
        QCOMPARE(console()->getMode(), LoggedOn);
        m_fixture.server().clearRequests();

        QVERIFY(restore->isEnabled());
        auto *toolBar = console()->findChild<QToolBar *>();
        QWidget *button = toolBar ? toolBar->widgetForAction(restore) : nullptr;
        QVERIFY(button);
        QVERIFY(button->isEnabled());
        // The wizard opens on its introduction; cancelled there, it has
        // asked the server nothing and the console sends nothing.
        QString title;
        answerer.expect([&title](QWidget *dialog) {
            title = dialog->windowTitle();
            qobject_cast<QDialog *>(dialog)->reject();
        });
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(answerer.waitForAll());
        QCOMPARE(answerer.seen().last().className, QStringLiteral("RestoreDocumentWizard"));
        QCOMPARE(title, QStringLiteral("Restore Document Wizard"));
        QVERIFY(m_fixture.server().requests().empty());
    }

    void userWithoutANameIsShownByTheServerOnly()
    {
        qorv::data::User nameless = LogOnFixture::Ann();
        nameless.clear_user_first_name();
        nameless.clear_user_middle_name();
        nameless.clear_user_last_name();
        m_fixture.responder().setUser(nameless);
        DialogAnswerer answerer;
        logOnAsAnn(answerer);
        QVERIFY(answerer.waitForAll());
        QCOMPARE(console()->getMode(), LoggedOn);
        QCOMPARE(console()->windowTitle(), QStringLiteral("Console [127.0.0.1]"));
    }

    void aSecondLogOnStartsFromAClearSession()
    {
        DialogAnswerer answerer;
        logOnAsAnn(answerer);
        QVERIFY(answerer.waitForAll());
        QCOMPARE(console()->getMode(), LoggedOn);
        // The console offers no second log-on; a refused one still clears the
        // session it would replace.
        m_fixture.server().setSessionKey(testsupport::TestSessionKey{});
        QVERIFY(console()->logOnWithNamePassword(QStringLiteral("bob"), QStringLiteral("x"),
                                                 QStringLiteral("127.0.0.1"), m_fixture.server().port(),
                                                 QStringLiteral("Europe/Lisbon")));
        QVERIFY(!RegistrySingleton::instance()->getUser().has_user_id());
        QVERIFY(CryptographerSingleton::instance()->isClear());
        QCOMPARE(status(), QStringLiteral("User name not found."));
    }
};

QTEST_MAIN(TestLogOn)
#include "tst_logon.moc"
