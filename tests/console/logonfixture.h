#ifndef LOGONFIXTURE_H
#define LOGONFIXTURE_H

#include "authenticateuserresponder.h"
#include "testserver.h"

#include "user3.pb.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <mutex>
#include <optional>
#include <vector>

class ApplicationComponent;
class ConsoleView;

namespace testsupport
{
class DialogAnswerer;
}

namespace consoletest
{
// The whole client bus against the test server: the server knows one account
// (ann, "correct horse") and answers the log-on as the suite's server does,
// the multi-factor check (right code "123456") and the dictionary select (two
// stored words). The spell checker runs on a tiny dictionary of its own.
class LogOnFixture
{
public:
    static constexpr int UserId = 42;
    static const char *const RightCode;
    static const char *const UserName;
    static const char *const Password;

    LogOnFixture();
    ~LogOnFixture();

    // Once per test program: server, keys, dictionary files.
    bool setUp();
    // Once per test function: a fresh session state and the bus with its
    // console, pointed at the test server.
    bool start();
    void stop();

    // Ann B Lee, id 42, with these properties (bit 0: multi-factor).
    static qorv::data::User Ann(unsigned int properties = 0);

    testsupport::TestServer &server() { return m_server; }
    testsupport::AuthenticateUserResponder &responder() { return m_responder; }
    ConsoleView *console() const { return m_console; }

    // Queues the answer to the log-on dialog: the two fields typed, the server
    // name replaced when given, then OK.
    static void answerLogOn(testsupport::DialogAnswerer &answerer, const QString &userName, const QString &password,
                            const std::optional<QString> &serverName = std::nullopt);
    // Queues the answer to one multi-factor code dialog: typed and OK, or
    // cancelled when code is empty.
    static void answerCode(testsupport::DialogAnswerer &answerer, const std::optional<QString> &code);

    void triggerLogOn();
    void triggerLogOff();

    // The major opcodes the server saw, in order.
    QList<int> majors() const;
    // The codes the multi-factor requests carried, in order.
    QStringList codesSeen() const;

private:
    testsupport::TestServer m_server;
    testsupport::AuthenticateUserResponder m_responder;
    QTemporaryDir m_dictionaryDir;
    std::unique_ptr<ApplicationComponent> m_application;
    ConsoleView *m_console = nullptr;
    mutable std::mutex m_mutex;
    QStringList m_codesSeen;
};
}

#endif // LOGONFIXTURE_H
