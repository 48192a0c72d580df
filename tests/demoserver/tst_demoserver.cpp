#include "applicationcomponent.h"
#include "common/majorcode.h"
#include "common/minortag.h"
#include "common/sqlc.h"
#include "consoletestsupport.h"
#include "consoleview.h"
#include "crypto.h"
#include "dialoganswerer.h"
#include "logonfixture.h"
#include "messagedispatcher.h"
#include "networksettings.h"
#include "parsedexchange.h"
#include "registry.h"
#include "resetpasswordclientpkihandler.h"
#include "resetusernameclientpkihandler.h"
#include "spellchecker.h"
#include "userreader.h"
#include "verifypasswordresetclientpkihandler.h"
#include "verifyusernameresetclientpkihandler.h"

#include "deletefolderreply3.pb.h"
#include "deletefolderrequest3.pb.h"
#include "insertdictionaryrequest3.pb.h"
#include "insertdocumentreply3.pb.h"
#include "insertdocumentrequest3.pb.h"
#include "insertfolderreply3.pb.h"
#include "insertfolderrequest3.pb.h"
#include "insertmessagereply3.pb.h"
#include "insertmessagerequest3.pb.h"
#include "resetpasswordrequest3.pb.h"
#include "resetuseremailaddressreply3.pb.h"
#include "resetuseremailaddressrequest3.pb.h"
#include "resetusernamereply3.pb.h"
#include "resetusernamerequest3.pb.h"
#include "selectdictionaryreply3.pb.h"
#include "selectdictionaryrequest3.pb.h"
#include "selectdocumentkeyreply3.pb.h"
#include "selectdocumentkeyrequest3.pb.h"
#include "selectdocumentreply3.pb.h"
#include "selectdocumentrequest3.pb.h"
#include "selectdocumentwebpagereply3.pb.h"
#include "selectdocumentwebpagerequest3.pb.h"
#include "selectfolderkeyreply3.pb.h"
#include "selectfolderkeyrequest3.pb.h"
#include "selectfolderreply3.pb.h"
#include "selectfolderrequest3.pb.h"
#include "selectmessagedocumentreply3.pb.h"
#include "selectmessagedocumentrequest3.pb.h"
#include "selectmessagereply3.pb.h"
#include "selectmessagerequest3.pb.h"
#include "selectmessageuserreply3.pb.h"
#include "selectmessageuserrequest3.pb.h"
#include "selectuserreply3.pb.h"
#include "selectuserrequest3.pb.h"
#include "updateuserrequest3.pb.h"
#include "verifypasswordresetreply3.pb.h"
#include "verifypasswordresetrequest3.pb.h"
#include "verifyuseremailaddressresetreply3.pb.h"
#include "verifyuseremailaddressresetrequest3.pb.h"
#include "verifyusernameresetreply3.pb.h"
#include "verifyusernameresetrequest3.pb.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <optional>
#include <type_traits>

using testsupport::DialogAnswerer;

using demoserver::LogOn;
using demoserver::ParsedExchange;

