#include "demoserver.h"

#include "common/majorcode.h"
#include "crypto.h"
#include "sampledata.h"

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
}

DemoServer::DemoServer(const std::string &keyDirectory)
    : m_logOn(keyDirectory)
    , m_directory(m_server)
    , m_keys(m_server)
    , m_messages(m_server)
{
    m_server.setLogOnStartsSession(true);
    m_server.onRequest(common::op::AuthenticateUser, [this, logOn = m_logOn.handler()](const testsupport::TestRequest &request) {
        testsupport::TestReply reply = logOn(request);
        if (reply.nextSessionKey) {
            const auto found = m_userIds.find(m_logOn.lastUserNameHash());
            if (found != m_userIds.end())
                m_directory.setSessionUserId(found->second);
        }
        return reply;
    });
    // Log-off: the next log-on comes sealed under the all-zero key again.
    m_server.onRequest(common::op::TerminateUserSession, [](const testsupport::TestRequest &) {
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
    return m_logOn.isValid();
}

void DemoServer::seed(const SampleData &data)
{
    std::map<int, int> messageFolders; // root message folder by user id
    for (const SampleData::Account &account : data.accounts) {
        const std::string nameHash = crypto::HashUserName(account.userName);
        m_logOn.addAccount(nameHash, crypto::HashPassword(account.password), account.user);
        m_userIds[nameHash] = account.user.user_id();
        messageFolders[account.user.user_id()] = account.user.user_message_folder_id();
        m_directory.addUser(account.user);
        m_messages.addUser(account.user);
    }
    for (const SampleData::Group &group : data.homeGroups)
        m_directory.addHomeGroup(group.groupId, group.name, group.members);
    for (const SampleData::Group &group : data.userGroups)
        m_directory.addUserGroup(group.groupId, group.name, group.members, group.description);
    for (const qorv::data::Folder &folder : data.folders)
        m_directory.addFolder(folder);
    for (const qorv::data::Document &document : data.documents)
        m_directory.addDocument(document);
    for (const qorv::data::DocumentKey &key : data.documentKeys)
        m_keys.addDocumentKey(key);
    for (const qorv::data::FolderKey &key : data.folderKeys)
        m_keys.addFolderKey(key);
    // A sample message names its one addressee, who finds it unread in the
    // root message folder.
    for (const qorv::data::Message &message : data.messages) {
        m_messages.addMessage(AuthorsCopy(message));
        if (!message.has_message_recipient())
            continue;
        const int recipient = message.message_recipient().user_id();
        m_messages.addRecipient(message.message_id(), recipient, qorv::data::Message::TO, messageFolders[recipient],
                                Unread);
    }
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
    m_server.setFaultPicker([schedule, log = m_faultLog](const testsupport::TestRequest &request,
                                                         std::size_t frameLength) {
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
}
