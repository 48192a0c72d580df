#include "messagestore.h"

#include "common/majorcode.h"
#include "common/sqlc.h"
#include "dbid.h"
#include "registry.h"
#include "testreplies.h"

#include "deletemessagefolderreply3.pb.h"
#include "deletemessagefolderrequest3.pb.h"
#include "deletemessagereply3.pb.h"
#include "deletemessagerequest3.pb.h"
#include "deletemessageuserreply3.pb.h"
#include "deletemessageuserrequest3.pb.h"
#include "insertmessagefolderreply3.pb.h"
#include "insertmessagefolderrequest3.pb.h"
#include "insertmessagereply3.pb.h"
#include "insertmessagerequest3.pb.h"
#include "insertmessageuserreply3.pb.h"
#include "insertmessageuserrequest3.pb.h"
#include "selectmessagefolderreply3.pb.h"
#include "selectmessagefolderrequest3.pb.h"
#include "selectmessagereply3.pb.h"
#include "selectmessagerequest3.pb.h"
#include "selectmessageuserreply3.pb.h"
#include "selectmessageuserrequest3.pb.h"
#include "selectuserreply3.pb.h"
#include "selectuserrequest3.pb.h"
#include "updatemessagefolderreply3.pb.h"
#include "updatemessagefolderrequest3.pb.h"
#include "updatemessagereply3.pb.h"
#include "updatemessagerequest3.pb.h"
#include "updatemessageuserreply3.pb.h"
#include "updatemessageuserrequest3.pb.h"

#include <algorithm>

using testsupport::Answer;
using testsupport::Done;
using testsupport::TestReply;
using testsupport::TestRequest;

namespace messagestest
{
namespace
{
constexpr int MoveTag = -25;

// A folder that still holds messages, or a message that others answer.
template <class Reply>
TestReply StillReferenced()
{
    return testsupport::Refusal<Reply>(common::SqlcForeignKeyViolation);
}
}

MessageStore::MessageStore(testsupport::TestServer &server)
    : m_server(server)
{
}

void MessageStore::logOn()
{
    RegistrySingleton::instance()->setUser(User(SessionUserId, "Ann", "B", "Lee", RootFolderId));
}

qorv::data::User MessageStore::User(int id, const std::string &first, const std::string &middle,
                                    const std::string &last, int messageFolderId)
{
    qorv::data::User user;
    user.set_user_id(id);
    if (!first.empty())
        user.set_user_first_name(first);
    if (!middle.empty())
        user.set_user_middle_name(middle);
    if (!last.empty())
        user.set_user_last_name(last);
    if (messageFolderId != 0)
        user.set_user_message_folder_id(messageFolderId);
    return user;
}

qorv::data::Document MessageStore::Document(int id, const std::string &name)
{
    qorv::data::Document document;
    document.set_document_id(id);
    document.set_document_name(name);
    return document;
}

qorv::data::Message MessageStore::Message(int id, const std::string &subject, int authorId, int folderId,
                                          unsigned int permissions, const std::string &modificationDate)
{
    qorv::data::Message message;
    message.set_message_id(id);
    message.set_message_user_id(authorId);
    message.set_message_folder_id(folderId);
    message.set_message_parent_id(DbId::m_RootId);
    message.set_message_parent_relation(qorv::data::Message::PARENT_RELATION_NONE);
    message.set_message_subject(subject);
    message.set_message_creation_date("2026-01-01 08:00:00");
    message.set_message_modification_date(modificationDate);
    message.set_message_body("<p>" + subject + "</p>");
    message.mutable_message_security_descriptor()->set_permissions(permissions);
    return message;
}

void MessageStore::addUser(const qorv::data::User &user)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_users[user.user_id()] = user;
}

void MessageStore::addFolder(int folderId, int parentId, const std::string &name)
{
    qorv::data::MessageFolder folder;
    folder.set_message_folder_id(folderId);
    folder.set_message_folder_user_id(SessionUserId);
    folder.set_message_folder_parent_id(parentId);
    folder.set_message_folder_name(name);
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_folders.push_back(folder);
}

void MessageStore::addMessage(const qorv::data::Message &message)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    qorv::data::Message stored = message;
    if (!stored.has_message_sender())
        *stored.mutable_message_sender() = user(message.message_user_id());
    m_messages[message.message_id()] = stored;
}

