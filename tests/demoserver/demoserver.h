#ifndef DEMOSERVER_H
#define DEMOSERVER_H

#include "attachmentstore.h"
#include "authenticateuserresponder.h"
#include "dictionarystore.h"
#include "groupdirectory.h"
#include "hostileschedule.h"
#include "keystore.h"
#include "messagestore.h"
#include "resetresponder.h"
#include "revisionhistory.h"
#include "testserver.h"
#include "webpagestore.h"

#include "selectdocumentkeyreply3.pb.h"
#include "selectdocumentkeyrequest3.pb.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QString;

namespace demoserver
{
class SampleData;

// The test server as a server of its own: the log-on on the build's key pair
// for every account of the sample data, and the users, groups, folders,
// documents, keys and messages answered and changed as the suite's server
// does, for as long as the program runs. Each log-on starts a new session,
// also one sealed under the all-zero key while an old session is still open
// (a client that quit without logging off), and makes its account the one
// whose home groups, user groups and held keys the look-ups answer. Keys and
// messages are answered for whichever user a request names.
//
// Over the stores it answers what a store alone cannot: a user by id, with
// the user-name hash and stored password form the reset flows check; a key's
// document or folder as it stands, and a new key completed with its object
// and giver; the search dialogs' criteria (over subfolders too); revisions
// and the versions a save replaces; a new message's copies unread in each
// addressee's root folder, with its attachments; the words each user adds to
// the dictionary; and the forgotten user name and password exchanges for
// every account's address (the code is ResetAuthcode), whose new user name or
// password is the account's from then on.
//
// A hostile mode spoils a share of the replies (see HostileSchedule); it can
// be switched on and off from any thread while the server runs.
class DemoServer
{
public:
    using FaultLog = std::function<void(const std::string &)>;

    // The authorization code the reset exchanges send "by e-mail".
    static constexpr const char *ResetAuthcode = "QUILLANE";

    explicit DemoServer(const std::string &keyDirectory);

    // A server on the key pair in keyDirectory, seeded from the JSON file at
    // dataPath and not yet started; nothing, with the reason in error, when
    // either cannot be read.
    static std::unique_ptr<DemoServer> fromSampleFile(const QString &dataPath, const std::string &keyDirectory,
                                                      QString *error);

    // False when the key pair could not be read.
    bool isValid() const;
    void seed(const SampleData &data);
    bool start(unsigned short port);
    unsigned short port() const;

    // Misbehaves from the next reply on as the schedule of this seed picks,
    // until switched off with std::nullopt.
    void setHostile(std::uint32_t seed, const testsupport::HostileSchedule::Options &options);
    void setHostile(std::uint32_t seed, double rate);
    void setHostile(std::nullopt_t);
    // Receives one line for each spoilt reply, on the server's thread. Takes
    // effect with the next setHostile.
    void setFaultLog(FaultLog log);
    // Receives "Logged on as <name>" for each log-on and "Logged off" for
    // each log-off, on the server's thread; set before the server starts.
    void setSessionLog(FaultLog log);

    testsupport::TestServer &server() { return m_server; }
    // The messages and recipient rows as they stand, for checking what the
    // program stored.
    const messagestest::MessageStore &messages() const { return m_messages; }
    // The document and folder keys as they stand.
    const keystest::KeyStore &keys() const { return m_keys; }
    const DictionaryStore &dictionary() const { return m_dictionary; }

private:
    // Each puts a layer over the stores' handlers of some major opcodes.
    void installUserSelect();
    void installKeyLayers();
    void installDocumentLayers();
    void installMessageLayers();
    void installUserChanges();
    // Makes the record, as seeded or changed, the account's, for the look-ups
    // and the next log-on (which opensAccount decides on its stored password
    // form).
    void keep(const qorv::data::User &user);
    bool opensAccount(const std::string &userNameHash, const std::string &passwordHash) const;
    qorv::data::User userRecord(int userId) const;
    // The folder, and with subfolders every folder below it, breadth first.
    std::vector<int> folderTree(int folderId, bool subfolders) const;
    // The folder key the holder holds on the folder or on a folder above it.
    std::optional<qorv::data::FolderKey> coveringFolderKey(int holderId, int folderId) const;
    // The document keys a folder key stands for: one for each document in
    // the folders asked for that the holder holds no key of its own to.
    void addFolderKeyDocuments(const qorv::data::SelectDocumentKeyRequest &request,
                               qorv::data::SelectDocumentKeyReply &reply) const;

    testsupport::TestServer m_server;
    testsupport::AuthenticateUserResponder m_logOn;
    groupstest::GroupDirectory m_directory;
    keystest::KeyStore m_keys;
    messagestest::MessageStore m_messages;
    testsupport::ResetResponder m_reset;
    DictionaryStore m_dictionary;
    AttachmentStore m_attachments;
    WebpageStore m_webpages;
    RevisionHistory m_revisions;
    // Written by seed before the server starts; after, only on the server's
    // thread. Account ids by user-name hash.
    std::map<std::string, int> m_userIds;
    // The accounts' full records, with the stored password form, by id.
    std::map<int, qorv::data::User> m_users;
    // The account of the last log-on; only on the server's thread.
    int m_sessionUserId = 0;
    FaultLog m_faultLog;
    FaultLog m_sessionLog;
};
}

#endif // DEMOSERVER_H
