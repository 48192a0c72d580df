#ifndef DEMOSERVER_H
#define DEMOSERVER_H

#include "authenticateuserresponder.h"
#include "groupdirectory.h"
#include "keystore.h"
#include "messagestore.h"
#include "testserver.h"

#include <string>

namespace demoserver
{
class SampleData;

// The test server as a server of its own: the log-on on the build's key pair
// for every account of the sample data, and the users, groups, folders,
// documents, keys and messages answered and changed as the suite's server
// does, for as long as the program runs. Keys and messages are answered for
// whichever user a request names; the home groups and user groups belong to
// the directory's one session user (GroupDirectory::SessionUserId), so every
// account that logs on sees those of that user.
class DemoServer
{
public:
    explicit DemoServer(const std::string &keyDirectory);

    // False when the key pair could not be read.
    bool isValid() const;
    void seed(const SampleData &data);
    bool start(unsigned short port);
    unsigned short port() const;

    testsupport::TestServer &server() { return m_server; }

private:
    testsupport::TestServer m_server;
    testsupport::AuthenticateUserResponder m_logOn;
    groupstest::GroupDirectory m_directory;
    keystest::KeyStore m_keys;
    MessageStore m_messages;
};
}

#endif // DEMOSERVER_H
