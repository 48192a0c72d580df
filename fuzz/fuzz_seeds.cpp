// Records the seed inputs of the fuzz targets from the test server: each seed
// is a reply that the server sent in an exchange with the client's own code
// (the raw frame off the connection, or the decrypted payload the dispatcher
// hands on), put into the input form of its target. The log-on and verify
// replies are RSA-encrypted for this build tree's client key, so the seeds are
// recorded per build rather than kept in the tree. The windows' seeds are the
// replies of the stand-alone test server over its sample data.
//
//     fuzz_seeds <folder>   writes <folder>/<target>/<seed>
#include "authenticateuserclientpkihandler.h"
#include "authenticateuserresponder.h"
#include "crypto.h"
#include "demoserver.h"
#include "fuzzinput.h"
#include "message.h"
#include "messagedispatcher.h"
#include "resetresponder.h"
#include "sampledata.h"
#include "testserver.h"
#include "verifypasswordresetclientpkihandler.h"
#include "verifyusernameresetclientpkihandler.h"
#include "windowreplies.h"

#include "authenticateuserrequest3.pb.h"
#include "common/majorcode.h"
#include "common/minortag.h"
#include "deletedocumentrequest3.pb.h"
#include "deletefolderrequest3.pb.h"
#include "document3.pb.h"
#include "documentkey3.pb.h"
#include "folder3.pb.h"
#include "folderkey3.pb.h"
#include "groupkey3.pb.h"
#include "insertdocumentkeyrequest3.pb.h"
#include "insertdocumentrequest3.pb.h"
#include "insertfolderrequest3.pb.h"
#include "insertusergrouprequest3.pb.h"
#include "openmessagerequest3.pb.h"
#include "selectdocumentkeyreply3.pb.h"
#include "selectdocumentkeyrequest3.pb.h"
#include "selectdocumentreply3.pb.h"
#include "selectdocumentrequest3.pb.h"
#include "selectfolderkeyreply3.pb.h"
#include "selectfolderkeyrequest3.pb.h"
#include "selectfolderrequest3.pb.h"
#include "selectgroupkeyrequest3.pb.h"
#include "selectmessagefolderrequest3.pb.h"
#include "selectmessagereply3.pb.h"
#include "selectmessagerequest3.pb.h"
#include "selectmessageuserreply3.pb.h"
#include "selectmessageuserrequest3.pb.h"
#include "selectusergrouprequest3.pb.h"
#include "selectusergroupuserrequest3.pb.h"
#include "selectuserrequest3.pb.h"
#include "updatefolderrequest3.pb.h"
#include "user3.pb.h"
#include "verifypasswordresetrequest3.pb.h"
#include "verifyusernameresetrequest3.pb.h"

#include <ace/Log_Msg.h>

#include <QString>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <sys/socket.h>

