#ifndef DEMOSERVER_H
#define DEMOSERVER_H

#include "authenticateuserresponder.h"
#include "groupdirectory.h"
#include "hostileschedule.h"
#include "keystore.h"
#include "messagestore.h"
#include "testserver.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

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
// A hostile mode spoils a share of the replies (see HostileSchedule); it can
// be switched on and off from any thread while the server runs.
class DemoServer
{
public:
    using FaultLog = std::function<void(const std::string &)>;

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

    testsupport::TestServer &server() { return m_server; }
    // The messages and recipient rows as they stand, for checking what the
    // program stored.
    const messagestest::MessageStore &messages() const { return m_messages; }
    // The document and folder keys as they stand.
    const keystest::KeyStore &keys() const { return m_keys; }

private:
    testsupport::TestServer m_server;
    testsupport::AuthenticateUserResponder m_logOn;
    groupstest::GroupDirectory m_directory;
    keystest::KeyStore m_keys;
    messagestest::MessageStore m_messages;
    // Account ids by user-name hash; written by seed before the server starts.
    std::map<std::string, int> m_userIds;
    FaultLog m_faultLog;
};
}

#endif // DEMOSERVER_H
