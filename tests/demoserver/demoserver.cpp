#include "demoserver.h"

#include "common/majorcode.h"
#include "common/minortag.h"
#include "common/sqlc.h"
#include "crypto.h"
#include "sampledata.h"

#include "searchcriteria.h"
#include "testreplies.h"

#include "insertdocumentkeyrequest3.pb.h"
#include "insertfolderkeyrequest3.pb.h"
#include "insertmessagereply3.pb.h"
#include "insertmessagerequest3.pb.h"
#include "insertmessageuserrequest3.pb.h"
#include "resetuseremailaddressreply3.pb.h"
#include "resetuseremailaddressrequest3.pb.h"
#include "resetusernamereply3.pb.h"
#include "selectdocumentkeyreply3.pb.h"
#include "selectdocumentreply3.pb.h"
#include "selectdocumentrequest3.pb.h"
#include "selectfolderkeyreply3.pb.h"
#include "selectmessagereply3.pb.h"
#include "selectmessageuserreply3.pb.h"
#include "selectuserreply3.pb.h"
#include "selectuserrequest3.pb.h"
#include "updatedocumentrequest3.pb.h"
#include "updateuserreply3.pb.h"
#include "updateuserrequest3.pb.h"
#include "verifyuseremailaddressresetreply3.pb.h"
#include "verifyuseremailaddressresetrequest3.pb.h"

#include <QDateTime>

#include <algorithm>
#include <exception>
#include <memory>