namespace
{
namespace fs = std::filesystem;

fs::path Folder;

void WriteSeed(const std::string &target, const std::string &name, const std::string &bytes)
{
    const fs::path dir = Folder / target;
    fs::create_directories(dir);
    std::ofstream(dir / name, std::ios::binary) << bytes;
}

// One exchange through the client's dispatcher; the decrypted reply payload.
std::string Exchange(common::Opcode major, common::Opcode minor, const std::string &request)
{
    MessageDispatcher dispatcher(major, minor, request);
    if (!dispatcher.dispatch()) {
        std::cerr << "fuzz_seeds: exchange " << major << " failed\n";
        std::exit(1);
    }
    return dispatcher.getReply();
}

// One exchange of the client's frame, and every byte the server sent back.
std::string RawExchange(const testsupport::TestServer &server, common::Opcode major, const std::string &request)
{
    Message message(server.port(), "127.0.0.1");
    message.setMajorOpcode(major);
    message.setMinorOpcode(1);
    if (message.encrypt(nullptr, request) <= 0 || message.connect() != 0 || message.send() < 0) {
        std::cerr << "fuzz_seeds: raw exchange " << major << " failed\n";
        std::exit(1);
    }
    std::string reply;
    char buffer[4096];
    ssize_t read;
    while ((read = ::recv(message.getSockStream().get_handle(), buffer, sizeof buffer, 0)) > 0)
        reply.append(buffer, static_cast<std::size_t>(read));
    return reply;
}

qorv::data::User SampleUser(int id, const char *name)
{
    qorv::data::User user;
    user.set_user_id(id);
    user.set_user_group_id(1);
    user.set_user_name(name);
    user.set_user_last_name("Doe");
    user.set_user_first_name("Jane");
    user.set_user_middle_name("Q");
    user.set_user_email_address("jdoe@example.com");
    user.set_user_creation_date("2024-01-15 09:30:00");
    user.set_user_folder_id(100);
    user.set_user_message_folder_id(200);
    auto *descriptor = user.mutable_user_security_descriptor();
    descriptor->set_active(0xFFFFFFFFu);
    descriptor->set_active_region("America/New_York");
    descriptor->set_active_from("08:00:00");
    descriptor->set_active_to("18:00:00");
    descriptor->set_audits(0xFFFFu);
    descriptor->set_permissions(0xFFu);
    descriptor->set_session_duration(120);
    descriptor->set_expiration_date("9999-12-31 00:00:00");
    return user;
}

qorv::data::SecurityDescriptor KeyDescriptor()
{
    qorv::data::SecurityDescriptor descriptor;
    descriptor.set_active(0xFFFFFFFFu);
    descriptor.set_active_region("Europe/Berlin");
    descriptor.set_active_from("07:30:00");
    descriptor.set_active_to("19:45:00");
    descriptor.set_permissions(0x3Fu);
    descriptor.set_session_duration(90);
    descriptor.set_expiration_date("2030-06-30 00:00:00");
    descriptor.set_expiration_action(1);
    return descriptor;
}

void RecordFrames(testsupport::TestServer &server)
{
    qorv::data::SelectDocumentReply documents;
    qorv::data::Document *document = documents.add_document();
    document->set_document_id(7);
    document->set_document_folder_id(100);
    document->set_document_name("Quarterly report");
    document->set_document_creation_date("2024-02-01 10:00:00");
    server.reply(common::op::SelectDocument, 1, documents.SerializeAsString());
    WriteSeed("fuzz_frame", "select-document", RawExchange(server, common::op::SelectDocument, "x"));
    server.reply(common::op::DeleteDocument, 1, std::string());
    WriteSeed("fuzz_frame", "empty-reply", RawExchange(server, common::op::DeleteDocument, "x"));
    server.reply(common::op::DeleteFolder, 1, std::string(), 4, 0);
    WriteSeed("fuzz_frame", "refused", RawExchange(server, common::op::DeleteFolder, "x"));
}

void RecordRecordsAndAudit(testsupport::TestServer &server)
{
    qorv::data::SelectDocumentKeyReply documentKeys;
    qorv::data::DocumentKey *documentKey = documentKeys.add_document_key();
    documentKey->mutable_document_key_document()->set_document_id(7);
    documentKey->mutable_document_key_document()->set_document_name("Quarterly report");
    *documentKey->mutable_document_key_user() = SampleUser(1002, "asmith");
    *documentKey->mutable_document_key_owner() = SampleUser(1001, "jdoe");
    documentKey->set_document_key_description("Read-only during office hours");
    documentKey->set_document_key_document_revision("2024-03-01 12:00:00");
    documentKey->set_document_key_creation_date("2024-03-02 08:15:00");
    *documentKey->mutable_document_key_security_descriptor() = KeyDescriptor();
    server.reply(common::op::SelectDocumentKey, 1, documentKeys.SerializeAsString());
    qorv::data::SelectDocumentKeyReply documentKeysBack;
    documentKeysBack.ParseFromString(Exchange(common::op::SelectDocumentKey, 1, "x"));
    WriteSeed("fuzz_records", "document-key", '\0' + documentKeysBack.document_key(0).SerializeAsString());

    qorv::data::SelectFolderKeyReply folderKeys;
    qorv::data::FolderKey *folderKey = folderKeys.add_folder_key();
    folderKey->mutable_folder_key_folder()->set_folder_id(100);
    folderKey->mutable_folder_key_folder()->set_folder_name("Reports");
    *folderKey->mutable_folder_key_user() = SampleUser(1002, "asmith");
    *folderKey->mutable_folder_key_owner() = SampleUser(1001, "jdoe");
    folderKey->set_folder_key_creation_date("2024-03-02 08:15:00");
    *folderKey->mutable_folder_key_security_descriptor() = KeyDescriptor();
    server.reply(common::op::SelectFolderKey, 1, folderKeys.SerializeAsString());
    qorv::data::SelectFolderKeyReply folderKeysBack;
    folderKeysBack.ParseFromString(Exchange(common::op::SelectFolderKey, 1, "x"));
    WriteSeed("fuzz_records", "folder-key", '\1' + folderKeysBack.folder_key(0).SerializeAsString());

    const auto &descriptor = documentKeysBack.document_key(0).document_key_security_descriptor();
    WriteSeed("fuzz_records", "timestamp", '\2' + documentKeysBack.document_key(0).document_key_creation_date());
    WriteSeed("fuzz_records", "timestamp-max", '\2' + descriptor.expiration_date());
    WriteSeed("fuzz_records", "time-of-day", '\3' + descriptor.active_to());
    WriteSeed("fuzz_records", "region", '\4' + descriptor.active_region());
    qorv::data::GroupKey groupKey;
    groupKey.mutable_group_key_group()->set_group_id(21);
    groupKey.mutable_group_key_group()->set_group_name("Sales");
    *groupKey.mutable_group_key_user() = SampleUser(1002, "asmith");
    groupKey.set_group_key_creation_date("2024-03-02 08:15:00");
    WriteSeed("fuzz_records", "group-key", '\5' + groupKey.SerializeAsString());
    WriteSeed("fuzz_records", "group-key-date", '\6' + groupKey.group_key_creation_date());

    // The audit inputs: the index of the operation among the audited ones, the
    // minor opcode, the error pair, the request, then the reply.
    qorv::data::SelectDocumentRequest select;
    select.set_document_folder_id(100);
    const std::string selectRequest = select.SerializeAsString();
    qorv::data::SelectDocumentReply documents;
    qorv::data::Document *document = documents.add_document();
    document->set_document_id(7);
    document->set_document_folder_id(100);
    document->set_document_name("Quarterly report");
    server.reply(common::op::SelectDocument, -38, documents.SerializeAsString());
    const std::string selectReply = Exchange(common::op::SelectDocument, -38, selectRequest);
    const auto audit = [](std::uint8_t index, std::int8_t minor, std::int8_t major, std::int8_t minorEr,
                          const std::string &request, const std::string &reply) {
        std::string input;
        FuzzInput::appendByte(input, index);
        FuzzInput::appendByte(input, static_cast<std::uint8_t>(minor));
        FuzzInput::appendByte(input, static_cast<std::uint8_t>(major));
        FuzzInput::appendByte(input, static_cast<std::uint8_t>(minorEr));
        FuzzInput::appendText(input, request);
        return input + reply;
    };
    WriteSeed("fuzz_audit", "select-document", audit(14, -38, 0, 0, selectRequest, selectReply));
    WriteSeed("fuzz_audit", "select-document-refused", audit(14, -38, 4, 0, selectRequest, std::string()));
    WriteSeed("fuzz_audit", "update-document", audit(18, 1, 0, 0, document->SerializeAsString(), selectReply));
}

void RecordResets(testsupport::TestServer &server)
{
    testsupport::ResetResponder reset(QORV_FIXTURE_KEY_DIR);
    reset.setUserEmailAddress("jdoe@example.com");
    reset.setAuthcode("K7Q-22");
    reset.install(server);

    VerifyPasswordResetClientPkiHandler password;
    password.setUserEmailAddress("jdoe@example.com");
    qorv::data::VerifyPasswordResetRequest passwordRequest;
    if (password.encryptRequest(passwordRequest) != 0)
        std::exit(1);
    WriteSeed("fuzz_reset", "password",
              '\0' + Exchange(common::op::VerifyPasswordReset, 1, passwordRequest.SerializeAsString()));

    VerifyUserNameResetClientPkiHandler userName;
    userName.setUserEmailAddress("jdoe@example.com");
    qorv::data::VerifyUserNameResetRequest userNameRequest;
    if (userName.encryptRequest(userNameRequest) != 0)
        std::exit(1);
    WriteSeed("fuzz_reset", "user-name",
              '\1' + Exchange(common::op::VerifyUserNameReset, 1, userNameRequest.SerializeAsString()));
}

// The windows' inputs: the stand-alone test server over its sample data (Ann,
// 42, is the session user) answers the requests the windows send; each input
// is the receiver's entry, the minor opcode, the error pair, the request and
// the reply.
// An input with its own request and reply, for a receiver that reads its
// record from the request.
void WriteWindowSeed(const std::string &name, windowreplies::Receiver receiver, common::Opcode major,
                     common::Opcode minor, const std::string &request, const std::string &reply)
{
    const std::size_t index = windowreplies::IndexOf(receiver, major);
    if (index == std::size(windowreplies::Entries)) {
        std::cerr << "fuzz_seeds: no window entry for " << major << "\n";
        std::exit(1);
    }
    std::string input;
    FuzzInput::appendByte(input, static_cast<std::uint8_t>(index));
    FuzzInput::appendByte(input, static_cast<std::uint8_t>(minor));
    FuzzInput::appendByte(input, 0);
    FuzzInput::appendByte(input, 0);
    FuzzInput::appendText(input, request);
    WriteSeed("fuzz_windows", name, input + reply);
}

// One exchange with the server; the seed, and the reply for later seeds.
std::string RecordWindowReply(const std::string &name, windowreplies::Receiver receiver, common::Opcode major,
                              common::Opcode minor, const google::protobuf::MessageLite &request)
{
    const std::string payload = request.SerializeAsString();
    const std::string reply = Exchange(major, minor, payload);
    WriteWindowSeed(name, receiver, major, minor, payload, reply);
    return reply;
}

void RecordBrowserReplies()
{
    using windowreplies::Receiver;
    constexpr int Ann = 42;
    constexpr int Home = 100;

    qorv::data::SelectFolderRequest folders;
    folders.set_folder_parent_id(Home);
    RecordWindowReply("browser-folders", Receiver::DocumentBrowser, common::op::SelectFolder, common::tag::OpenFolder,
                      folders);
    qorv::data::SelectDocumentRequest documents;
    documents.set_document_folder_id(Home);
    RecordWindowReply("browser-documents", Receiver::DocumentBrowser, common::op::SelectDocument,
                      common::tag::OpenFolder, documents);
    RecordWindowReply("picker-documents", Receiver::DocumentPicker, common::op::SelectDocument, common::tag::Plain,
                      documents);
    qorv::data::SelectDocumentKeyRequest documentKeys;
    documentKeys.set_document_key_user_id(Ann);
    RecordWindowReply("browser-document-keys", Receiver::DocumentBrowser, common::op::SelectDocumentKey,
                      common::tag::ListDocumentKeys, documentKeys);
    qorv::data::SelectFolderKeyRequest folderKeys;
    folderKeys.set_folder_key_user_id(Ann);
    RecordWindowReply("browser-folder-keys", Receiver::DocumentBrowser, common::op::SelectFolderKey,
                      common::tag::ListFolderKeys, folderKeys);
    qorv::data::SelectGroupKeyRequest groupKeys;
    groupKeys.set_group_key_user_id(Ann);
    RecordWindowReply("browser-group-keys", Receiver::DocumentBrowser, common::op::SelectGroupKey, common::tag::Plain,
                      groupKeys);
    qorv::data::SelectUserRequest users;
    users.set_user_group_id(7);
    RecordWindowReply("browser-users", Receiver::DocumentBrowser, common::op::SelectUser, common::tag::Plain, users);
    RecordWindowReply("picker-users", Receiver::UserPicker, common::op::SelectUser, common::tag::Plain, users);

    qorv::data::InsertFolderRequest newFolder;
    newFolder.mutable_folder()->set_folder_parent_id(Home);
    newFolder.mutable_folder()->set_folder_name("Drafts");
    newFolder.mutable_folder()->set_folder_user_id(Ann);
    RecordWindowReply("browser-insert-folder", Receiver::DocumentBrowser, common::op::InsertFolder, common::tag::Plain,
                      newFolder);
    // The same name again: the server refuses it.
    RecordWindowReply("browser-insert-folder-taken", Receiver::DocumentBrowser, common::op::InsertFolder,
                      common::tag::Plain, newFolder);
    qorv::data::InsertDocumentRequest newDocument;
    newDocument.mutable_document()->set_document_folder_id(Home);
    newDocument.mutable_document()->set_document_name("Notes");
    newDocument.mutable_document()->set_document_user_id(Ann);
    RecordWindowReply("browser-insert-document", Receiver::DocumentBrowser, common::op::InsertDocument,
                      common::tag::Plain, newDocument);
    qorv::data::UpdateFolderRequest rename;
    rename.mutable_folder()->set_folder_id(120);
    rename.mutable_folder()->set_folder_parent_id(Home);
    rename.mutable_folder()->set_folder_name("Current projects");
    RecordWindowReply("browser-rename-folder", Receiver::DocumentBrowser, common::op::UpdateFolder,
                      common::tag::RenameFolder, rename);
    qorv::data::DeleteFolderRequest deleteFolder;
    deleteFolder.set_folder_id(121);
    deleteFolder.set_folder_name("Letters");
    // Not empty: the server refuses it.
    RecordWindowReply("browser-delete-folder", Receiver::DocumentBrowser, common::op::DeleteFolder, common::tag::Plain,
                      deleteFolder);
    RecordWindowReply("keyrings-delete-folder", Receiver::FolderKeyrings, common::op::DeleteFolder, common::tag::Plain,
                      deleteFolder);
}

void RecordKeyReplies()
{
    using windowreplies::Receiver;
    constexpr int Ann = 42;

    qorv::data::SelectDocumentKeyRequest keyring;
    keyring.set_document_key_document_id(windowreplies::KeyringDocumentId);
    keyring.set_document_key_document_name("Plan 2027");
    const std::string keyringReply =
        RecordWindowReply("keyring-document", Receiver::DocumentKeyrings, common::op::SelectDocumentKey,
                          common::tag::OpenDocumentKeyring, keyring);
    qorv::data::SelectFolderKeyRequest folderKeyring;
    folderKeyring.set_folder_key_folder_id(windowreplies::KeyringFolderId);
    folderKeyring.set_folder_key_folder_name("Shared with Ann");
    RecordWindowReply("keyring-folder", Receiver::FolderKeyrings, common::op::SelectFolderKey,
                      common::tag::OpenFolderKeyring, folderKeyring);

    qorv::data::SelectDocumentKeyRequest received;
    received.set_document_key_user_id(Ann);
    RecordWindowReply("received-document-keys", Receiver::ReceivedDocumentKeys, common::op::SelectDocumentKey,
                      common::tag::RefreshDocumentKeys, received);
    qorv::data::SelectFolderKeyRequest receivedFolders;
    receivedFolders.set_folder_key_user_id(Ann);
    RecordWindowReply("received-folder-keys", Receiver::ReceivedFolderKeys, common::op::SelectFolderKey,
                      common::tag::RefreshFolderKeys, receivedFolders);

    // A key of the keyring's document for Bob, as the keyring window inserts
    // it, modelled on the one the server holds for Cy.
    qorv::data::SelectDocumentKeyReply existing;
    existing.ParseFromString(keyringReply);
    if (existing.document_key_size() > 0) {
        qorv::data::InsertDocumentKeyRequest insert;
        *insert.mutable_document_key() = existing.document_key(0);
        insert.mutable_document_key()->mutable_document_key_user()->set_user_id(43);
        insert.mutable_document_key()->mutable_document_key_user()->set_user_first_name("Bob");
        RecordWindowReply("keyring-insert-key", Receiver::DocumentKeyring, common::op::InsertDocumentKey,
                          common::tag::Plain, insert);
    }

    qorv::data::SelectDocumentRequest open;
    open.set_document_id(200);
    RecordWindowReply("editor-document", Receiver::DocumentEditors, common::op::SelectDocument,
                      common::tag::OpenDocumentEditor, open);
    qorv::data::SelectDocumentKeyRequest openKey;
    openKey.set_document_key_document_id(210);
    openKey.set_document_key_user_id(Ann);
    RecordWindowReply("editor-document-key", Receiver::DocumentEditors, common::op::SelectDocumentKey,
                      common::tag::OpenDocumentEditor, openKey);
}

void RecordMessageReplies()
{
    using windowreplies::Receiver;
    constexpr int Ann = 42;

    qorv::data::SelectMessageFolderRequest folders;
    folders.set_message_folder_user_id(Ann);
    folders.set_message_folder_parent_id(101);
    RecordWindowReply("browser-message-folders", Receiver::MessageBrowser, common::op::SelectMessageFolder,
                      common::tag::Plain, folders);
    qorv::data::SelectMessageRequest messages;
    messages.set_message_user_id(Ann);
    const std::string own = RecordWindowReply("browser-messages", Receiver::MessageBrowser, common::op::SelectMessage,
                                              common::tag::Plain, messages);
    qorv::data::SelectMessageUserRequest copies;
    copies.set_message_user_user_id(Ann);
    const std::string received = RecordWindowReply("browser-received-messages", Receiver::MessageBrowser,
                                                   common::op::SelectMessageUser, common::tag::Plain, copies);

    // The reader opens a received copy: Bob's message as the browser lists it
    // for Ann; the editor opens Ann's own message.
    qorv::data::SelectMessageRequest bobs;
    bobs.set_message_user_id(43);
    qorv::data::SelectMessageReply bobsReply;
    bobsReply.ParseFromString(Exchange(common::op::SelectMessage, common::tag::Plain, bobs.SerializeAsString()));
    qorv::data::SelectMessageUserReply copiesReply;
    copiesReply.ParseFromString(received);
    if (copiesReply.message_size() > 0 || bobsReply.message_size() > 0) {
        qorv::data::OpenMessageRequest open;
        *open.mutable_message() = copiesReply.message_size() > 0 ? copiesReply.message(0) : bobsReply.message(0);
        open.mutable_message()->set_message_user_is_recipient(true);
        WriteWindowSeed("reader-message", Receiver::MessageReader, common::op::InsertMessage, common::tag::Plain,
                        open.SerializeAsString(), std::string());
    }
    qorv::data::SelectMessageReply ownReply;
    if (ownReply.ParseFromString(own) && ownReply.message_size() > 0) {
        qorv::data::OpenMessageRequest open;
        *open.mutable_message() = ownReply.message(0);
        WriteWindowSeed("editor-message", Receiver::MessageEditor, common::op::UpdateMessage, common::tag::Plain,
                        open.SerializeAsString(), std::string());
    }
}

void RecordUserGroupReplies()
{
    using windowreplies::Receiver;
    qorv::data::SelectUserGroupRequest groups;
    groups.set_user_group_user_id(42);
    RecordWindowReply("groups", Receiver::UserGroupBrowser, common::op::SelectUserGroup, common::tag::Plain, groups);
    qorv::data::SelectUserGroupUserRequest members;
    members.set_user_group_user_user_group_group_id(300);
    RecordWindowReply("group-members", Receiver::UserGroupBrowser, common::op::SelectUserGroupUser, common::tag::Plain,
                      members);
    qorv::data::InsertUserGroupRequest newGroup;
    newGroup.mutable_user_group()->set_user_group_name("Editors");
    newGroup.mutable_user_group()->set_user_group_user_id(42);
    RecordWindowReply("insert-group", Receiver::UserGroupBrowser, common::op::InsertUserGroup, common::tag::Plain,
                      newGroup);
}

void RecordWindows()
{
    QString error;
    const std::optional<demoserver::SampleData> data =
        demoserver::SampleData::load(QStringLiteral(QORV_SAMPLE_DATA), &error);
    demoserver::DemoServer server(QORV_FIXTURE_KEY_DIR);
    if (!data || !server.isValid()) {
        std::cerr << "fuzz_seeds: no sample data " << error.toStdString() << "\n";
        std::exit(1);
    }
    server.seed(*data);
    if (!server.start(0))
        std::exit(1);
    const int previousPort = MessageDispatcher::getServerPort();
    MessageDispatcher::setServerPort(server.port());
    RecordBrowserReplies();
    RecordKeyReplies();
    RecordMessageReplies();
    RecordUserGroupReplies();
    MessageDispatcher::setServerPort(previousPort);
}

// Last: the server takes the new session key once the log-on reply is out.
void RecordLogOn(testsupport::TestServer &server)
{
    testsupport::AuthenticateUserResponder logOn(QORV_FIXTURE_KEY_DIR);
    logOn.setAccount(std::string(), std::string());
    logOn.setUser(SampleUser(1001, "jdoe"));
    logOn.setSessionId(42);
    logOn.setServerTimestamp("2024-05-06T07:08:09");
    server.onRequest(common::op::AuthenticateUser, logOn.handler());

    AuthenticateUserClientPkiHandler handler;
    handler.setUserNameHash(crypto::HashUserName("jdoe"));
    handler.setUserPasswordHash(crypto::HashPassword("secret"));
    qorv::data::AuthenticateUserRequest request;
    if (handler.encryptRequest(request) != 0)
        std::exit(1);
    WriteSeed("fuzz_logon", "accepted", Exchange(common::op::AuthenticateUser, 1, request.SerializeAsString()));
}
}

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "usage: fuzz_seeds <folder>\n";
        return 2;
    }
    ACE_Log_Msg::instance()->priority_mask(0, ACE_Log_Msg::PROCESS);
    Folder = argv[1];
    testsupport::TestServer server;
    if (!server.start())
        return 1;
    MessageDispatcher::setServerName("127.0.0.1");
    MessageDispatcher::setServerPort(server.port());

    RecordFrames(server);
    RecordRecordsAndAudit(server);
    RecordResets(server);
    RecordWindows();
    RecordLogOn(server);
    server.stop();
    return 0;
}
