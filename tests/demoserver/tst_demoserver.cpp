#include "applicationcomponent.h"
#include "authenticateuserclientpkihandler.h"
#include "common/majorcode.h"
#include "common/sqlc.h"
#include "consoletestsupport.h"
#include "consoleview.h"
#include "crypto.h"
#include "dialoganswerer.h"
#include "logoncompletion.h"
#include "logonfixture.h"
#include "messagedispatcher.h"
#include "parsedexchange.h"
#include "networksettings.h"
#include "registry.h"
#include "spellchecker.h"

#include "authenticateuserreply3.pb.h"
#include "authenticateuserrequest3.pb.h"
#include "deletefolderreply3.pb.h"
#include "deletefolderrequest3.pb.h"
#include "insertdocumentreply3.pb.h"
#include "insertdocumentrequest3.pb.h"
#include "insertfolderreply3.pb.h"
#include "insertfolderrequest3.pb.h"
#include "selectdocumentkeyreply3.pb.h"
#include "selectdocumentkeyrequest3.pb.h"
#include "selectdocumentreply3.pb.h"
#include "selectdocumentrequest3.pb.h"
#include "selectfolderreply3.pb.h"
#include "selectfolderrequest3.pb.h"
#include "selectmessagereply3.pb.h"
#include "selectmessagerequest3.pb.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using testsupport::DialogAnswerer;

using demoserver::ParsedExchange;

namespace
{
constexpr int LoggedOn = 1;
constexpr int AnnId = 42;
constexpr int AnnHomeFolder = 100;

bool WriteFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// The log-on request as the console builds it.
std::string LogOnRequest(const std::string &userName, const std::string &password)
{
    AuthenticateUserClientPkiHandler handler;
    handler.setUserNameHash(crypto::HashUserName(userName));
    handler.setUserPasswordHash(crypto::HashPassword(password));
    qorv::data::AuthenticateUserRequest request;
    if (handler.encryptRequest(request) != 0)
        return std::string();
    return request.SerializeAsString();
}
}

// QuillaneTestServer as a program with the sample data: the client logs on
// to it through its console and its own log-on exchange, then asks for what
// the browser shows and tries what the server refuses.
class TestDemoServer : public QObject
{
    Q_OBJECT

private:
    QProcess m_program;
    QTemporaryDir m_dictionaryDir;
    std::unique_ptr<ApplicationComponent> m_application;
    ConsoleView *m_console = nullptr;

    bool startProgram(unsigned short *port)
    {
        m_program.setProgram(QStringLiteral(QORV_TEST_SERVER_PROGRAM));
        m_program.setArguments({QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--data"),
                                QStringLiteral(QORV_SAMPLE_DATA)});
        m_program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_program.start();
        if (!m_program.waitForStarted())
            return false;
        static const QRegularExpression listening(QStringLiteral("Listening on 127\\.0\\.0\\.1:(\\d+)"));
        QByteArray output;
        while (!output.contains('\n') && m_program.waitForReadyRead(30000))
            output += m_program.readAllStandardOutput();
        const QRegularExpressionMatch match = listening.match(QString::fromLatin1(output));
        *port = static_cast<unsigned short>(match.captured(1).toUInt());
        return match.hasMatch() && *port != 0;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(consoletest::SetUpLikeTheProgram());
        QVERIFY(m_dictionaryDir.isValid());
        const QString affix = m_dictionaryDir.filePath(QStringLiteral("test.aff"));
        const QString dictionary = m_dictionaryDir.filePath(QStringLiteral("test.dic"));
        QVERIFY(WriteFile(affix, "SET UTF-8\n") && WriteFile(dictionary, "1\nhello\n"));
        SpellChecker::instance()->setAffixFile(affix.toStdString());
        SpellChecker::instance()->setDictionaryFile(dictionary.toStdString());

        unsigned short port = 0;
        QVERIFY2(startProgram(&port), "QuillaneTestServer did not say where it listens");

        NetworkSettings settings;
        settings.setServerName(QStringLiteral("127.0.0.1"));
        settings.setServerPort(port);
        settings.setDefaultTimeZone(QStringLiteral("Europe/Lisbon"));
        m_application = std::make_unique<ApplicationComponent>();
        m_console = consoletest::OpenConsole();
        QVERIFY(m_console);

        DialogAnswerer answerer;
        consoletest::LogOnFixture::answerLogOn(answerer, QStringLiteral("ann"), QStringLiteral("quillane"));
        consoletest::FindAction(m_console, QStringLiteral("Log on..."))->trigger();
        QVERIFY(answerer.waitForAll());
        QCOMPARE(m_console->getMode(), LoggedOn);
        QCOMPARE(RegistrySingleton::instance()->getUser().user_id(), AnnId);
        QCOMPARE(RegistrySingleton::instance()->getUser().user_folder_id(), AnnHomeFolder);
        QCOMPARE(RegistrySingleton::instance()->getUser().user_first_name(), std::string("Ann"));
    }