namespace demoserver
{
namespace
{
// A message of the sample as its author keeps it: the fields that describe
// one addressee's copy belong to the recipient row, not to the message.
qorv::data::Message AuthorsCopy(const qorv::data::Message &message)
{
    qorv::data::Message copy = message;
    copy.clear_message_recipient();
    copy.clear_message_user_is_recipient();
    copy.clear_message_user_message_id();
    copy.clear_message_user_user_id();
    copy.clear_message_user_message_folder_id();
    copy.clear_message_user_field();
    copy.clear_message_user_properties();
    copy.clear_message_user_creation_date();
    return copy;
}

constexpr unsigned int Unread = 1;
const std::string EndOfTime = "9999-12-31 00:00:00";

template <class Ids>
bool Contains(const Ids &ids, int id)
{
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

// A user as others see it: no user-name hash, no stored password.
qorv::data::User Person(const qorv::data::User &user)
{
    qorv::data::User person = user;
    person.clear_user_name();
    if (person.has_user_security_descriptor())
        person.mutable_user_security_descriptor()->clear_password();
    return person;
}

// A sample key, or one the client gives, completed as the server's join
// completes it: the object as it stands, the holder's and the giver's names.
void Completed(qorv::data::DocumentKey &key, const qorv::data::Document &document,
               const std::map<int, qorv::data::User> &users)
{
    if (document.has_document_id()) {
        qorv::data::Document shown = document;
        shown.clear_document_security_descriptor();
        *key.mutable_document_key_document() = shown;
    }
    const int ownerId = key.has_document_key_owner() ? key.document_key_owner().user_id() : document.document_user_id();
    if (const auto owner = users.find(ownerId); owner != users.end())
        *key.mutable_document_key_owner() = Person(owner->second);
    if (const auto holder = users.find(key.document_key_user().user_id()); holder != users.end())
        *key.mutable_document_key_user() = Person(holder->second);
}

void Completed(qorv::data::FolderKey &key, const qorv::data::Folder &folder,
               const std::map<int, qorv::data::User> &users)
{
    if (folder.has_folder_id())
        *key.mutable_folder_key_folder() = folder;
    const int ownerId = key.has_folder_key_owner() ? key.folder_key_owner().user_id() : folder.folder_user_id();
    if (const auto owner = users.find(ownerId); owner != users.end())
        *key.mutable_folder_key_owner() = Person(owner->second);
    if (const auto holder = users.find(key.folder_key_user().user_id()); holder != users.end())
        *key.mutable_folder_key_user() = Person(holder->second);
}

// The sample writes a key's passcode as typed; the server keeps its stored
// form, and the length of what was typed.
template <class SetLength>
void EncodePasscode(qorv::data::SecurityDescriptor *descriptor, const SetLength &setLength)
{
    if (descriptor->password().empty())
        return;
    setLength(static_cast<std::int32_t>(descriptor->password().size()));
    descriptor->set_password(crypto::EncodePassword(crypto::HashPassword(descriptor->password())));
}

// The request as received, carrying another payload.
template <class Message>
testsupport::TestRequest Carrying(const testsupport::TestRequest &received, const Message &request)
{
    testsupport::TestRequest changed = received;
    changed.payload = request.SerializeAsString();
    return changed;
}

// The answer with another reply message, its error codes kept.
template <class Message>
testsupport::TestReply Replacing(const testsupport::TestReply &answer, const Message &reply)
{
    testsupport::TestReply changed = answer;
    changed.payload = reply.SerializeAsString();
    return changed;
}

// A message select's answer narrowed to the messages its search dialog's
// criteria match; a select without criteria answered as it was.
template <class Request, class Reply>
testsupport::TestServer::Handler FilteredBySearch(testsupport::TestServer::Handler select)
{
    return [select = std::move(select)](const testsupport::TestRequest &received) {
        Request request;
        const testsupport::TestReply answer = select(received);
        Reply reply;
        if (!request.ParseFromString(received.payload) || !reply.ParseFromString(answer.payload))
            return answer;
        const SearchCriteria criteria = SearchCriteria::of(request);
        if (criteria.isEmpty())
            return answer;
        Reply matching;
        for (const qorv::data::Message &message : reply.message()) {
            if (criteria.matches(message))
                *matching.add_message() = message;
        }
        return Replacing(answer, matching);
    };
}

// The time of a change, as the database writes it.
std::string Now()
{
    return QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz000")).toStdString();
}
}

DemoServer::DemoServer(const std::string &keyDirectory)
    : m_logOn(keyDirectory)
    , m_directory(m_server)
    , m_keys(m_server)
    , m_messages(m_server)
    , m_reset(keyDirectory)
    , m_attachments([this](int documentId) { return m_directory.document(documentId); })
{
    m_server.setLogOnStartsSession(true);
    m_server.onRequest(
        common::op::AuthenticateUser, [this, logOn = m_logOn.handler()](const testsupport::TestRequest &request) {
            testsupport::TestReply reply = logOn(request);
            if (reply.nextSessionKey) {
                const auto found = m_userIds.find(m_logOn.lastUserNameHash());
                if (found != m_userIds.end()) {
                    m_directory.setSessionUserId(found->second);
                    m_sessionUserId = found->second;
                    const qorv::data::User user = userRecord(found->second);
                    if (m_sessionLog)
                        m_sessionLog("Logged on as " + user.user_first_name() + " " + user.user_last_name());
                }
            }
            return reply;
        });
    // Log-off: the next log-on comes sealed under the all-zero key again.
    m_server.onRequest(common::op::TerminateUserSession, [this](const testsupport::TestRequest &) {
        if (m_sessionLog)
            m_sessionLog("Logged off");
        testsupport::TestReply reply;
        reply.nextSessionKey = testsupport::TestSessionKey{};
        return reply;
    });
    // The messages first: the directory answers the users of a home group
    // (54), which the message store would answer with every user.
    m_messages.install();
    m_directory.install();
    // The key store after the directory: it keeps every key, given and held,
    // so its selects, inserts, updates and deletes are the ones answered.
    m_keys.install();
    m_reset.setAuthcode(ResetAuthcode);
    m_reset.install(m_server);
    m_dictionary.install(m_server);
    m_attachments.install(m_server);
    m_webpages.install(m_server);
    installUserSelect();
    installKeyLayers();
    installDocumentLayers();
    installMessageLayers();
    installUserChanges();
    m_logOn.setPasswordCheck([this](const std::string &userNameHash, const std::string &passwordHash) {
        return opensAccount(userNameHash, passwordHash);
    });
}

std::unique_ptr<DemoServer> DemoServer::fromSampleFile(const QString &dataPath, const std::string &keyDirectory,
                                                       QString *error)
{
    QString reason;
    const std::optional<SampleData> data = SampleData::load(dataPath, &reason);
    if (!data) {
        *error = QStringLiteral("Cannot read the sample data: %1").arg(reason);
        return nullptr;
    }
    auto server = std::make_unique<DemoServer>(keyDirectory);
    if (!server->isValid()) {
        *error = QStringLiteral("Cannot read the keys in %1").arg(QString::fromStdString(keyDirectory));
        return nullptr;
    }
    server->seed(*data);
    return server;
}

bool DemoServer::isValid() const
{
    return m_logOn.isValid() && m_reset.isValid();
}

void DemoServer::seed(const SampleData &data)
{
    for (const SampleData::Account &account : data.accounts) {
        // The record as the server keeps it: the reset-password wizard
        // checks what the user types against these two.
        qorv::data::User user = account.user;
        const std::string nameHash = crypto::HashUserName(account.userName);
        user.set_user_name(nameHash);
        user.mutable_user_security_descriptor()->set_password(
            crypto::EncodePassword(crypto::HashPassword(account.password)));
        keep(user);
        m_userIds[nameHash] = user.user_id();
        m_directory.addUser(Person(user));
        m_messages.addUser(Person(user));
        if (!user.user_email_address().empty())
            m_reset.addUserEmailAddress(user.user_email_address());
    }
    for (const SampleData::Group &group : data.homeGroups)
        m_directory.addHomeGroup(group.groupId, group.name, group.members);
    for (const SampleData::Group &group : data.userGroups)
        m_directory.addUserGroup(group.groupId, group.name, group.members, group.description, group.ownerId);
    for (const qorv::data::Folder &folder : data.folders)
        m_directory.addFolder(folder);
    for (const qorv::data::Document &document : data.documents)
        m_directory.addDocument(document);
    for (const qorv::data::Document &revision : data.revisions)
        m_revisions.add(revision);
    for (const qorv::data::Document &deleted : data.deletedDocuments)
        m_directory.addDeletedRevision(deleted);
    for (const qorv::data::DocumentWebpage &webpage : data.webpages)
        m_webpages.add(webpage);
    for (qorv::data::DocumentKey key : data.documentKeys) {
        Completed(key, m_directory.document(key.document_key_document().document_id()), m_users);
        EncodePasscode(key.mutable_document_key_security_descriptor(), [&key](std::int32_t length) {
            key.set_document_key_security_descriptor_password_length(length);
        });
        m_keys.addDocumentKey(key);
    }
    for (qorv::data::FolderKey key : data.folderKeys) {
        Completed(key, m_directory.folder(key.folder_key_folder().folder_id()), m_users);
        EncodePasscode(key.mutable_folder_key_security_descriptor(),
                       [&key](std::int32_t length) { key.set_folder_key_security_descriptor_password_length(length); });
        m_keys.addFolderKey(key);
    }
    for (qorv::data::Message message : data.messages) {
        // The author as the server joins it in, root message folder and all:
        // a reply is addressed to that folder.
        *message.mutable_message_sender() = Person(userRecord(message.message_user_id()));
        m_messages.addMessage(AuthorsCopy(message));
        if (!message.has_message_recipient())
            continue;
        const int recipient = message.message_recipient().user_id();
        const unsigned int properties =
            message.has_message_user_properties() ? message.message_user_properties() : Unread;
        m_messages.addRecipient(message.message_id(), recipient, qorv::data::Message::TO,
                                userRecord(recipient).user_message_folder_id(), properties);
    }
    for (const qorv::data::MessageDocument &attachment : data.attachments)
        m_attachments.add(attachment);
}

std::vector<int> DemoServer::folderTree(int folderId, bool subfolders) const
{
    std::vector<int> folderIds{folderId};
    for (std::size_t i = 0; subfolders && i < folderIds.size(); ++i) {
        for (const qorv::data::Folder &folder : m_directory.folders(folderIds[i]))
            folderIds.push_back(folder.folder_id());
    }
    return folderIds;
}

std::optional<qorv::data::FolderKey> DemoServer::coveringFolderKey(int holderId, int folderId) const
{
    // Bounded, so a folder that is its own ancestor cannot hang the server.
    for (int depth = 0; folderId > 0 && depth < 64; ++depth) {
        for (const qorv::data::FolderKey &key : m_keys.folderKeys(folderId)) {
            if (key.folder_key_user().user_id() == holderId)
                return key;
        }
        folderId = m_directory.folder(folderId).folder_parent_id();
    }
    return std::nullopt;
}

void DemoServer::addFolderKeyDocuments(const qorv::data::SelectDocumentKeyRequest &request,
                                       qorv::data::SelectDocumentKeyReply &reply) const
{
    if (!request.has_document_key_user_id() || !request.has_document_folder_id())
        return;
    const int holderId = request.document_key_user_id();
    const std::optional<qorv::data::FolderKey> folderKey = coveringFolderKey(holderId, request.document_folder_id());
    if (!folderKey)
        return;
    std::vector<int> held;
    for (const qorv::data::DocumentKey &key : reply.document_key())
        held.push_back(key.document_key_document().document_id());
    for (const int folderId : folderTree(request.document_folder_id(), request.search_subfolders())) {
        for (const qorv::data::Document &document : m_directory.documents(folderId)) {
            if (Contains(held, document.document_id()))
                continue;
            qorv::data::DocumentKey key;
            *key.mutable_document_key_document() = document;
            key.mutable_document_key_document()->clear_document_security_descriptor();
            *key.mutable_document_key_user() = folderKey->folder_key_user();
            *key.mutable_document_key_owner() = folderKey->folder_key_owner();
            key.set_document_key_description(folderKey->folder_key_description());
            key.set_document_key_properties(0);
            key.set_document_key_document_revision(EndOfTime);
            key.set_document_key_creation_date(folderKey->folder_key_creation_date());
            *key.mutable_document_key_security_descriptor() = folderKey->folder_key_security_descriptor();
            *reply.add_document_key() = key;
        }
    }
}

qorv::data::User DemoServer::userRecord(int userId) const
{
    const auto found = m_users.find(userId);
    if (found != m_users.end())
        return found->second;
    qorv::data::User unknown;
    unknown.set_user_id(userId);
    return unknown;
}

bool DemoServer::start(unsigned short port)
{
    return m_server.start(port);
}

unsigned short DemoServer::port() const
{
    return m_server.port();
}

void DemoServer::setHostile(std::uint32_t seed, const testsupport::HostileSchedule::Options &options)
{
    // Shared with the picker, which runs on the server's thread, one reply at
    // a time; a later setHostile drops it once the reply in flight is out.
    auto schedule = std::make_shared<testsupport::HostileSchedule>(seed, options);
    m_server.setFaultPicker(
        [schedule, log = m_faultLog](const testsupport::TestRequest &request, std::size_t frameLength) {
            testsupport::HostileSchedule::Decision decision =
                schedule->next(request.majorOpcode, request.minorOpcode, frameLength);
            if (decision.kind != testsupport::HostileSchedule::Kind::None && log)
                log(decision.description);
            return decision.faults;
        });
}

void DemoServer::setHostile(std::uint32_t seed, double rate)
{
    testsupport::HostileSchedule::Options options;
    options.rate = rate;
    setHostile(seed, options);
}

void DemoServer::setHostile(std::nullopt_t)
{
    m_server.setFaultPicker(nullptr);
}

void DemoServer::setFaultLog(FaultLog log)
{
    m_faultLog = std::move(log);
}

void DemoServer::setSessionLog(FaultLog log)
{
    m_sessionLog = std::move(log);
}
void DemoServer::installUserSelect()
{
    // One user by id (the options window asks for the logged-on user's
    // record, which then replaces the one of the log-on, so it keeps the
    // name hash and password form the reset-password wizard checks); the
    // directory answers the users of a group.
    m_server.onRequest(common::op::SelectUser, [this, byGroup = m_server.handler(common::op::SelectUser)](
                                                   const testsupport::TestRequest &received) {
        qorv::data::SelectUserRequest request;
        if (!request.ParseFromString(received.payload) || !request.has_user_id())
            return byGroup(received);
        qorv::data::SelectUserReply reply;
        if (const auto found = m_users.find(request.user_id()); found != m_users.end())
            *reply.add_user() = found->first == m_sessionUserId ? found->second : Person(found->second);
        return testsupport::Answer(reply);
    });
}

void DemoServer::installKeyLayers()
{
    m_server.onRequest(common::op::InsertDocumentKey, [this, insert = m_server.handler(common::op::InsertDocumentKey)](
                                                          const testsupport::TestRequest &received) {
        qorv::data::InsertDocumentKeyRequest request;
        if (!request.ParseFromString(received.payload))
            return insert(received);
        qorv::data::DocumentKey *key = request.mutable_document_key();
        Completed(*key, m_directory.document(key->document_key_document().document_id()), m_users);
        return insert(Carrying(received, request));
    });
    m_server.onRequest(common::op::InsertFolderKey, [this, insert = m_server.handler(common::op::InsertFolderKey)](
                                                        const testsupport::TestRequest &received) {
        qorv::data::InsertFolderKeyRequest request;
        if (!request.ParseFromString(received.payload))
            return insert(received);
        qorv::data::FolderKey *key = request.mutable_folder_key();
        Completed(*key, m_directory.folder(key->folder_key_folder().folder_id()), m_users);
        return insert(Carrying(received, request));
    });
    // A key shows its document as it stands now: body, name and all. A
    // folder key stands for keys to the documents in its folder, and the
    // folder key search dialog's criteria pick among them.
    m_server.onRequest(common::op::SelectDocumentKey, [this, select = m_server.handler(common::op::SelectDocumentKey)](
                                                          const testsupport::TestRequest &received) {
        const testsupport::TestReply answer = select(received);
        qorv::data::SelectDocumentKeyRequest request;
        qorv::data::SelectDocumentKeyReply reply;
        if (!request.ParseFromString(received.payload) || !reply.ParseFromString(answer.payload))
            return answer;
        for (qorv::data::DocumentKey &key : *reply.mutable_document_key())
            Completed(key, m_directory.document(key.document_key_document().document_id()), m_users);
        addFolderKeyDocuments(request, reply);
        const SearchCriteria criteria = SearchCriteria::of(request);
        if (!criteria.isEmpty()) {
            auto *keys = reply.mutable_document_key();
            keys->erase(std::remove_if(keys->begin(), keys->end(),
                                       [&criteria](const qorv::data::DocumentKey &key) {
                                           return !criteria.matches(key.document_key_document());
                                       }),
                        keys->end());
        }
        return Replacing(answer, reply);
    });
    m_server.onRequest(common::op::SelectFolderKey, [this, select = m_server.handler(common::op::SelectFolderKey)](
                                                        const testsupport::TestRequest &received) {
        const testsupport::TestReply answer = select(received);
        qorv::data::SelectFolderKeyReply reply;
        if (!reply.ParseFromString(answer.payload))
            return answer;
        for (qorv::data::FolderKey &key : *reply.mutable_folder_key())
            Completed(key, m_directory.folder(key.folder_key_folder().folder_id()), m_users);
        return Replacing(answer, reply);
    });
}

void DemoServer::installDocumentLayers()
{
    m_server.onRequest(common::op::SelectDocument, [this, list = m_server.handler(common::op::SelectDocument)](
                                                       const testsupport::TestRequest &received) {
        qorv::data::SelectDocumentRequest request;
        if (!request.ParseFromString(received.payload) || request.select_deleted_documents())
            return list(received);
        qorv::data::SelectDocumentReply reply;
        if (request.has_document_id() && request.has_sys_period()) {
            const qorv::data::Document current = m_directory.document(request.document_id());
            if (current.has_document_id()) {
                for (const qorv::data::Document &revision :
                     m_revisions.select(current, request.sys_period().from(), request.sys_period().to()))
                    *reply.add_document() = revision;
            }
            return testsupport::Answer(reply);
        }
        const SearchCriteria criteria = SearchCriteria::of(request);
        if (!request.has_document_folder_id() || (criteria.isEmpty() && !request.search_subfolders()))
            return list(received);
        for (const int folderId : folderTree(request.document_folder_id(), request.search_subfolders())) {
            for (const qorv::data::Document &document : m_directory.documents(folderId)) {
                if (!Contains(request.exclude_document_id(), document.document_id())
                    && (criteria.isEmpty() || criteria.matches(document)))
                    *reply.add_document() = document;
            }
        }
        return testsupport::Answer(reply);
    });
    // The editor's save, and its save-and-close, keep the version they
    // replace as a revision.
    m_server.onRequest(common::op::UpdateDocument, [this, update = m_server.handler(common::op::UpdateDocument)](
                                                       const testsupport::TestRequest &received) {
        qorv::data::UpdateDocumentRequest request;
        if ((received.minorOpcode != common::tag::Save && received.minorOpcode != common::tag::SaveAndClose)
            || !request.ParseFromString(received.payload))
            return update(received);
        const qorv::data::Document current = m_directory.document(request.document().document_id());
        const std::string now = Now();
        if (current.has_document_id())
            m_revisions.replaced(current, now);
        if (!request.document().has_document_modification_date())
            request.mutable_document()->set_document_modification_date(now);
        return update(Carrying(received, request));
    });
}

void DemoServer::installMessageLayers()
{
    // Each addressee finds the new copy unread in the root message folder,
    // unless the sender's client named another folder.
    m_server.onRequest(common::op::InsertMessage, [this, insert = m_server.handler(common::op::InsertMessage)](
                                                      const testsupport::TestRequest &received) {
        qorv::data::InsertMessageRequest request;
        if (!request.ParseFromString(received.payload))
            return insert(received);
        for (qorv::data::Message &row : *request.mutable_message_user()) {
            if (row.message_user_user_id() == request.message().message_user_id())
                continue;
            row.set_message_user_properties(row.message_user_properties() | Unread);
            if (row.message_user_message_folder_id() <= 0)
                row.set_message_user_message_folder_id(userRecord(row.message_user_user_id()).user_message_folder_id());
        }
        if (!request.message().has_message_creation_date())
            request.mutable_message()->set_message_creation_date(Now());
        const testsupport::TestReply answer = insert(Carrying(received, request));
        qorv::data::InsertMessageReply reply;
        if (reply.ParseFromString(answer.payload) && reply.message_id() > 0) {
            for (qorv::data::MessageDocument attachment : request.message_document()) {
                attachment.set_message_document_message_id(reply.message_id());
                m_attachments.add(attachment);
            }
        }
        return answer;
    });
    // A recipient the message editor adds finds the copy unread, too.
    m_server.onRequest(common::op::InsertMessageUser, [this, insert = m_server.handler(common::op::InsertMessageUser)](
                                                          const testsupport::TestRequest &received) {
        qorv::data::InsertMessageUserRequest request;
        if (!request.ParseFromString(received.payload))
            return insert(received);
        qorv::data::Message *row = request.mutable_message();
        if (m_messages.message(row->message_user_message_id()).message_user_id() != row->message_user_user_id())
            row->set_message_user_properties(row->message_user_properties() | Unread);
        if (row->message_user_message_folder_id() <= 0)
            row->set_message_user_message_folder_id(userRecord(row->message_user_user_id()).user_message_folder_id());
        return insert(Carrying(received, request));
    });
    // The search dialogs' criteria, over the user's own messages and the
    // copies received.
    m_server.onRequest(common::op::SelectMessage,
                       FilteredBySearch<qorv::data::SelectMessageRequest, qorv::data::SelectMessageReply>(
                           m_server.handler(common::op::SelectMessage)));
    m_server.onRequest(common::op::SelectMessageUser,
                       FilteredBySearch<qorv::data::SelectMessageUserRequest, qorv::data::SelectMessageUserReply>(
                           m_server.handler(common::op::SelectMessageUser)));
}

void DemoServer::installUserChanges()
{
    // The options window's new e-mail address: the code "sent" to it is
    // ResetAuthcode, and an address another account has is refused.
    m_server.onRequest(common::op::VerifyUserEmailAddressReset, [this](const testsupport::TestRequest &received) {
        qorv::data::VerifyUserEmailAddressResetRequest request;
        qorv::data::VerifyUserEmailAddressResetReply reply;
        if (request.ParseFromString(received.payload) && m_users.count(request.user().user_id()) != 0
            && !request.user_email_address().empty())
            reply.set_user_email_address_reset_authcode(ResetAuthcode);
        return testsupport::Answer(reply);
    });
    m_server.onRequest(common::op::ResetUserEmailAddress, [this](const testsupport::TestRequest &received) {
        qorv::data::ResetUserEmailAddressRequest request;
        testsupport::TestReply refused;
        refused.majorErcode = 4;
        if (!request.ParseFromString(received.payload) || request.user_email_address_reset_authcode() != ResetAuthcode
            || request.user_email_address().empty())
            return refused;
        const auto found = m_users.find(request.user_id());
        if (found == m_users.end())
            return refused;
        for (const auto &[id, user] : m_users) {
            if (id != request.user_id() && user.user_email_address() == request.user_email_address()) {
                qorv::data::ResetUserEmailAddressReply taken;
                taken.mutable_sql_diag_rec()->set_sqlc(common::SqlcUniqueViolation);
                taken.mutable_sql_diag_rec()->set_sqls("23505");
                return testsupport::Answer(taken);
            }
        }
        qorv::data::User user = found->second;
        user.set_user_email_address(request.user_email_address());
        keep(user);
        m_reset.addUserEmailAddress(user.user_email_address());
        return testsupport::Answer(qorv::data::ResetUserEmailAddressReply());
    });
    // The options' switches and the reset-password wizard's new password.
    m_server.onRequest(common::op::UpdateUser, [this](const testsupport::TestRequest &received) {
        qorv::data::UpdateUserRequest request;
        testsupport::TestReply refused;
        refused.majorErcode = 4;
        if (!request.ParseFromString(received.payload))
            return refused;
        const auto found = m_users.find(request.user().user_id());
        if (found == m_users.end())
            return refused;
        qorv::data::User user = found->second;
        if (request.user().has_user_properties())
            user.set_user_properties(request.user().user_properties());
        if (!request.user().user_security_descriptor().password().empty())
            user.mutable_user_security_descriptor()->set_password(request.user().user_security_descriptor().password());
        keep(user);
        return testsupport::Answer(qorv::data::UpdateUserReply());
    });
    // The forgotten user name: the responder checks address and code; the new
    // hash becomes the user name of the account with that address, and the
    // old one opens no account any more. Another account's name is refused
    // as the database refuses it.
    m_server.onRequest(common::op::ResetUserName, [this, reset = m_server.handler(common::op::ResetUserName)](
                                                      const testsupport::TestRequest &received) {
        const testsupport::TestReply answer = reset(received);
        const std::vector<testsupport::ResetResponder::Reset> resets = m_reset.userNameResets();
        if (answer.majorErcode != 0 || resets.empty())
            return answer;
        const std::string &nameHash = resets.back().value;
        for (const auto &[id, record] : m_users) {
            if (record.user_email_address() != resets.back().userEmailAddress)
                continue;
            if (const auto holder = m_userIds.find(nameHash); holder != m_userIds.end() && holder->second != id) {
                qorv::data::ResetUserNameReply taken;
                taken.mutable_sql_diag_rec()->set_sqlc(common::SqlcUniqueViolation);
                taken.mutable_sql_diag_rec()->set_sqls("23505");
                testsupport::TestReply refused = testsupport::Answer(taken);
                refused.majorErcode = 4;
                return refused;
            }
            qorv::data::User user = record;
            m_userIds.erase(user.user_name());
            m_logOn.removeAccount(user.user_name());
            user.set_user_name(nameHash);
            m_userIds[nameHash] = id;
            keep(user);
            break;
        }
        return answer;
    });
    // The forgotten password: the responder checks address and code; the new
    // stored form becomes the password of the account with that address.
    m_server.onRequest(common::op::ResetPassword, [this, reset = m_server.handler(common::op::ResetPassword)](
                                                      const testsupport::TestRequest &received) {
        const testsupport::TestReply answer = reset(received);
        const std::vector<testsupport::ResetResponder::Reset> resets = m_reset.passwordResets();
        if (answer.majorErcode != 0 || resets.empty())
            return answer;
        for (const auto &[id, record] : m_users) {
            if (record.user_email_address() == resets.back().userEmailAddress) {
                qorv::data::User user = record;
                user.mutable_user_security_descriptor()->set_password(resets.back().value);
                keep(user);
                break;
            }
        }
        return answer;
    });
}

void DemoServer::keep(const qorv::data::User &user)
{
    m_users[user.user_id()] = user;
    m_logOn.addAccount(user.user_name(), std::string(), user);
}

bool DemoServer::opensAccount(const std::string &userNameHash, const std::string &passwordHash) const
{
    const auto id = m_userIds.find(userNameHash);
    if (id == m_userIds.end())
        return false;
    const qorv::data::User user = userRecord(id->second);
    const std::string &stored = user.user_security_descriptor().password();
    try {
        return crypto::DecodePassword(passwordHash, stored);
    } catch (const std::exception &) {
        // A hash of the wrong length, from a client that is not ours.
        return false;
    }
}
}
