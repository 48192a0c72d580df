// Records the seed inputs of the fuzz targets from the test server: each seed
// is a reply that the server sent in an exchange with the client's own code
// (the raw frame off the connection, or the decrypted payload the dispatcher
// hands on), put into the input form of its target. The log-on and verify
// replies are RSA-encrypted for this build tree's client key, so the seeds are
// recorded per build rather than kept in the tree.
//
//     fuzz_seeds <folder>   writes <folder>/<target>/<seed>
#include "authenticateuserclientpkihandler.h"
#include "authenticateuserresponder.h"
#include "crypto.h"
#include "fuzzinput.h"
#include "message.h"
#include "messagedispatcher.h"
#include "resetresponder.h"
#include "testserver.h"
#include "verifypasswordresetclientpkihandler.h"
#include "verifyusernameresetclientpkihandler.h"

#include "authenticateuserrequest3.pb.h"
#include "common/majorcode.h"
#include "document3.pb.h"
#include "documentkey3.pb.h"
#include "folder3.pb.h"
#include "folderkey3.pb.h"
#include "selectdocumentkeyreply3.pb.h"
#include "selectdocumentreply3.pb.h"
#include "selectdocumentrequest3.pb.h"
#include "selectfolderkeyreply3.pb.h"
#include "user3.pb.h"
#include "verifypasswordresetrequest3.pb.h"
#include "verifyusernameresetrequest3.pb.h"

#include <ace/Log_Msg.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
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
    RecordLogOn(server);
    server.stop();
    return 0;
}
