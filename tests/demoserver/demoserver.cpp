#include "demoserver.h"

#include "crypto.h"
#include "sampledata.h"

namespace demoserver
{
DemoServer::DemoServer(const std::string &keyDirectory)
    : m_logOn(keyDirectory)
    , m_directory(m_server)
    , m_keys(m_server)
    , m_messages(m_server)
{
    m_server.onRequest(3, m_logOn.handler());
    // Log-off: the next log-on comes sealed under the all-zero key again.
    m_server.onRequest(4, [](const testsupport::TestRequest &) {
        testsupport::TestReply reply;
        reply.nextSessionKey = testsupport::TestSessionKey{};
        return reply;
    });
    m_directory.install();
    // The key store after the directory: it keeps every key, given and held,
    // so its selects, inserts, updates and deletes are the ones answered.
    m_keys.install();
    m_messages.install();
}

bool DemoServer::isValid() const
{
    return m_logOn.isValid();
}

void DemoServer::seed(const SampleData &data)
{
    for (const SampleData::Account &account : data.accounts) {
        m_logOn.addAccount(crypto::HashUserName(account.userName), crypto::HashPassword(account.password),
                           account.user);
        m_directory.addUser(account.user);
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
    for (const qorv::data::Message &message : data.messages)
        m_messages.addMessage(message);
}

bool DemoServer::start(unsigned short port)
{
    return m_server.start(port);
}

unsigned short DemoServer::port() const
{
    return m_server.port();
}
}