void MessageStore::addRecipient(int messageId, int userId, qorv::data::Message::ufield field, int folderId,
                                unsigned int properties)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_recipients.push_back(Recipient{messageId, userId, field, folderId, properties});
}

qorv::data::Message MessageStore::message(int messageId) const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    const auto found = m_messages.find(messageId);
    return found != m_messages.end() ? found->second : qorv::data::Message();
}

QList<int> MessageStore::folderIds() const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    QList<int> ids;
    for (const qorv::data::MessageFolder &folder : m_folders)
        ids.append(folder.message_folder_id());
    return ids;
}

std::string MessageStore::folderName(int folderId) const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    for (const qorv::data::MessageFolder &folder : m_folders) {
        if (folder.message_folder_id() == folderId)
            return folder.message_folder_name();
    }
    return std::string();
}

int MessageStore::folderOf(int messageId, int userId) const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    for (const Recipient &recipient : m_recipients) {
        if (recipient.messageId == messageId && recipient.userId == userId)
            return recipient.folderId;
    }
    const auto found = m_messages.find(messageId);
    return found != m_messages.end() ? found->second.message_folder_id() : 0;
}

unsigned int MessageStore::recipientProperties(int messageId, int userId) const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    for (const Recipient &recipient : m_recipients) {
        if (recipient.messageId == messageId && recipient.userId == userId)
            return recipient.properties;
    }
    return 0;
}

bool MessageStore::hasMessage(int messageId) const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_messages.count(messageId) != 0;
}

bool MessageStore::hasRecipient(int messageId, int userId) const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return std::any_of(m_recipients.begin(), m_recipients.end(), [&](const Recipient &recipient) {
        return recipient.messageId == messageId && recipient.userId == userId;
    });
}

qorv::data::User MessageStore::user(int id) const
{
    const auto found = m_users.find(id);
    if (found != m_users.end())
        return found->second;
    qorv::data::User unknown;
    unknown.set_user_id(id);
    return unknown;
}

qorv::data::Message MessageStore::receivedCopy(const Recipient &recipient) const
{
    qorv::data::Message copy = m_messages.at(recipient.messageId);
    copy.set_message_user_is_recipient(true);
    copy.set_message_user_message_id(recipient.messageId);
    copy.set_message_user_user_id(recipient.userId);
    copy.set_message_user_message_folder_id(recipient.folderId);
    copy.set_message_user_field(recipient.field);
    copy.set_message_user_properties(recipient.properties);
    *copy.mutable_message_recipient() = user(recipient.userId);
    return copy;
}

bool MessageStore::isReferenced(int messageId) const
{
    return std::any_of(m_messages.begin(), m_messages.end(),
                       [messageId](const auto &entry) { return entry.second.message_parent_id() == messageId; });
}

bool MessageStore::folderHoldsMessages(int folderId) const
{
    const bool ownMessages = std::any_of(m_messages.begin(), m_messages.end(), [folderId](const auto &entry) {
        return entry.second.message_user_id() == SessionUserId && entry.second.message_folder_id() == folderId;
    });
    return ownMessages || std::any_of(m_recipients.begin(), m_recipients.end(), [folderId](const Recipient &row) {
               return row.userId == SessionUserId && row.folderId == folderId;
           });
}