    void cleanupTestCase()
    {
        m_application.reset();
        m_program.terminate();
        QVERIFY(m_program.waitForFinished());
        QCOMPARE(m_program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(m_program.exitCode(), 0);
    }

    void listsTheHomeFolder()
    {
        qorv::data::SelectFolderRequest folders;
        folders.set_folder_parent_id(AnnHomeFolder);
        const auto folderReply = ParsedExchange<qorv::data::SelectFolderReply>(common::op::SelectFolder, 0, folders);
        QVERIFY(folderReply);
        QStringList folderNames;
        for (const qorv::data::Folder &folder : folderReply->folder())
            folderNames.append(QString::fromStdString(folder.folder_name()));
        QCOMPARE(folderNames, QStringList({QStringLiteral("Projects"), QStringLiteral("Letters")}));

        qorv::data::SelectDocumentRequest documents;
        documents.set_document_folder_id(AnnHomeFolder);
        const auto documentReply =
            ParsedExchange<qorv::data::SelectDocumentReply>(common::op::SelectDocument, 0, documents);
        QVERIFY(documentReply);
        QCOMPARE(documentReply->document_size(), 1);
        QCOMPARE(documentReply->document(0).document_name(), std::string("Welcome"));
        QCOMPARE(documentReply->document(0).document_body(), std::string("Welcome to the Quillane Client."));
    }

    void answersTheKeysAndMessagesOfTheSample()
    {
        // The key that Bob gave Ann, asked for as the browser asks in Bob's
        // home folder.
        qorv::data::SelectDocumentKeyRequest held;
        held.set_document_key_user_id(AnnId);
        held.set_document_folder_id(110);
        const auto keys = ParsedExchange<qorv::data::SelectDocumentKeyReply>(common::op::SelectDocumentKey, 0, held);
        QVERIFY(keys);
        QCOMPARE(keys->document_key_size(), 1);
        QCOMPARE(keys->document_key(0).document_key_document().document_name(), std::string("Budget 2027"));
        QCOMPARE(keys->document_key(0).document_key_owner().user_first_name(), std::string("Bob"));
        QCOMPARE(keys->document_key(0).document_key_security_descriptor().expiration_date(),
                 std::string("9999-12-31 00:00:00"));

        qorv::data::SelectMessageRequest written;
        written.set_message_user_id(AnnId);
        const auto messages = ParsedExchange<qorv::data::SelectMessageReply>(common::op::SelectMessage, 0, written);
        QVERIFY(messages);
        QCOMPARE(messages->message_size(), 1);
        QCOMPARE(messages->message(0).message_subject(), std::string("Plan 2027"));
    }

    void refusesWhatTheServerRefuses_data()
    {
        QTest::addColumn<int>("operation");
        QTest::addColumn<int>("sqlc");

        QTest::newRow("a second folder of one name") << 0 << common::SqlcUniqueViolation;
        QTest::newRow("a document named like a folder") << 1 << common::SqlcUniqueViolation;
        QTest::newRow("a folder that still holds a document") << 2 << common::SqlcForeignKeyViolation;
    }

    void refusesWhatTheServerRefuses()
    {
        QFETCH(int, operation);
        QFETCH(int, sqlc);

        std::int32_t refused = 0;
        if (operation == 0) {
            qorv::data::InsertFolderRequest request;
            request.mutable_folder()->set_folder_parent_id(AnnHomeFolder);
            request.mutable_folder()->set_folder_name("Projects");
            const auto reply = ParsedExchange<qorv::data::InsertFolderReply>(common::op::InsertFolder, 0, request);
            QVERIFY(reply);
            refused = reply->sql_diag_rec().sqlc();
        } else if (operation == 1) {
            qorv::data::InsertDocumentRequest request;
            request.mutable_document()->set_document_folder_id(AnnHomeFolder);
            request.mutable_document()->set_document_name("Letters");
            const auto reply = ParsedExchange<qorv::data::InsertDocumentReply>(common::op::InsertDocument, 0, request);
            QVERIFY(reply);
            refused = reply->sql_diag_rec().sqlc();
        } else {
            qorv::data::DeleteFolderRequest request;
            request.set_folder_id(120);
            const auto reply = ParsedExchange<qorv::data::DeleteFolderReply>(common::op::DeleteFolder, 0, request);
            QVERIFY(reply);
            refused = reply->sql_diag_rec().sqlc();
        }
        QCOMPARE(refused, sqlc);
    }

    void keepsWhatItInserted()
    {
        qorv::data::InsertFolderRequest insert;
        insert.mutable_folder()->set_folder_parent_id(AnnHomeFolder);
        insert.mutable_folder()->set_folder_name("Drafts");
        const auto inserted = ParsedExchange<qorv::data::InsertFolderReply>(common::op::InsertFolder, 0, insert);
        QVERIFY(inserted);
        QCOMPARE(inserted->sql_diag_rec().sqlc(), common::SqlcSuccess);
        QVERIFY(inserted->folder_id() > 0);

        qorv::data::SelectFolderRequest select;
        select.set_folder_id(inserted->folder_id());
        const auto found = ParsedExchange<qorv::data::SelectFolderReply>(common::op::SelectFolder, 0, select);
        QVERIFY(found);
        QCOMPARE(found->folder_size(), 1);
        QCOMPARE(found->folder(0).folder_name(), std::string("Drafts"));
    }

    void refusesSampleDataItCannotRead_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("reason");

        QTest::newRow("not JSON") << QByteArray("{\"users\": [") << "offset";
        QTest::newRow("a field the record does not have")
            << QByteArray(R"({"folders": [{"folder_id": 1, "folder_colour": "red"}]})") << "folders[0]";
        QTest::newRow("a user without a name")
            << QByteArray(R"({"users": [{"password": "x", "record": {"user_id": 1}}]})") << "users[0]";
    }

