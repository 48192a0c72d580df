#ifndef MESSAGESTORE_H
#define MESSAGESTORE_H

#include "testserver.h"

#include "document3.pb.h"
#include "message3.pb.h"
#include "messagefolder3.pb.h"
#include "user3.pb.h"

#include <QList>

#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace messagestest
{
// The server's side of message folders, messages and their recipients,
// answering the message windows on a TestServer the way the suite's server
// does: the lists of folders, of the user's own messages and of the copies
// the user received (by folder, or all), the recipients of a message (of one
// field, or of all three), the chain above a message, and the inserts (of
// messages with the rows of their addressees, and of single recipient rows),
// updates, moves and deletes, which change what later lists return. An
// insert or delete is carried out with return code 1; a folder that holds
// messages and a message that others answer are refused as still referenced
// ("23503"): a folder and a received copy with return code 0, an own message
// with the error codes (4, 0). A recipient row for a message that does not exist is refused as
// "23503", a second row for one addressee of a message as "23505".
//
// A reply scripted on the server for a (major, minor) pair takes precedence
// over the store, so a test can make one operation fail.
class MessageStore
{
public:
    static constexpr int SessionUserId = 42;
    static constexpr int RootFolderId = 300;

    explicit MessageStore(testsupport::TestServer &server);

    // Registers the handlers on the server.
    void install();

    // Makes the logged-on user (Ann B Lee, SessionUserId, root message folder
    // RootFolderId) the registry's user.
    static void logOn();
    static qorv::data::User User(int id, const std::string &first, const std::string &middle, const std::string &last,
                                 int messageFolderId = 0);

    void addUser(const qorv::data::User &user);
    void addFolder(int folderId, int parentId, const std::string &name);
    // A message as its author keeps it; the sender is the author's record.
    void addMessage(const qorv::data::Message &message);
    // A recipient row of a message: its field, the folder the recipient keeps
    // the copy in, and its properties (bit 0: unread).
    void addRecipient(int messageId, int userId, qorv::data::Message::ufield field, int folderId,
                      unsigned int properties = 0);

    // A stored message of the session user: an own one, or the copy received.
    static qorv::data::Message Message(int id, const std::string &subject, int authorId, int folderId,
                                       unsigned int permissions, const std::string &modificationDate);
    // A document as a message's attachment names it.
    static qorv::data::Document Document(int id, const std::string &name);

    qorv::data::Message message(int messageId) const;
    QList<int> folderIds() const;
    std::string folderName(int folderId) const;
    // The folder the message lies in for the user: the author's folder, or
    // the folder of the user's recipient row.
    int folderOf(int messageId, int userId) const;
    unsigned int recipientProperties(int messageId, int userId) const;
    bool hasMessage(int messageId) const;
    bool hasRecipient(int messageId, int userId) const;

private:
    struct Recipient
    {
        int messageId;
        int userId;
        int field;
        int folderId;
        unsigned int properties;
    };

    qorv::data::User user(int id) const;
    qorv::data::Message receivedCopy(const Recipient &recipient) const;
    bool isReferenced(int messageId) const;
    bool folderHoldsMessages(int folderId) const;

    testsupport::TestServer &m_server;
    mutable std::mutex m_mutex;
    std::map<int, qorv::data::User> m_users;
    std::vector<qorv::data::MessageFolder> m_folders;
    std::map<int, qorv::data::Message> m_messages;
    std::vector<Recipient> m_recipients;
    int m_nextFolderId = 700;
    int m_nextMessageId = 900;
};
}

#endif // MESSAGESTORE_H