void MessageStore::install()
{
    m_server.onRequest(common::op::SelectMessageFolder, [this](const TestRequest &received) {
        qorv::data::SelectMessageFolderRequest request;
        request.ParseFromString(received.payload);
        qorv::data::SelectMessageFolderReply reply;
        const std::lock_guard<std::mutex> lock(m_mutex);
        for (const qorv::data::MessageFolder &folder : m_folders) {
            if (folder.message_folder_user_id() == request.message_folder_user_id()
                && folder.message_folder_parent_id() == request.message_folder_parent_id())
                *reply.add_message_folder() = folder;
        }
        return Answer(reply);
    });
    m_server.onRequest(common::op::SelectMessage, [this](const TestRequest &received) {
        qorv::data::SelectMessageRequest request;
        request.ParseFromString(received.payload);
        qorv::data::SelectMessageReply reply;
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (request.has_message_chain_id()) {
            // The conversation above the message: its parent first.
            for (auto found = m_messages.find(request.message_chain_id()); found != m_messages.end();
                 found = m_messages.find(found->second.message_parent_id()))
                *reply.add_message() = found->second;
        } else if (request.has_message_id()) {
            const auto found = m_messages.find(request.message_id());
            if (found != m_messages.end())
                *reply.add_message() = found->second;
        } else {
            for (const auto &[id, message] : m_messages) {
                if (message.message_user_id() == request.message_user_id()
                    && (!request.has_message_folder_id() || message.message_folder_id() == request.message_folder_id()))
                    *reply.add_message() = message;
            }
        }
        return Answer(reply);
    });
    m_server.onRequest(common::op::SelectMessageUser, [this](const TestRequest &received) {
        qorv::data::SelectMessageUserRequest request;
        request.ParseFromString(received.payload);
        qorv::data::SelectMessageUserReply reply;
        const std::lock_guard<std::mutex> lock(m_mutex);
        for (const Recipient &recipient : m_recipients) {
            if (request.has_message_user_message_id()) {
                // Without a field the server lists the recipients of all three.
                if (recipient.messageId != request.message_user_message_id()
                    || (request.has_message_user_field() && recipient.field != request.message_user_field()))
                    continue;
                qorv::data::Message *row = reply.add_message();
                row->set_message_user_message_id(recipient.messageId);
                row->set_message_user_user_id(recipient.userId);
                row->set_message_user_field(recipient.field);
                *row->mutable_message_recipient() = user(recipient.userId);
            } else if (recipient.userId == request.message_user_user_id()
                       && (!request.has_message_user_message_folder_id()
                           || recipient.folderId == request.message_user_message_folder_id())
                       && m_messages.count(recipient.messageId) != 0) {
                *reply.add_message() = receivedCopy(recipient);
            }
        }
        return Answer(reply);
    });
    m_server.onRequest(common::op::SelectUser, [this](const TestRequest &received) {
        qorv::data::SelectUserRequest request;
        request.ParseFromString(received.payload);
        qorv::data::SelectUserReply reply;
        const std::lock_guard<std::mutex> lock(m_mutex);
        for (const auto &[id, user] : m_users) {
            const auto &excluded = request.exclude_user_id();
            if (std::find(excluded.begin(), excluded.end(), id) == excluded.end())
                *reply.add_user() = user;
        }
        return Answer(reply);
    });
    m_server.onRequest(common::op::InsertMessageFolder, [this](const TestRequest &received) {
        qorv::data::InsertMessageFolderRequest request;
        request.ParseFromString(received.payload);
        const std::lock_guard<std::mutex> lock(m_mutex);
        qorv::data::MessageFolder folder = request.message_folder();
        folder.set_message_folder_id(m_nextFolderId++);
        m_folders.push_back(folder);
        qorv::data::InsertMessageFolderReply reply;
        reply.set_message_folder_id(folder.message_folder_id());
        reply.set_return_code(1);
        return Answer(reply);
    });
    m_server.onRequest(common::op::InsertMessage, [this](const TestRequest &received) {
        qorv::data::InsertMessageRequest request;
        request.ParseFromString(received.payload);
        const std::lock_guard<std::mutex> lock(m_mutex);
        qorv::data::Message message = request.message();
        message.set_message_id(m_nextMessageId++);
        m_messages[message.message_id()] = message;
        // The rows of a reply's addressees come with the message, which has
        // no id yet on the client's side.
        for (const qorv::data::Message &row : request.message_user())
            m_recipients.push_back(Recipient{message.message_id(), row.message_user_user_id(), row.message_user_field(),
                                             row.message_user_message_folder_id(), row.message_user_properties()});
        qorv::data::InsertMessageReply reply;
        reply.set_message_id(message.message_id());
        reply.set_return_code(1);
        return Answer(reply);
    });
    m_server.onRequest(common::op::InsertMessageUser, [this](const TestRequest &received) {
        qorv::data::InsertMessageUserRequest request;
        request.ParseFromString(received.payload);
        const qorv::data::Message &row = request.message();
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (m_messages.count(row.message_user_message_id()) == 0)
            return StillReferenced<qorv::data::InsertMessageUserReply>();
        const bool addressed = std::any_of(m_recipients.begin(), m_recipients.end(), [&row](const Recipient &r) {
            return r.messageId == row.message_user_message_id() && r.userId == row.message_user_user_id();
        });
        if (addressed)
            return testsupport::Refusal<qorv::data::InsertMessageUserReply>(common::SqlcUniqueViolation);
        const Recipient recipient{row.message_user_message_id(), row.message_user_user_id(), row.message_user_field(),
                                  row.message_user_message_folder_id(), row.message_user_properties()};
        m_recipients.push_back(recipient);
        if (row.has_message_recipient() && m_users.count(recipient.userId) == 0)
            m_users[recipient.userId] = row.message_recipient();
        qorv::data::InsertMessageUserReply reply;
        *reply.mutable_message_user_message() = receivedCopy(recipient);
        return Done(reply);
    });
    m_server.onRequest(common::op::UpdateMessageFolder, [this](const TestRequest &received) {
        qorv::data::UpdateMessageFolderRequest request;
        request.ParseFromString(received.payload);
        const std::lock_guard<std::mutex> lock(m_mutex);
        for (qorv::data::MessageFolder &folder : m_folders) {
            if (folder.message_folder_id() == request.message_folder().message_folder_id())
                folder.set_message_folder_name(request.message_folder().message_folder_name());
        }
        return Done<qorv::data::UpdateMessageFolderReply>();
    });
    m_server.onRequest(common::op::UpdateMessage, [this](const TestRequest &received) {
        qorv::data::UpdateMessageRequest request;
        request.ParseFromString(received.payload);
        const qorv::data::Message &update = request.message();
        const std::lock_guard<std::mutex> lock(m_mutex);
        const auto found = m_messages.find(update.message_id());
        if (found != m_messages.end()) {
            if (received.minorOpcode == MoveTag)
                found->second.set_message_folder_id(update.message_folder_id());
            else
                found->second = update;
        }
        return Done<qorv::data::UpdateMessageReply>();
    });
    m_server.onRequest(common::op::UpdateMessageUser, [this](const TestRequest &received) {
        qorv::data::UpdateMessageUserRequest request;
        request.ParseFromString(received.payload);
        const qorv::data::Message &update = request.message();
        const std::lock_guard<std::mutex> lock(m_mutex);
        for (Recipient &recipient : m_recipients) {
            if (recipient.messageId != update.message_user_message_id()
                || recipient.userId != update.message_user_user_id())
                continue;
            if (update.has_message_user_message_folder_id())
                recipient.folderId = update.message_user_message_folder_id();
            if (update.has_message_user_properties())
                recipient.properties = update.message_user_properties();
        }
        return Done<qorv::data::UpdateMessageUserReply>();
    });
    m_server.onRequest(common::op::DeleteMessageFolder, [this](const TestRequest &received) {
        qorv::data::DeleteMessageFolderRequest request;
        request.ParseFromString(received.payload);
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (folderHoldsMessages(request.message_folder_id()))
            return StillReferenced<qorv::data::DeleteMessageFolderReply>();
        m_folders.erase(std::remove_if(m_folders.begin(), m_folders.end(),
                                       [&request](const qorv::data::MessageFolder &folder) {
                                           return folder.message_folder_id() == request.message_folder_id();
                                       }),
                        m_folders.end());
        return Done<qorv::data::DeleteMessageFolderReply>();
    });
    m_server.onRequest(common::op::DeleteMessage, [this](const TestRequest &received) {
        qorv::data::DeleteMessageRequest request;
        request.ParseFromString(received.payload);
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (isReferenced(request.message_id())) {
            TestReply refused = StillReferenced<qorv::data::DeleteMessageReply>();
            refused.majorErcode = 4;
            return refused;
        }
        m_messages.erase(request.message_id());
        m_recipients.erase(std::remove_if(m_recipients.begin(), m_recipients.end(),
                                          [&request](const Recipient &recipient) {
                                              return recipient.messageId == request.message_id();
                                          }),
                           m_recipients.end());
        return Done<qorv::data::DeleteMessageReply>();
    });
    m_server.onRequest(common::op::DeleteMessageUser, [this](const TestRequest &received) {
        qorv::data::DeleteMessageUserRequest request;
        request.ParseFromString(received.payload);
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (isReferenced(request.message_user_message_id()))
            return StillReferenced<qorv::data::DeleteMessageUserReply>();
        m_recipients.erase(std::remove_if(m_recipients.begin(), m_recipients.end(),
                                          [&request](const Recipient &recipient) {
                                              return recipient.messageId == request.message_user_message_id()
                                                     && recipient.userId == request.message_user_user_id();
                                          }),
                           m_recipients.end());
        return Done<qorv::data::DeleteMessageUserReply>();
    });
}
}