namespace
{
constexpr int LoggedOn = 1;
constexpr int AnnId = 42;
constexpr int AnnHomeFolder = 100;
constexpr int AnnMessageFolder = 101;
constexpr int BobId = 43;
constexpr int BobMessageFolder = 111;
constexpr int BobSharedFolder = 112;
constexpr int CyId = 44;
constexpr int PlanDocument = 201;

bool WriteFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// The stored form the password windows send for a typed password.
std::string StoredForm(const std::string &password)
{
    return crypto::EncodePassword(crypto::HashPassword(password));
}

// The reset-password wizard's update of the user's own password.
bool ChangePasswordAsTheWizardDoes(int userId, const std::string &password)
{
    qorv::data::UpdateUserRequest request;
    request.mutable_user()->set_user_id(userId);
    request.mutable_user()->mutable_user_security_descriptor()->set_password(StoredForm(password));
    return demoserver::AcceptedExchange(common::op::UpdateUser, common::tag::Plain, request);
}

// The forgotten-password flow of the log-on dialog: the code for the address,
// then the new password with that code.
bool ResetForgottenPassword(const std::string &address, const std::string &password)
{
    VerifyPasswordResetClientPkiHandler verify;
    verify.setUserEmailAddress(address);
    qorv::data::VerifyPasswordResetRequest verifyRequest;
    if (verify.encryptRequest(verifyRequest) != 0)
        return false;
    const auto code = demoserver::ParsedExchange<qorv::data::VerifyPasswordResetReply>(
        common::op::VerifyPasswordReset, common::tag::Plain, verifyRequest);
    if (!code || verify.decryptReply(*code) != 0)
        return false;
    ResetPasswordClientPkiHandler reset;
    reset.setUserEmailAddress(address);
    reset.setPasswordResetAuthcode(verify.getDecryptedPasswordResetAuthcode());
    reset.setUserPassword(StoredForm(password));
    qorv::data::ResetPasswordRequest resetRequest;
    if (reset.encryptRequest(resetRequest) != 0)
        return false;
    return demoserver::AcceptedExchange(common::op::ResetPassword, common::tag::Plain, resetRequest);
}

// The forgotten-user-name flow of the log-on dialog: the code for the
// address, then the new user name's hash with that code.
bool ResetForgottenUserName(const std::string &address, const std::string &userName)
{
    VerifyUserNameResetClientPkiHandler verify;
    verify.setUserEmailAddress(address);
    qorv::data::VerifyUserNameResetRequest verifyRequest;
    if (verify.encryptRequest(verifyRequest) != 0)
        return false;
    const auto code = demoserver::ParsedExchange<qorv::data::VerifyUserNameResetReply>(
        common::op::VerifyUserNameReset, common::tag::Plain, verifyRequest);
    if (!code || verify.decryptReply(*code) != 0)
        return false;
    ResetUserNameClientPkiHandler reset;
    reset.setUserEmailAddress(address);
    reset.setUserNameResetAuthcode(verify.getDecryptedUserNameResetAuthcode());
    reset.setUserName(crypto::HashUserName(userName));
    qorv::data::ResetUserNameRequest resetRequest;
    if (reset.encryptRequest(resetRequest) != 0)
        return false;
    const auto reply = demoserver::ParsedExchange<qorv::data::ResetUserNameReply>(common::op::ResetUserName,
                                                                                  common::tag::Plain, resetRequest);
    return reply && reply->sql_diag_rec().sqls().empty();
}

std::optional<qorv::data::User> UserById(int userId)
{
    qorv::data::SelectUserRequest request;
    request.set_user_id(userId);
    const auto reply =
        demoserver::ParsedExchange<qorv::data::SelectUserReply>(common::op::SelectUser, common::tag::Plain, request);
    if (!reply || reply->user_size() != 1)
        return std::nullopt;
    return reply->user(0);
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
        const auto folderReply =
            ParsedExchange<qorv::data::SelectFolderReply>(common::op::SelectFolder, common::tag::Plain, folders);
        QVERIFY(folderReply);
        QStringList folderNames;
        for (const qorv::data::Folder &folder : folderReply->folder())
            folderNames.append(QString::fromStdString(folder.folder_name()));
        QCOMPARE(folderNames, QStringList({QStringLiteral("Projects"), QStringLiteral("Letters")}));

        qorv::data::SelectDocumentRequest documents;
        documents.set_document_folder_id(AnnHomeFolder);
        const auto documentReply =
            ParsedExchange<qorv::data::SelectDocumentReply>(common::op::SelectDocument, common::tag::Plain, documents);
        QVERIFY(documentReply);
        QCOMPARE(documentReply->document_size(), 1);
        QCOMPARE(documentReply->document(0).document_name(), std::string("Welcome"));
        QVERIFY(
            QString::fromStdString(documentReply->document(0).document_body()).contains(QStringLiteral("home folder")));
    }

    void answersTheKeysAndMessagesOfTheSample()
    {
        // The key that Bob gave Ann, asked for as the browser asks in Bob's
        // home folder.
        qorv::data::SelectDocumentKeyRequest held;
        held.set_document_key_user_id(AnnId);
        held.set_document_folder_id(110);
        const auto keys =
            ParsedExchange<qorv::data::SelectDocumentKeyReply>(common::op::SelectDocumentKey, common::tag::Plain, held);
        QVERIFY(keys);
        QCOMPARE(keys->document_key_size(), 1);
        QCOMPARE(keys->document_key(0).document_key_document().document_name(), std::string("Budget 2027"));
        QCOMPARE(keys->document_key(0).document_key_owner().user_first_name(), std::string("Bob"));
        // The key shows its document as it stands, body and all.
        QVERIFY(QString::fromStdString(keys->document_key(0).document_key_document().document_body())
                    .contains(QStringLiteral("Office in Porto")));
        QCOMPARE(keys->document_key(0).document_key_security_descriptor().expiration_date(),
                 std::string("9999-12-31 00:00:00"));

        qorv::data::SelectMessageRequest written;
        written.set_message_user_id(AnnId);
        const auto messages =
            ParsedExchange<qorv::data::SelectMessageReply>(common::op::SelectMessage, common::tag::Plain, written);
        QVERIFY(messages);
        QStringList subjects;
        for (const qorv::data::Message &message : messages->message()) {
            subjects.append(QString::fromStdString(message.message_subject()));
            QVERIFY(message.message_security_descriptor().permissions() != 0);
        }
        QCOMPARE(subjects, QStringList({QStringLiteral("Plan 2027"), QStringLiteral("Re: Budget")}));
    }