    void refusesSampleDataItCannotRead()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("broken.json"));
        QVERIFY(WriteFile(path, content));
        QProcess program;
        program.start(QStringLiteral(QORV_TEST_SERVER_PROGRAM),
                      {QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--data"), path});
        QVERIFY(program.waitForFinished());
        QCOMPARE(program.exitCode(), 1);
        const QString error = QString::fromLocal8Bit(program.readAllStandardError());
        QVERIFY2(error.contains(QStringLiteral("Cannot read the sample data")) && error.contains(reason),
                 qPrintable(error));
        QVERIFY(program.readAllStandardOutput().isEmpty());
    }

    // Last: a log-on as another account makes that account the session's.
    void logsOnEveryAccountOfTheSample_data()
    {
        QTest::addColumn<QString>("userName");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("nameFound");
        QTest::addColumn<bool>("passwordDecoded");
        QTest::addColumn<int>("userId");

        QTest::newRow("bob") << "bob" << "quillane" << true << true << 43;
        QTest::newRow("cy") << "cy" << "quillane" << true << true << 44;
        QTest::newRow("ann") << "ann" << "quillane" << true << true << AnnId;
        QTest::newRow("a wrong password") << "bob" << "quillan" << true << false << 0;
        QTest::newRow("an unknown user") << "dan" << "quillane" << false << false << 0;
    }

    void logsOnEveryAccountOfTheSample()
    {
        QFETCH(QString, userName);
        QFETCH(QString, password);
        QFETCH(bool, nameFound);
        QFETCH(bool, passwordDecoded);
        QFETCH(int, userId);

        const std::string request = LogOnRequest(userName.toStdString(), password.toStdString());
        QVERIFY(!request.empty());
        MessageDispatcher dispatcher(common::op::AuthenticateUser, 1, request);
        QVERIFY(dispatcher.dispatch());
        QVERIFY(dispatcher.noEr());
        qorv::data::AuthenticateUserReply reply;
        QVERIFY(reply.ParseFromString(dispatcher.getReply()));
        QCOMPARE(reply.user_name_found(), nameFound);
        QCOMPARE(reply.user_password_decoded(), passwordDecoded);
        QCOMPARE(reply.user_session_inserted(), passwordDecoded);
        if (!passwordDecoded)
            return;
        QVERIFY(LogOnCompletion().complete(dispatcher.getReply()));
        const qorv::data::User &user = RegistrySingleton::instance()->getUser();
        QCOMPARE(user.user_id(), userId);
        QCOMPARE(user.user_name(), userName.toStdString());
    }
};

QTEST_MAIN(TestDemoServer)
#include "tst_demoserver.moc"