    void answersAUserById_data()
    {
        QTest::addColumn<int>("userId");
        QTest::addColumn<QString>("firstName");
        QTest::addColumn<QString>("emailAddress");

        QTest::newRow("ann, who is logged on") << AnnId << "Ann"
                                               << "ann@example.org";
        QTest::newRow("bob, who is not") << BobId << "Bob"
                                         << "bob@example.org";
    }

    void answersAUserById()
    {
        QFETCH(int, userId);
        QFETCH(QString, firstName);
        QFETCH(QString, emailAddress);

        qorv::data::SelectUserRequest request;
        request.set_user_id(userId);
        const auto reply =
            ParsedExchange<qorv::data::SelectUserReply>(common::op::SelectUser, common::tag::Plain, request);
        QVERIFY(reply);
        QCOMPARE(reply->user_size(), 1);
        const qorv::data::User &user = reply->user(0);
        QCOMPARE(user.user_id(), userId);
        QCOMPARE(QString::fromStdString(user.user_first_name()), firstName);
        QCOMPARE(QString::fromStdString(user.user_email_address()), emailAddress);
        QVERIFY(!user.has_user_middle_name() || !user.user_middle_name().empty());
        if (userId == AnnId) {
            // Her own record replaces the log-on's in the options window, and
            // the reset-password wizard then checks name and password with it.
            QCOMPARE(user.user_name(), crypto::HashUserName("ann"));
            QVERIFY(
                crypto::DecodePassword(crypto::HashPassword("quillane"), user.user_security_descriptor().password()));
        } else {
            // Nobody learns another's secrets from a look-up.
            QVERIFY(!user.has_user_name());
            QVERIFY(user.user_security_descriptor().password().empty());
        }
    }

    void searchesDocuments_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QStringList>("names");

        const auto search = [](int folderId, bool subfolders, bool anyOf) {
            qorv::data::SelectDocumentRequest request;
            request.set_document_folder_id(folderId);
            request.set_search_subfolders(subfolders);
            request.set_logical_operator(anyOf ? qorv::data::SelectDocumentRequest::LOGICAL_OR
                                               : qorv::data::SelectDocumentRequest::LOGICAL_AND);
            return request;
        };
        const auto bytes = [](const qorv::data::SelectDocumentRequest &request) {
            return QByteArray::fromStdString(request.SerializeAsString());
        };

        qorv::data::SelectDocumentRequest request = search(BobSharedFolder, false, false);
        request.add_document_name_like("min%");
        QTest::newRow("name like, in any case") << bytes(request) << QStringList{"Minutes"};

        request = search(BobSharedFolder, false, false);
        request.add_document_body_contains("budget");
        QTest::newRow("the body, without subfolders") << bytes(request) << QStringList{"Minutes"};

        request = search(BobSharedFolder, true, false);
        request.add_document_body_contains("budget");
        QTest::newRow("the body, with subfolders") << bytes(request) << QStringList{"Minutes", "Minutes 2025"};

        request = search(BobSharedFolder, true, false);
        request.add_document_name_like("Minutes%");
        request.add_document_creation_date_less_than("2026-01-01 00:00:00");
        QTest::newRow("all criteria") << bytes(request) << QStringList{"Minutes 2025"};

        request = search(AnnHomeFolder, true, true);
        request.add_document_name_equal("Welcome");
        request.add_document_modification_date_greater_than_or_equal("2026-01-10 00:00:00");
        QTest::newRow("any criterion") << bytes(request) << QStringList{"Welcome", "Plan 2027"};

        request = search(BobSharedFolder, true, false);
        request.add_document_creation_date_equal("2026-01-12 00:00:00");
        QTest::newRow("a date equal on the day") << bytes(request) << QStringList{"Minutes"};

        request = search(AnnHomeFolder, true, false);
        request.add_document_name_not_like("%");
        QTest::newRow("none matches") << bytes(request) << QStringList{};
    }

    void searchesDocuments()
    {
        QFETCH(QByteArray, request);
        QFETCH(QStringList, names);

        const std::string payload = request.toStdString();
        MessageDispatcher dispatcher(common::op::SelectDocument, common::tag::Plain, payload);
        QVERIFY(dispatcher.dispatch() && dispatcher.noEr());
        qorv::data::SelectDocumentReply reply;
        QVERIFY(reply.ParseFromString(dispatcher.getReply()));
        QStringList found;
        for (const qorv::data::Document &document : reply.document())
            found.append(QString::fromStdString(document.document_name()));
        QCOMPARE(found, names);
    }

    void searchesMessages_data()
    {
        QTest::addColumn<bool>("received");
        QTest::addColumn<QStringList>("criteria");
        QTest::addColumn<bool>("anyOf");
        QTest::addColumn<QStringList>("subjects");

        QTest::newRow("own, subject equal")
            << false << QStringList{"subject=Re: Budget"} << false << QStringList{"Re: Budget"};
        QTest::newRow("own, subject like")
            << false << QStringList{"subject~%PLAN%"} << false << QStringList{"Plan 2027"};
        QTest::newRow("received, subject equal")
            << true << QStringList{"subject=Budget"} << false << QStringList{"Budget"};
        QTest::newRow("received, sender and body")
            << true << QStringList{"from~Bob%", "body=attached"} << false << QStringList{"Re: Re: Budget"};
        QTest::newRow("received, either") << true << QStringList{"subject=Budget", "body=attached"} << true
                                          << QStringList{"Budget", "Re: Re: Budget"};
    }

    void searchesMessages()
    {
        QFETCH(bool, received);
        QFETCH(QStringList, criteria);
        QFETCH(bool, anyOf);
        QFETCH(QStringList, subjects);

        const auto fill = [&](auto &request) {
            using Request = std::decay_t<decltype(request)>;
            request.set_logical_operator(anyOf ? Request::LOGICAL_OR : Request::LOGICAL_AND);
            for (const QString &criterion : criteria) {
                const std::string value =
                    criterion.section(QRegularExpression(QStringLiteral("[=~]")), 1).toStdString();
                if (criterion.startsWith(QLatin1String("subject=")))
                    request.add_message_subject_equal(value);
                else if (criterion.startsWith(QLatin1String("subject~")))
                    request.add_message_subject_like(value);
                else if (criterion.startsWith(QLatin1String("from~")))
                    request.add_message_from_like(value);
                else if (criterion.startsWith(QLatin1String("body=")))
                    request.add_message_body_contains(value);
            }
        };
        std::optional<google::protobuf::RepeatedPtrField<qorv::data::Message>> messages;
        if (received) {
            qorv::data::SelectMessageUserRequest request;
            request.set_message_user_user_id(AnnId);
            request.set_message_user_message_folder_id(AnnMessageFolder);
            fill(request);
            const auto reply = ParsedExchange<qorv::data::SelectMessageUserReply>(common::op::SelectMessageUser,
                                                                                  common::tag::Plain, request);
            QVERIFY(reply);
            messages = reply->message();
        } else {
            qorv::data::SelectMessageRequest request;
            request.set_message_user_id(AnnId);
            request.set_message_folder_id(AnnMessageFolder);
            fill(request);
            const auto reply =
                ParsedExchange<qorv::data::SelectMessageReply>(common::op::SelectMessage, common::tag::Plain, request);
            QVERIFY(reply);
            messages = reply->message();
        }
        QStringList found;
        for (const qorv::data::Message &message : *messages)
            found.append(QString::fromStdString(message.message_subject()));
        QCOMPARE(found, subjects);
    }

    void answersRevisionsAndDeletedDocuments_data()
    {
        QTest::addColumn<bool>("deleted");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QStringList>("bodies");

        QTest::newRow("every revision, the current last")
            << false << "1400-01-01 00:00:00"
            << "9999-12-31 00:00:00" << QStringList{"Two goals", "Three goals for the year: the office", "<ol>"};
        QTest::newRow("the one current at an instant")
            << false << "2026-01-09 00:00:00.000000"
            << "2026-01-09 00:00:00.000000" << QStringList{"Three goals for the year: the office"};
        QTest::newRow("the one that starts at the instant")
            << false << "2026-01-08 16:45:00.000000"
            << "2026-01-08 16:45:00.000000" << QStringList{"Three goals for the year: the office"};
        QTest::newRow("deleted documents") << true << "1400-01-01 00:00:00"
                                           << "9999-12-31 00:00:00" << QStringList{"ask Bob for the budget"};
    }

    void answersRevisionsAndDeletedDocuments()
    {
        QFETCH(bool, deleted);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QStringList, bodies);

        qorv::data::SelectDocumentRequest request;
        if (deleted)
            request.set_select_deleted_documents(true);
        else
            request.set_document_id(PlanDocument);
        request.mutable_sys_period()->set_from(from.toStdString());
        request.mutable_sys_period()->set_to(to.toStdString());
        const auto reply =
            ParsedExchange<qorv::data::SelectDocumentReply>(common::op::SelectDocument, common::tag::Plain, request);
        QVERIFY(reply);
        QCOMPARE(reply->document_size(), bodies.size());
        for (int i = 0; i < bodies.size(); ++i) {
            const QString body = QString::fromStdString(reply->document(i).document_body());
            QVERIFY2(body.contains(bodies.at(i)), qPrintable(body));
            QVERIFY(reply->document(i).has_sys_period());
        }
    }

    void completesTheKeys_data()
    {
        QTest::addColumn<int>("holderId");
        QTest::addColumn<int>("folderId");
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("owner");
        QTest::addColumn<uint>("permissions");
        QTest::addColumn<QString>("passcode");

        // View, search, copy, export and print; the one to Bob also edits.
        QTest::newRow("Bob's key to Ann, read") << AnnId << 110 << "Budget 2027"
                                                << "Bob" << 0xF41u << "";
        QTest::newRow("Ann's key to Bob, listed under Ann's folder, edit") << BobId << 120 << "Plan 2027"
                                                                           << "Ann" << 0xFC3u << "";
        QTest::newRow("Cy's key to Ann, behind a passcode") << AnnId << 132 << "Salaries"
                                                            << "Cy" << 0xF41u << "quillane";
    }

    void completesTheKeys()
    {
        QFETCH(int, holderId);
        QFETCH(int, folderId);
        QFETCH(QString, document);
        QFETCH(QString, owner);
        QFETCH(uint, permissions);
        QFETCH(QString, passcode);

        qorv::data::SelectDocumentKeyRequest request;
        request.set_document_key_user_id(holderId);
        request.set_document_folder_id(folderId);
        const auto reply = ParsedExchange<qorv::data::SelectDocumentKeyReply>(common::op::SelectDocumentKey,
                                                                              common::tag::Plain, request);
        QVERIFY(reply);
        QCOMPARE(reply->document_key_size(), 1);
        const qorv::data::DocumentKey &key = reply->document_key(0);
        QCOMPARE(QString::fromStdString(key.document_key_document().document_name()), document);
        QVERIFY(!key.document_key_document().document_body().empty());
        QCOMPARE(QString::fromStdString(key.document_key_owner().user_first_name()), owner);
        QVERIFY(!key.document_key_user().user_last_name().empty());
        const qorv::data::SecurityDescriptor &descriptor = key.document_key_security_descriptor();
        QCOMPARE(descriptor.permissions(), permissions);
        if (passcode.isEmpty()) {
            QVERIFY(descriptor.password().empty());
        } else {
            QCOMPARE(key.document_key_security_descriptor_password_length(), int(passcode.size()));
            QVERIFY(crypto::DecodePassword(crypto::HashPassword(passcode.toStdString()), descriptor.password()));
        }
    }

    // As the document browser asks for a member of a home group: the
    // folder keys that member gave the user, under the member's home folder.
    void answersFolderKeysUnderTheirGiver_data()
    {
        QTest::addColumn<int>("holderId");
        QTest::addColumn<int>("giversHomeFolder");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("giver");

        QTest::newRow("Bob's folder for Ann") << AnnId << 110 << "Shared with Ann"
                                              << "Hart";
        QTest::newRow("Ann's projects for Bob") << BobId << AnnHomeFolder << "Projects"
                                                << "Lee";
    }

    void answersFolderKeysUnderTheirGiver()
    {
        QFETCH(int, holderId);
        QFETCH(int, giversHomeFolder);
        QFETCH(QString, folder);
        QFETCH(QString, giver);

        qorv::data::SelectFolderKeyRequest request;
        request.set_folder_key_user_id(holderId);
        request.set_folder_parent_id(giversHomeFolder);
        const auto reply =
            ParsedExchange<qorv::data::SelectFolderKeyReply>(common::op::SelectFolderKey, common::tag::Plain, request);
        QVERIFY(reply);
        QCOMPARE(reply->folder_key_size(), 1);
        const qorv::data::FolderKey &key = reply->folder_key(0);
        QCOMPARE(QString::fromStdString(key.folder_key_folder().folder_name()), folder);
        QCOMPARE(QString::fromStdString(key.folder_key_owner().user_last_name()), giver);
        QVERIFY(!key.folder_key_owner().has_user_middle_name() || !key.folder_key_owner().user_middle_name().empty());
        QCOMPARE(key.folder_key_user().user_id(), holderId);
        // View and search.
        QCOMPARE(key.folder_key_security_descriptor().permissions(), 0x41u);
    }

    void folderKeyStandsForItsDocuments_data()
    {
        QTest::addColumn<int>("folderId");
        QTest::addColumn<bool>("subfolders");
        QTest::addColumn<QString>("nameLike");
        QTest::addColumn<QStringList>("names");

        QTest::newRow("opened") << BobSharedFolder << false << "" << QStringList{"Minutes"};
        QTest::newRow("searched with subfolders")
            << BobSharedFolder << true << "minutes%" << QStringList{"Minutes", "Minutes 2025"};
        QTest::newRow("searched by name") << BobSharedFolder << true << "%2025" << QStringList{"Minutes 2025"};
        QTest::newRow("a folder below the key's") << 113 << false << "" << QStringList{"Minutes 2025"};
        QTest::newRow("a folder without a key") << 130 << false << "" << QStringList{};
    }

    void folderKeyStandsForItsDocuments()
    {
        QFETCH(int, folderId);
        QFETCH(bool, subfolders);
        QFETCH(QString, nameLike);
        QFETCH(QStringList, names);

        qorv::data::SelectDocumentKeyRequest request;
        request.set_document_key_user_id(AnnId);
        request.set_document_folder_id(folderId);
        request.set_search_subfolders(subfolders);
        if (!nameLike.isEmpty())
            request.add_document_name_like(nameLike.toStdString());
        const auto reply = ParsedExchange<qorv::data::SelectDocumentKeyReply>(common::op::SelectDocumentKey,
                                                                              common::tag::Plain, request);
        QVERIFY(reply);
        QStringList found;
        for (const qorv::data::DocumentKey &key : reply->document_key()) {
            found.append(QString::fromStdString(key.document_key_document().document_name()));
            // Under the folder key's rules, from its giver.
            QCOMPARE(key.document_key_security_descriptor().permissions(), 0x41u);
            QCOMPARE(key.document_key_owner().user_first_name(), std::string("Bob"));
            QVERIFY(!key.document_key_document().document_body().empty());
        }
        QCOMPARE(found, names);
    }

    void answersWebAddresses()
    {
        qorv::data::SelectDocumentWebpageRequest request;
        request.set_document_webpage_document_id(PlanDocument);
        const auto reply = ParsedExchange<qorv::data::SelectDocumentWebpageReply>(common::op::SelectDocumentWebpage,
                                                                                  common::tag::Plain, request);
        QVERIFY(reply);
        QCOMPARE(reply->document_webpage_size(), 1);
        const qorv::data::DocumentWebpage &webpage = reply->document_webpage(0);
        QCOMPARE(webpage.document_webpage_url_hash(), crypto::HashUrl(webpage.document_webpage_url()));
    }

    // A reply reaches its addressee unread, in the root message folder, and
    // its attachment is listed for the addressee.
    void deliversANewCopyUnreadWithItsAttachment()
    {
        qorv::data::InsertMessageRequest insert;
        qorv::data::Message *message = insert.mutable_message();
        message->set_message_user_id(AnnId);
        message->set_message_folder_id(AnnMessageFolder);
        message->set_message_parent_id(5);
        message->set_message_parent_relation(qorv::data::Message::PARENT_RELATION_REPLY);
        message->set_message_subject("Re: Re: Re: Budget");
        message->set_message_body("<p>Thanks!</p>");
        qorv::data::Message *row = insert.add_message_user();
        row->set_message_user_user_id(BobId);
        row->set_message_user_field(qorv::data::Message::TO);
        row->set_message_user_properties(0);
        qorv::data::MessageDocument *attachment = insert.add_message_document();
        attachment->set_message_document_document_id(PlanDocument);
        const auto inserted =
            ParsedExchange<qorv::data::InsertMessageReply>(common::op::InsertMessage, common::tag::Plain, insert);
        QVERIFY(inserted);
        QVERIFY(inserted->message_id() > 0);

        qorv::data::SelectMessageUserRequest copies;
        copies.set_message_user_user_id(BobId);
        copies.set_message_user_message_folder_id(BobMessageFolder);
        const auto found = ParsedExchange<qorv::data::SelectMessageUserReply>(common::op::SelectMessageUser,
                                                                              common::tag::Plain, copies);
        QVERIFY(found);
        const auto copy =
            std::find_if(found->message().begin(), found->message().end(),
                         [&](const qorv::data::Message &m) { return m.message_id() == inserted->message_id(); });
        QVERIFY(copy != found->message().end());
        QCOMPARE(copy->message_user_properties() & 1u, 1u);

        qorv::data::SelectMessageDocumentRequest attachments;
        attachments.set_message_document_message_id(inserted->message_id());
        const auto listed = ParsedExchange<qorv::data::SelectMessageDocumentReply>(common::op::SelectMessageDocument,
                                                                                   common::tag::Plain, attachments);
        QVERIFY(listed);
        QCOMPARE(listed->message_document_size(), 1);
        QCOMPARE(listed->message_document(0).message_document_document().document_name(), std::string("Plan 2027"));
    }

    void keepsTheAddedWords()
    {
        qorv::data::InsertDictionaryRequest insert;
        insert.mutable_dictionary()->set_dictionary_user_id(AnnId);
        insert.mutable_dictionary()->set_dictionary_word("Quillane");
        QVERIFY(demoserver::AcceptedExchange(common::op::InsertDictionary, common::tag::Plain, insert));

        qorv::data::SelectDictionaryRequest select;
        select.set_dictionary_user_id(AnnId);
        const auto words =
            ParsedExchange<qorv::data::SelectDictionaryReply>(common::op::SelectDictionary, common::tag::Plain, select);
        QVERIFY(words);
        QCOMPARE(words->dictionary_size(), 1);
        QCOMPARE(words->dictionary(0).dictionary_word(), std::string("Quillane"));
        select.set_dictionary_user_id(BobId);
        const auto others =
            ParsedExchange<qorv::data::SelectDictionaryReply>(common::op::SelectDictionary, common::tag::Plain, select);
        QVERIFY(others);
        QCOMPARE(others->dictionary_size(), 0);
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
            const auto reply =
                ParsedExchange<qorv::data::InsertFolderReply>(common::op::InsertFolder, common::tag::Plain, request);
            QVERIFY(reply);
            refused = reply->sql_diag_rec().sqlc();
        } else if (operation == 1) {
            qorv::data::InsertDocumentRequest request;
            request.mutable_document()->set_document_folder_id(AnnHomeFolder);
            request.mutable_document()->set_document_name("Letters");
            const auto reply = ParsedExchange<qorv::data::InsertDocumentReply>(common::op::InsertDocument,
                                                                               common::tag::Plain, request);
            QVERIFY(reply);
            refused = reply->sql_diag_rec().sqlc();
        } else {
            qorv::data::DeleteFolderRequest request;
            request.set_folder_id(120);
            const auto reply =
                ParsedExchange<qorv::data::DeleteFolderReply>(common::op::DeleteFolder, common::tag::Plain, request);
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
        const auto inserted =
            ParsedExchange<qorv::data::InsertFolderReply>(common::op::InsertFolder, common::tag::Plain, insert);
        QVERIFY(inserted);
        QCOMPARE(inserted->sql_diag_rec().sqlc(), common::SqlcSuccess);
        QVERIFY(inserted->folder_id() > 0);

        qorv::data::SelectFolderRequest select;
        select.set_folder_id(inserted->folder_id());
        const auto found =
            ParsedExchange<qorv::data::SelectFolderReply>(common::op::SelectFolder, common::tag::Plain, select);
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

    void changesTheEmailAddress_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("sqls");
        QTest::addColumn<QString>("kept");

        QTest::newRow("a new address") << "ann.lee@example.org"
                                       << ""
                                       << "ann.lee@example.org";
        QTest::newRow("Bob's address") << "bob@example.org"
                                       << "23505"
                                       << "ann.lee@example.org";
    }

    // As the options window's "Set..." does it.
    void changesTheEmailAddress()
    {
        QFETCH(QString, address);
        QFETCH(QString, sqls);
        QFETCH(QString, kept);

        qorv::data::VerifyUserEmailAddressResetRequest verify;
        *verify.mutable_user() = RegistrySingleton::instance()->getUser();
        verify.set_user_email_address(address.toStdString());
        const auto code = ParsedExchange<qorv::data::VerifyUserEmailAddressResetReply>(
            common::op::VerifyUserEmailAddressReset, common::tag::Plain, verify);
        QVERIFY(code);
        QVERIFY(!code->user_email_address_reset_authcode().empty());

        qorv::data::ResetUserEmailAddressRequest reset;
        reset.set_user_id(AnnId);
        reset.set_user_email_address(address.toStdString());
        reset.set_user_email_address_reset_authcode(code->user_email_address_reset_authcode());
        const auto reply = ParsedExchange<qorv::data::ResetUserEmailAddressReply>(common::op::ResetUserEmailAddress,
                                                                                  common::tag::Plain, reset);
        QVERIFY(reply);
        QCOMPARE(QString::fromStdString(reply->sql_diag_rec().sqls()), sqls);
        const auto user = UserById(AnnId);
        QVERIFY(user);
        QCOMPARE(QString::fromStdString(user->user_email_address()), kept);
    }

    // A new password, or (forgotten, with a new user name) a new user name,
    // opens the account from then on, and the old one no longer does.
    void keepsANewPassword_data()
    {
        QTest::addColumn<bool>("forgotten");
        QTest::addColumn<QString>("userName");
        QTest::addColumn<int>("userId");
        QTest::addColumn<QString>("newUserName");

        QTest::newRow("the reset-password wizard") << false << "cy" << CyId << "";
        QTest::newRow("the forgotten password") << true << "bob" << BobId << "";
        QTest::newRow("the forgotten user name") << true << "bob" << BobId << "robert";
    }

    void keepsANewPassword()
    {
        QFETCH(bool, forgotten);
        QFETCH(QString, userName);
        QFETCH(int, userId);
        QFETCH(QString, newUserName);
        const std::string name = userName.toStdString();
        const std::string address = name + "@example.org";
        const bool renamed = !newUserName.isEmpty();
        const std::string newName = renamed ? newUserName.toStdString() : name;
        const std::string newPassword = renamed ? "quillane" : "Lantern#27";

        if (renamed) {
            QVERIFY(ResetForgottenUserName(address, newName));
            // Another account's user name is refused.
            QVERIFY(!ResetForgottenUserName(address, "cy"));
        } else if (forgotten)
            QVERIFY(ResetForgottenPassword(address, newPassword));
        else
            QVERIFY(ChangePasswordAsTheWizardDoes(userId, newPassword));

        const auto old = LogOn(name, "quillane");
        QVERIFY(old);
        QCOMPARE(old->user_name_found(), !renamed);
        QVERIFY(!old->user_password_decoded());
        const auto renewed = LogOn(newName, newPassword);
        QVERIFY(renewed);
        QVERIFY(renewed->user_password_decoded());
        const qorv::data::User &user = RegistrySingleton::instance()->getUser();
        QCOMPARE(user.user_id(), userId);
        // The wizard checks the current user name and password against these.
        QCOMPARE(user.user_name(), crypto::HashUserName(newName));
        QVERIFY(crypto::DecodePassword(crypto::HashPassword(newPassword), user.user_security_descriptor().password()));

        // Back to the sample's user name and password, for the log-ons that
        // follow.
        if (renamed)
            QVERIFY(ResetForgottenUserName(address, name));
        else
            QVERIFY(ChangePasswordAsTheWizardDoes(userId, "quillane"));
        QVERIFY(LogOn(name, "quillane"));
        QVERIFY(LogOn("ann", "quillane"));
    }

    void keepsTheOptions()
    {
        qorv::data::UpdateUserRequest request;
        request.mutable_user()->set_user_id(AnnId);
        request.mutable_user()->set_user_properties(0x6u);
        QVERIFY(demoserver::AcceptedExchange(common::op::UpdateUser, common::tag::Plain, request));
        const auto user = UserById(AnnId);
        QVERIFY(user);
        QCOMPARE(user->user_properties(), 0x6u);
        QVERIFY(LogOn("ann", "quillane"));
        QCOMPARE(RegistrySingleton::instance()->getUser().user_properties(), 0x6u);
    }

    // Last: a log-on as another account makes that account the session's.
    void logsOnEveryAccountOfTheSample_data()
    {
        QTest::addColumn<QString>("userName");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("nameFound");
        QTest::addColumn<bool>("passwordDecoded");
        QTest::addColumn<int>("userId");
        QTest::addColumn<QString>("displayName");

        QTest::newRow("bob") << "bob"
                             << "quillane" << true << true << BobId << "Bob J Hart";
        QTest::newRow("cy") << "cy"
                            << "quillane" << true << true << CyId << "Cy R Moor";
        QTest::newRow("ann") << "ann"
                             << "quillane" << true << true << AnnId << "Ann B Lee";
        QTest::newRow("a wrong password") << "bob"
                                          << "quillan" << true << false << 0 << QString();
        QTest::newRow("an unknown user") << "dan"
                                         << "quillane" << false << false << 0 << QString();
    }

    void logsOnEveryAccountOfTheSample()
    {
        QFETCH(QString, userName);
        QFETCH(QString, password);
        QFETCH(bool, nameFound);
        QFETCH(bool, passwordDecoded);
        QFETCH(int, userId);
        QFETCH(QString, displayName);

        // LogOn installs the session when the password opens the account.
        const auto reply = LogOn(userName.toStdString(), password.toStdString());
        QVERIFY(reply);
        QCOMPARE(reply->user_name_found(), nameFound);
        QCOMPARE(reply->user_password_decoded(), passwordDecoded);
        QCOMPARE(reply->user_session_inserted(), passwordDecoded);
        if (!passwordDecoded)
            return;
        const qorv::data::User &user = RegistrySingleton::instance()->getUser();
        QCOMPARE(user.user_id(), userId);
        // The log-on hands every name on, an empty one as present, so an
        // account without a middle name would read "Bob  Hart" in captions.
        QCOMPARE(QString::fromStdString(UserReader(user).displayName()), displayName);
        // The server keeps the hash of the name, as the reset-password wizard
        // compares it, and the stored form of the password.
        QCOMPARE(user.user_name(), crypto::HashUserName(userName.toStdString()));
        QVERIFY(crypto::DecodePassword(crypto::HashPassword(password.toStdString()),
                                       user.user_security_descriptor().password()));
    }
};

QTEST_MAIN(TestDemoServer)
#include "tst_demoserver.moc"
